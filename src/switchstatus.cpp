#include "switchstatus.h"

#include <QLoggingCategory>

#include <hidapi.h>

Q_LOGGING_CATEGORY(lcSwitchStatus, "seamrun.switchstatus")

SwitchStatus::SwitchStatus(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(kDefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &SwitchStatus::refresh);
    m_timer.start();
    QTimer::singleShot(0, this, &SwitchStatus::refresh);
}

void SwitchStatus::setVid(int vid)
{
    if (vid == m_vid)
        return;
    m_vid = vid;
    emit idsChanged();
}

void SwitchStatus::setPid(int pid)
{
    if (pid == m_pid)
        return;
    m_pid = pid;
    emit idsChanged();
}

void SwitchStatus::setVersion(const QString &version)
{
    if (version == m_version)
        return;
    m_version = version;
    emit versionChanged();
}

void SwitchStatus::setInterval(int ms)
{
    if (ms <= 0 || ms == m_timer.interval())
        return;
    m_timer.setInterval(ms);
    emit intervalChanged();
}

bool SwitchStatus::refresh()
{
    // Ids 0 would ask for every HID device: with no ids there is no switch.
    bool found = false;
    if (m_vid > 0 && m_vid <= 0xFFFF && m_pid > 0 && m_pid <= 0xFFFF) {
        // hid_enumerate initialises hidapi itself when needed; it only reads
        // the system's device list and opens nothing.
        hid_device_info *devices = hid_enumerate(static_cast<unsigned short>(m_vid),
                                                 static_cast<unsigned short>(m_pid));
        found = devices != nullptr;
        hid_free_enumeration(devices);
    }
    if (found != m_connected) {
        m_connected = found;
        qCDebug(lcSwitchStatus) << (found ? "switch attached" : "switch not attached");
        if (!found)
            setVersion(QString());
        emit connectedChanged();
    }
    return found;
}
