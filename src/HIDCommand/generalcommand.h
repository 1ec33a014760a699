#ifndef GENERALCOMMAND_H
#define GENERALCOMMAND_H

#include "hidcommand.h"

#include <QString>

// The switch's command set. Every command is one fixed-length feature report
// (report id = command code, last byte = 8-bit sum of the others), answered
// by one report whose id is the code with bit 7 set and whose byte 1 is a
// status, 0 meaning accepted. Also keeps what the replies teach.
class GeneralCommand
{
public:
    enum Code : unsigned char {
        VersionQuery = 0x41,
        ListOpen = 0x42,
        PortRecord = 0x43,
        MouseRecord = 0x44,
        ListClose = 0x45,
        HeartBeat = 0x46,
        PortStatusQuery = 0x4A,
    };
    // Payload sizes of the two records.
    static const int kPortRecordSize = 10;
    static const int kMouseRecordSize = 6;

    GeneralCommand();

    bool openDevice(unsigned short vid, unsigned short pid);
    bool closeDevice();

    bool getFWAPProtocolVersion();
    bool getPortStatus();
    bool heartBeat();
    // The status byte, or -1 when a transfer failed. Starts a new record count
    // whatever the outcome.
    int sendListAmountOpen(int amount);
    bool sendOneListOfPortNum(const unsigned char *data, int len);
    bool sendOneListOfMouseData(const unsigned char *data, int len);
    bool sendListAmountClose();

    // Stores the 8-bit sum of bytes 0 .. length-2 in byte length-1.
    static void computeChecksum(unsigned char *data, int length);

    int listCount() const { return m_listCount; }
    // Why the last exchange failed: the transport's reason, or a reply too
    // short to hold what the command reads. Empty after a success; a refusal
    // by the switch is a status, not a failure of the exchange.
    QString lastError() const { return m_error.isEmpty() ? m_transport.lastError() : m_error; }
    // Keeps `reason` as lastError() until the next exchange or open: a
    // transaction whose later exchanges went through still says why an
    // earlier one failed.
    void keepError(const QString &reason) { m_error = reason; }
    // The status byte of the last exchange's reply; -1 when that exchange
    // failed. Tells a refusal from a failure where a command answers a bool.
    int lastStatus() const { return m_lastStatus; }
    // The last open found the switch but may not open it (HidCommand).
    bool accessDenied() const { return m_transport.accessDenied(); }

    // What the replies leave behind; the device object reads and resets them.
    QString m_version;
    unsigned char apportNum;
    unsigned char listNum;
    unsigned char curportNum;
    unsigned char mouseposition;

private:
    // `needed`: the reply bytes (id included) the command reads; fewer make
    // the exchange fail. Every reply needs at least its status byte.
    int exchange(Code code, const unsigned char *payload, int payloadLen, int requestLen,
                 unsigned char *reply, int replyLen, int needed = 2);
    int transfer(Code code, const unsigned char *payload, int payloadLen, int requestLen,
                 unsigned char *reply, int replyLen, int needed);

    HidCommand m_transport;
    int m_listCount;
    int m_lastStatus;
    QString m_error;
};

#endif // GENERALCOMMAND_H
