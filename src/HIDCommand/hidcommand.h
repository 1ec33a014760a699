#ifndef HIDCOMMAND_H
#define HIDCOMMAND_H

#include <QString>

struct hid_device_;

// Moves whole feature reports to and from the switch through hidapi. Holds at
// most one open device handle; knows nothing of what the reports contain.
class HidCommand
{
public:
    HidCommand();
    // Releases a handle that is still held: nobody else can reach it.
    ~HidCommand();

    HidCommand(const HidCommand &) = delete;
    HidCommand &operator=(const HidCommand &) = delete;

    // Opens the first attached device with these ids. A handle that is still
    // held is released first, so opening again never leaks one.
    bool opendevice(unsigned short vid, unsigned short pid);
    // Sends `length` bytes; data[0] is the report id. A short count still
    // counts as sent.
    bool sendRequest(const unsigned char *data, int length);
    // Reads the report whose id is in data[0] into data, at most `length`
    // bytes. Bytes the device does not deliver keep what the caller put there.
    // A report shorter than `length` still counts as read: how many bytes
    // came is lastReplyLength(), for the caller to judge.
    bool getReply(unsigned char data[], int length);
    // Bytes the last getReply delivered, report id included; -1 when it
    // failed (or before any read).
    int lastReplyLength() const { return m_replyLength; }
    // Always true; harmless on a closed object.
    bool closedevice();

    bool isOpen() const { return handle != nullptr; }

    // Whether the last open failed because the switch is attached but this
    // user may not open its device node (on Linux: no udev rule). False
    // after a successful open and when no switch was found at all.
    bool accessDenied() const { return m_accessDenied; }

    // Why the last open, send or read failed, in hidapi's words when it gave
    // any (hid_error), else a short text of our own; empty after a success.
    // A close keeps it, so a caller can close first and show the reason after.
    QString lastError() const { return m_lastError; }

private:
    void release();
    // Takes hidapi's reason for the failure just seen on `dev` (null for
    // init and open). Must run before hid_close/hid_exit free that text.
    void keepError(struct hid_device_ *dev, const char *fallback);

    struct hid_device_ *handle;
    QString m_lastError;
    int m_replyLength;
    bool m_accessDenied = false;
};

#endif // HIDCOMMAND_H
