#include "generalcommand.h"
#include "logcategories.h"

#include <cstring>

namespace {
// Every request and reply is this long, except the two records.
const int kShortReport = 8;
const int kPortRecordRequest = 12;
const int kMouseRecordRequest = 10;
const int kMouseRecordReply = 10;
// Room for the longest report of either direction.
const int kMaxReport = 12;
// Id and status: the least a reply can be.
const int kStatusReply = 2;
// The version query reads reply bytes 2-6, the port status query 2-5.
const int kVersionReply = 7;
const int kPortStatusReply = 6;
}

GeneralCommand::GeneralCommand()
    : apportNum(0)
    , listNum(0)
    , curportNum(0)
    , mouseposition(0)
    , m_listCount(0)
    , m_lastStatus(-1)
{
}

bool GeneralCommand::openDevice(unsigned short vid, unsigned short pid)
{
    m_error.clear();
    return m_transport.opendevice(vid, pid);
}

bool GeneralCommand::closeDevice()
{
    return m_transport.closedevice();
}

void GeneralCommand::computeChecksum(unsigned char *data, int length)
{
    if (!data || length < 1)
        return;
    unsigned int sum = 0;
    for (int i = 0; i < length - 1; ++i)
        sum += data[i];
    data[length - 1] = static_cast<unsigned char>(sum & 0xFF);
}

// One request, one reply. Returns the reply's status byte, or -1 when either
// transfer failed (then nothing is judged). A switch may deliver a reply
// shorter than the length read, so the buffer is zero-filled first; but a
// reply must hold its status byte, and the bytes its command reads
// (`needed`, id included): zeros in their place would read as "accepted" or
// as data the switch never sent.
int GeneralCommand::exchange(Code code, const unsigned char *payload, int payloadLen,
                             int requestLen, unsigned char *reply, int replyLen, int needed)
{
    m_lastStatus = transfer(code, payload, payloadLen, requestLen, reply, replyLen, needed);
    return m_lastStatus;
}

int GeneralCommand::transfer(Code code, const unsigned char *payload, int payloadLen,
                             int requestLen, unsigned char *reply, int replyLen, int needed)
{
    m_error.clear();
    // A payload that does not fit between the id and the checksum would
    // overrun the request; refuse it before anything goes out.
    if (payloadLen < 0 || payloadLen > requestLen - 2 || (payloadLen > 0 && !payload))
        return -1;

    unsigned char request[kMaxReport] = {};
    request[0] = code;
    if (payloadLen > 0)
        std::memcpy(request + 1, payload, static_cast<size_t>(payloadLen));
    computeChecksum(request, requestLen);
    if (!m_transport.sendRequest(request, requestLen))
        return -1;

    std::memset(reply, 0, static_cast<size_t>(replyLen));
    reply[0] = static_cast<unsigned char>(code + 0x80);
    if (!m_transport.getReply(reply, replyLen))
        return -1;
    const int got = m_transport.lastReplyLength();
    if (got < kStatusReply) {
        qCDebug(lcDevice).nospace() << "reply without a status byte, bytes read: " << got;
        m_error = QStringLiteral("the switch's reply held %1 byte(s), without its status").arg(got);
        return -1;
    }
    const int status = reply[1];
    // A refusal needs no data: its status says all.
    if (status == 0 && got < needed) {
        qCDebug(lcDevice).nospace() << "reply too short, bytes read: " << got << " of " << needed << " needed";
        m_error = QStringLiteral("the switch's reply held %1 bytes, %2 needed").arg(got).arg(needed);
        return -1;
    }
    return status;
}

bool GeneralCommand::getFWAPProtocolVersion()
{
    unsigned char reply[kShortReport];
    if (exchange(VersionQuery, nullptr, 0, kShortReport, reply, kShortReport, kVersionReply) != 0)
        return false;
    // Appended, not replaced: the device object empties it on every open.
    for (int i = 2; i <= 6; ++i)
        m_version += QString::number(reply[i]);
    qCDebug(lcDevice).nospace().noquote() << "get m_version = " << m_version;
    return true;
}

bool GeneralCommand::getPortStatus()
{
    unsigned char reply[kShortReport];
    if (exchange(PortStatusQuery, nullptr, 0, kShortReport, reply, kShortReport, kPortStatusReply) != 0)
        return false;
    apportNum = reply[2];
    listNum = reply[3];
    curportNum = reply[4];
    mouseposition = reply[5];
    return true;
}

bool GeneralCommand::heartBeat()
{
    unsigned char reply[kShortReport];
    return exchange(HeartBeat, nullptr, 0, kShortReport, reply, kShortReport) == 0;
}

int GeneralCommand::sendListAmountOpen(int amount)
{
    // A new list starts here, even if the switch never hears of it.
    m_listCount = 0;
    const unsigned char payload[1] = {static_cast<unsigned char>(amount & 0xFF)};
    unsigned char reply[kShortReport];
    return exchange(ListOpen, payload, 1, kShortReport, reply, kShortReport);
}

bool GeneralCommand::sendOneListOfPortNum(const unsigned char *data, int len)
{
    // The port record's reply is shorter than its request.
    unsigned char reply[kShortReport];
    if (exchange(PortRecord, data, len, kPortRecordRequest, reply, kShortReport) != 0)
        return false;
    ++m_listCount;
    return true;
}

bool GeneralCommand::sendOneListOfMouseData(const unsigned char *data, int len)
{
    // Bytes 7 and 8 of the request are reserved and stay 0.
    if (len > kMouseRecordSize) {
        m_lastStatus = -1;
        return false;
    }
    unsigned char reply[kMouseRecordReply];
    if (exchange(MouseRecord, data, len, kMouseRecordRequest, reply, kMouseRecordReply) != 0)
        return false;
    ++m_listCount;
    return true;
}

bool GeneralCommand::sendListAmountClose()
{
    // The count is not reset: only the next list-open starts a new one.
    const unsigned char payload[1] = {static_cast<unsigned char>(m_listCount & 0xFF)};
    unsigned char reply[kShortReport];
    return exchange(ListClose, payload, 1, kShortReport, reply, kShortReport) == 0;
}
