#ifndef ORRINDATA_H
#define ORRINDATA_H

#include "HIDCommand/generalcommand.h"
#include "desk/deskupload.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QTimer;

// The switch as the screens see it (QML type "OrrinData"). Every slot runs
// one exchange (or, for sendAllCommand, one whole upload) synchronously and
// reports failure only through its result.
class OrrinData : public QObject
{
    Q_OBJECT
    // Read right after the slot that fills them. `version` also signals every
    // version query, for the switch status the screens show.
    Q_PROPERTY(QString version READ version NOTIFY versionChanged)
    Q_PROPERTY(QVariantMap portStatus READ portStatus)
    // Why the last device call failed, as hidapi put it; empty after a call
    // whose transfers all went through. For the screens and tools that want
    // to show the reason beside their own message.
    Q_PROPERTY(QString lastError READ lastError)
    // Read after a failed `open`: true when the switch is attached but this
    // user may not open it, so the screens can name that remedy (the udev
    // rule) instead of "plug it in".
    Q_PROPERTY(bool accessDenied READ accessDenied)
public:
    static const int kHeartBeatIntervalMs = 10000;

    explicit OrrinData(QObject *parent = nullptr);

    QString version() const { return m_fwVersion; }
    QVariantMap portStatus() const { return m_portStatus; }
    QString lastError() const { return m_command.lastError(); }
    bool accessDenied() const { return m_command.accessDenied(); }

    // "Save to device" of a planned desk (DeskUpload::plan: the monitors on
    // the ports the chain has) and the mouse record, in one transaction. The
    // observer sees every exchange as it happens. For C++ callers; the
    // screens call uploadDesk.
    DeskUpload::Result upload(const DeskUpload::Plan &desk, const MouseSettings &mouse,
                              const DeskUpload::StepObserver &observer = {});

    // The same for the screens, for the monitors on ports up to `ports`
    // (grid order, as the layout rules read them): `mouse` holds the editor's six mouse values
    // (acceleration_flag, mouse_speed, mouse_position, switching_focus,
    // duration_time, keep_awake); the result is DeskUpload::toVariantMap's,
    // its `outcome` one of DeskUpload's outcomes (DeskUpload.Uploaded, ...).
    Q_INVOKABLE QVariantMap uploadDesk(const QVariantList &monitors, int ports, const QVariantMap &mouse);

public slots:
    bool open(ushort VID, ushort PID);
    bool getFWAPProtocolVersion();
    int sendListAmountOpen(int monitorNum);
    bool sendOneListOfPortNum(int portNum, int monitorNum, int xCoordinate, int yCoordinate,
                              int xResolutionL, int xResolutionH, int yResolutionL,
                              int yResolutionH, int main_xCoord, int main_yCoord);
    bool sendOneListOfMouseData(int serialNum, int mode, int level, int position,
                                int Focus_enabled, int duration, int awake);
    bool sendListAmountClose();
    void beginHeartBeat();
    bool heartBeat();
    bool close();
    bool sendAllCommand(int cmd_Num, QList<QVariantMap> m_info, QVariantMap mouse_info);
    bool getPortStatus();

signals:
    void versionChanged();

private:
    GeneralCommand m_command;
    QString m_fwVersion;
    QTimer *m_heartBeatTimer;
    QVariantMap m_portStatus;
};

#endif // ORRINDATA_H
