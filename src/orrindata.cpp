#include "orrindata.h"
#include "desk/deskreader.h"
#include "logcategories.h"

#include <QMetaType>
#include <QTimer>
#include <QVariantList>

namespace {

// A script array of objects may arrive as a list of variants; this lets it
// reach sendAllCommand's list of maps.
QList<QVariantMap> toMapList(const QVariantList &list)
{
    QList<QVariantMap> maps;
    maps.reserve(list.size());
    for (const QVariant &item : list)
        maps.append(item.toMap());
    return maps;
}

// Registering the list type also gives it its sequential-iterable view, so
// scripts and QVariant can walk it.
void registerMapList()
{
    qRegisterMetaType<QList<QVariantMap>>("QList<QVariantMap>");
    QMetaType::registerConverter<QVariantList, QList<QVariantMap>>(toMapList);
}

} // namespace

OrrinData::OrrinData(QObject *parent)
    : QObject(parent)
    , m_heartBeatTimer(nullptr)
{
    static const bool registered = (registerMapList(), true);
    Q_UNUSED(registered);
}

bool OrrinData::open(ushort VID, ushort PID)
{
    m_command.m_version.clear();
    return m_command.openDevice(VID, PID);
}

bool OrrinData::getFWAPProtocolVersion()
{
    const bool ok = m_command.getFWAPProtocolVersion();
    // Refreshed even on failure, so a failed query right after open reads "".
    m_fwVersion = m_command.m_version;
    // Every query counts, even one that reads the same text again: a listener
    // may have forgotten the text in between.
    emit versionChanged();
    return ok;
}

int OrrinData::sendListAmountOpen(int monitorNum)
{
    return m_command.sendListAmountOpen(monitorNum);
}

bool OrrinData::sendOneListOfPortNum(int portNum, int monitorNum, int xCoordinate, int yCoordinate,
                                     int xResolutionL, int xResolutionH, int yResolutionL,
                                     int yResolutionH, int main_xCoord, int main_yCoord)
{
    const DeskUpload::Payload payload = DeskUpload::portPayload(
        {portNum, monitorNum, xCoordinate, yCoordinate, xResolutionL, xResolutionH, yResolutionL, yResolutionH,
         main_xCoord, main_yCoord});
    return m_command.sendOneListOfPortNum(payload.data(), GeneralCommand::kPortRecordSize);
}

bool OrrinData::sendOneListOfMouseData(int serialNum, int mode, int level, int position,
                                       int Focus_enabled, int duration, int awake)
{
    qCDebug(lcDevice) << DeskUpload::focusDuration(Focus_enabled, duration);
    MouseSettings mouse;
    mouse.acceleration = mode;
    mouse.speed = level;
    mouse.position = position;
    mouse.focus = Focus_enabled;
    mouse.duration = duration;
    mouse.awake = awake;
    const DeskUpload::MousePayload payload = DeskUpload::mousePayload(mouse, serialNum);
    return m_command.sendOneListOfMouseData(payload.data(), GeneralCommand::kMouseRecordSize);
}

bool OrrinData::sendListAmountClose()
{
    return m_command.sendListAmountClose();
}

void OrrinData::beginHeartBeat()
{
    // Owned by this object, so a timer never outlives the device it pings.
    // Calling again adds another timer beside the first.
    m_heartBeatTimer = new QTimer(this);
    m_heartBeatTimer->setInterval(kHeartBeatIntervalMs);
    m_heartBeatTimer->start();
    connect(m_heartBeatTimer, &QTimer::timeout, this, &OrrinData::heartBeat);
}

bool OrrinData::heartBeat()
{
    return m_command.heartBeat();
}

bool OrrinData::close()
{
    return m_command.closeDevice();
}

// The whole transaction of a "Save to device" with records the caller has
// worked out, announced as the caller says (the switch accepts the list when
// that is the records plus the mouse record). The upload is the window's own
// (DeskUpload): refused records are retried, and the list is always closed
// once open; true only when the switch took everything.
bool OrrinData::sendAllCommand(int cmd_Num, QList<QVariantMap> m_info, QVariantMap mouse_info)
{
    qCDebug(lcDevice).nospace() << "sendAllCommand() " << cmd_Num;

    QVector<DeskUpload::Record> records;
    records.reserve(m_info.size());
    for (const QVariantMap &monitor : qAsConst(m_info)) {
        const auto value = [&monitor](const char *key) { return monitor.value(QLatin1String(key)).toInt(); };
        const int x = value("x");
        const int y = value("y");
        DeskUpload::Record record;
        // The main coordinates repeat x and y.
        record.args = {value("serialNum"), value("portNum"), x, y, value("w_l"), value("w_h"),
                       value("h_l"), value("h_h"), x, y};
        records.append(record);
    }

    MouseSettings mouse;
    const auto mouseValue = [&mouse_info](const char *key) { return mouse_info.value(QLatin1String(key)).toInt(); };
    // The record number comes from "mouse_info", not "serialNum".
    const int mouseRecordNumber = mouseValue("mouse_info");
    mouse.acceleration = mouseValue("acceleration");
    mouse.speed = mouseValue("speed");
    mouse.position = mouseValue("position");
    mouse.focus = mouseValue("focus");
    mouse.duration = mouseValue("duration");
    mouse.awake = mouseValue("awake");

    DeskUpload upload(m_command);
    upload.setStepObserver([&](const DeskUpload::Step &step) {
        switch (step.exchange) {
        case DeskUpload::ListOpen:
            if (step.accepted()) {
                qCDebug(lcDevice) << "sendAllCommand() finish";
                qCDebug(lcDevice) << m_info.size();
            }
            break;
        case DeskUpload::PortRecord:
            if (step.attempt == 1) {
                const DeskUpload::PortArgs &a = records.at(step.record).args;
                qCDebug(lcDevice).nospace() << "serialNum= " << a[0];
                qCDebug(lcDevice).nospace() << "portNum= " << a[1];
                qCDebug(lcDevice).nospace() << "xCoordinate= " << a[2];
                qCDebug(lcDevice).nospace() << "yCoordinate= " << a[3];
                qCDebug(lcDevice).nospace() << "w_l= " << a[4];
                qCDebug(lcDevice).nospace() << "w_h= " << a[5];
                qCDebug(lcDevice).nospace() << "h_l= " << a[6];
                qCDebug(lcDevice).nospace() << "h_h= " << a[7];
            }
            break;
        case DeskUpload::MouseRecord:
            qCDebug(lcDevice).nospace() << "s_Num= " << mouseRecordNumber;
            qCDebug(lcDevice).nospace() << "acceleration= " << mouse.acceleration;
            qCDebug(lcDevice).nospace() << "speed= " << mouse.speed;
            qCDebug(lcDevice).nospace() << "position= " << mouse.position;
            qCDebug(lcDevice) << DeskUpload::focusDuration(mouse.focus, mouse.duration);
            break;
        case DeskUpload::ListClose:
            break;
        }
    });
    return upload.upload(cmd_Num, records, mouse, mouseRecordNumber).uploaded();
}

DeskUpload::Result OrrinData::upload(const DeskUpload::Plan &desk, const MouseSettings &mouse,
                                     const DeskUpload::StepObserver &observer)
{
    DeskUpload upload(m_command);
    upload.setStepObserver(observer);
    return upload.upload(desk, mouse);
}

QVariantMap OrrinData::uploadDesk(const QVariantList &monitors, int ports, const QVariantMap &mouse)
{
    // The screens' values, read once.
    const QVector<Monitor> desk = DeskReader::monitorList(monitors);
    const DeskUpload::Result result = upload(DeskUpload::plan(desk, ports), DeskReader::mouseSettings(mouse));
    qCDebug(lcDevice).nospace() << "uploadDesk() " << DeskUpload::outcomeName(result.outcome);
    return DeskUpload::toVariantMap(result, desk);
}

bool OrrinData::getPortStatus()
{
    if (!m_command.getPortStatus())
        return false;
    m_portStatus.insert(QStringLiteral("apportNum"), int(m_command.apportNum));
    m_portStatus.insert(QStringLiteral("listNum"), int(m_command.listNum));
    m_portStatus.insert(QStringLiteral("curportNum"), int(m_command.curportNum));
    m_portStatus.insert(QStringLiteral("mouseposition"), int(m_command.mouseposition));
    return true;
}
