#include "hidcommand.h"
#include "logcategories.h"
#include "switchaccess.h"

#include <hidapi.h>

HidCommand::HidCommand()
    : handle(nullptr)
    , m_replyLength(-1)
{
}

HidCommand::~HidCommand()
{
    release();
}

// Every open pairs hid_init with its own hid_exit, so a release ends both.
void HidCommand::release()
{
    if (!handle)
        return;
    hid_close(handle);
    handle = nullptr;
    hid_exit();
}

void HidCommand::keepError(struct hid_device_ *dev, const char *fallback)
{
    // hidapi says "Success" when the failing call left no reason of its own.
    const wchar_t *text = hid_error(dev);
    const QString reason = text ? QString::fromWCharArray(text) : QString();
    m_lastError = (reason.isEmpty() || reason == QLatin1String("Success"))
                      ? QString::fromLatin1(fallback) : reason;
}

bool HidCommand::opendevice(unsigned short vid, unsigned short pid)
{
    // The screens open again after every upload without closing; replacing
    // the handle without closing it would leak one device handle per retry.
    release();
    m_lastError.clear();
    m_accessDenied = false;

    if (hid_init() != 0) {
        handle = nullptr;
        keepError(nullptr, "hid_init() failed");
        return false;
    }
    qCDebug(lcHid) << "hid_init() ok.";

    handle = hid_open(vid, pid, nullptr);
    if (!handle) {
        qCDebug(lcHid) << "unable to open device";
        // hid_exit frees hidapi's global reason, and the look at the device
        // list below replaces it: read it first.
        keepError(nullptr, "unable to open device");
        // A switch that is listed but not ours to open needs another remedy
        // than one that is missing: say which.
        const SwitchAccess seen = SwitchAccess::lookUp(vid, pid);
        if (seen.state == SwitchAccess::NoAccess) {
            m_accessDenied = true;
            qCDebug(lcHid).noquote() << "no access to" << seen.path;
        }
        hid_exit();
        return false;
    }
    qCDebug(lcHid).nospace() << "hid_open() ok, handle = " << static_cast<const void *>(handle);
    return true;
}

bool HidCommand::sendRequest(const unsigned char *data, int length)
{
    m_lastError.clear();
    // Without a device there is nothing to say: the heartbeat timer may keep
    // firing while closed and must not flood the log.
    if (!handle) {
        m_lastError = QStringLiteral("no device open");
        return false;
    }
    if (!data || length <= 0) {
        m_lastError = QStringLiteral("invalid report");
        return false;
    }

    const int res = hid_send_feature_report(handle, data, static_cast<size_t>(length));
    if (res < 0) {
        qCDebug(lcHid) << "Unable to send a feature report.";
        keepError(handle, "Unable to send a feature report.");
        return false;
    }
    qCDebug(lcHid).nospace() << "hid_send_feature_report() ok, res = " << res;
    return true;
}

bool HidCommand::getReply(unsigned char data[], int length)
{
    m_lastError.clear();
    m_replyLength = -1;
    if (!handle) {
        qCDebug(lcHid) << "please open device first !";
        m_lastError = QStringLiteral("no device open");
        return false;
    }
    if (!data || length <= 0) {
        m_lastError = QStringLiteral("invalid report buffer");
        return false;
    }

    // hidapi asks the device for the report whose id is in data[0] and writes
    // the answer over data, id first.
    const int res = hid_get_feature_report(handle, data, static_cast<size_t>(length));
    if (res < 0) {
        qCDebug(lcHid) << "Unable to get a feature report.";
        keepError(handle, "Unable to get a feature report.");
        return false;
    }
    qCDebug(lcHid).nospace() << "hid_get_feature_report() ok, res = " << res;
    m_replyLength = res;
    return true;
}

bool HidCommand::closedevice()
{
    qCDebug(lcHid) << "\nclosedev() called";
    release();
    return true;
}
