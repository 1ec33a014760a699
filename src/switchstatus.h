#ifndef SWITCHSTATUS_H
#define SWITCHSTATUS_H

#include <QObject>
#include <QQmlParserStatus>
#include <QString>
#include <QTimer>

// Whether the switch is attached, as the screens show it (QML type
// "SwitchStatus"). It asks hidapi's device list for the switch's vendor and
// product id every `interval` milliseconds and never opens the device, so it
// cannot get in the way of an upload's exchanges. `accessDenied` tells a
// switch that is attached but that this user may not open (on Linux: the
// udev rule is missing), from its device node's permissions. `version` holds what an
// upload last read from the switch (the device object's version text) and is
// forgotten when the switch goes away: another switch may come back.
// On a window that is still to be shown, the first look waits for the
// window's first frame: what the start-up draws first never waits for the
// device list.
class SwitchStatus : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(int vid READ vid WRITE setVid NOTIFY idsChanged)
    Q_PROPERTY(int pid READ pid WRITE setPid NOTIFY idsChanged)
    Q_PROPERTY(bool connected READ connected NOTIFY connectedChanged)
    Q_PROPERTY(bool accessDenied READ accessDenied NOTIFY accessDeniedChanged)
    Q_PROPERTY(QString version READ version WRITE setVersion NOTIFY versionChanged)
    Q_PROPERTY(int interval READ interval WRITE setInterval NOTIFY intervalChanged)
public:
    static const int kDefaultIntervalMs = 2000;

    // Polling starts at once; the first look is taken when the event loop
    // next runs, after QML has set the ids (on a window still to be shown:
    // once it has drawn its first frame).
    explicit SwitchStatus(QObject *parent = nullptr);

    int vid() const { return m_vid; }
    int pid() const { return m_pid; }
    bool connected() const { return m_connected; }
    bool accessDenied() const { return m_accessDenied; }
    QString version() const { return m_version; }
    int interval() const { return m_timer.interval(); }

    void setVid(int vid);
    void setPid(int pid);
    void setVersion(const QString &version);
    void setInterval(int ms);

    // Looks at the device list now; returns whether the switch is there.
    Q_INVOKABLE bool refresh();

    void classBegin() override {}
    void componentComplete() override;

signals:
    void idsChanged();
    void connectedChanged();
    void accessDeniedChanged();
    void versionChanged();
    void intervalChanged();

private:
    void firstLook();

    QTimer m_timer;
    // The first look is left to the window's first frame.
    bool m_afterFirstFrame = false;
    int m_vid = 0;
    int m_pid = 0;
    bool m_connected = false;
    bool m_accessDenied = false;
    QString m_version;
};

#endif // SWITCHSTATUS_H
