#include "switchstatus.h"
#include "HIDCommand/switchaccess.h"
#include "logcategories.h"

#include <QQuickItem>
#include <QQuickWindow>

#include <memory>

namespace {
// The window an object declared on a screen belongs to, or null.
QQuickWindow *windowOf(QObject *object)
{
    for (QObject *o = object ? object->parent() : nullptr; o; o = o->parent()) {
        if (auto *window = qobject_cast<QQuickWindow *>(o))
            return window;
        if (auto *item = qobject_cast<QQuickItem *>(o))
            return item->window();
    }
    return nullptr;
}
} // namespace

SwitchStatus::SwitchStatus(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(kDefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &SwitchStatus::refresh);
    m_timer.start();
    QTimer::singleShot(0, this, &SwitchStatus::firstLook);
}

void SwitchStatus::componentComplete()
{
    QQuickWindow *window = windowOf(this);
    if (!window || window->isExposed())
        return;
    m_afterFirstFrame = true;
    // The frame may be swapped on the render thread: the look is taken on ours.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(window, &QQuickWindow::frameSwapped, this, [this, connection] {
        disconnect(*connection);
        m_afterFirstFrame = false;
        refresh();
    }, Qt::QueuedConnection);
}

void SwitchStatus::firstLook()
{
    if (!m_afterFirstFrame)
        refresh();
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
    static bool first = true;
    if (first)
        traceStartup("first switch status poll: begins");
    // Ids 0 would ask for every HID device: with no ids there is no switch.
    SwitchAccess seen;
    if (m_vid > 0 && m_vid <= 0xFFFF && m_pid > 0 && m_pid <= 0xFFFF)
        seen = SwitchAccess::lookUp(static_cast<unsigned short>(m_vid), static_cast<unsigned short>(m_pid));
    if (first) {
        first = false;
        traceStartup("first switch status poll: device list read");
    }
    const bool found = seen.state != SwitchAccess::Absent;
    const bool denied = seen.state == SwitchAccess::NoAccess;
    if (found != m_connected) {
        m_connected = found;
        qCDebug(lcSwitchStatus) << (found ? "switch attached" : "switch not attached");
        if (!found)
            setVersion(QString());
        emit connectedChanged();
    }
    if (denied != m_accessDenied) {
        m_accessDenied = denied;
        qCDebug(lcSwitchStatus).noquote() << (denied ? "no access to " + seen.path : QStringLiteral("switch accessible"));
        emit accessDeniedChanged();
    }
    return found;
}
