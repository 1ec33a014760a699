#include "orrindata.h"
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

unsigned char low8(int value)
{
    return static_cast<unsigned char>(value & 0xFF);
}

// Focus switch in bit 7, duration in bits 0-6. Shifted as unsigned: a
// negative or huge value from a script must not be undefined behaviour.
int focusDuration(int focusEnabled, int duration)
{
    return static_cast<int>((static_cast<unsigned int>(focusEnabled) << 7)
                            | static_cast<unsigned int>(duration));
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
    const unsigned char payload[GeneralCommand::kPortRecordSize] = {
        low8(portNum), low8(monitorNum), low8(xCoordinate), low8(yCoordinate),
        low8(xResolutionL), low8(xResolutionH), low8(yResolutionL), low8(yResolutionH),
        low8(main_xCoord), low8(main_yCoord)};
    return m_command.sendOneListOfPortNum(payload, GeneralCommand::kPortRecordSize);
}

bool OrrinData::sendOneListOfMouseData(int serialNum, int mode, int level, int position,
                                       int Focus_enabled, int duration, int awake)
{
    const int focus = focusDuration(Focus_enabled, duration);
    qCDebug(lcDevice) << focus;
    const unsigned char payload[GeneralCommand::kMouseRecordSize] = {
        low8(serialNum), low8(mode), low8(level), low8(position), low8(focus), low8(awake)};
    return m_command.sendOneListOfMouseData(payload, GeneralCommand::kMouseRecordSize);
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

bool OrrinData::sendAllCommand(int cmd_Num, QList<QVariantMap> m_info, QVariantMap mouse_info)
{
    qCDebug(lcDevice).nospace() << "sendAllCommand() " << cmd_Num;
    if (m_command.sendListAmountOpen(cmd_Num) != 0)
        return false;
    qCDebug(lcDevice) << "sendAllCommand() finish";
    qCDebug(lcDevice) << m_info.size();

    for (const QVariantMap &monitor : qAsConst(m_info)) {
        const int serialNum = monitor.value(QStringLiteral("serialNum")).toInt();
        const int portNum = monitor.value(QStringLiteral("portNum")).toInt();
        const int x = monitor.value(QStringLiteral("x")).toInt();
        const int y = monitor.value(QStringLiteral("y")).toInt();
        const int w_l = monitor.value(QStringLiteral("w_l")).toInt();
        const int w_h = monitor.value(QStringLiteral("w_h")).toInt();
        const int h_l = monitor.value(QStringLiteral("h_l")).toInt();
        const int h_h = monitor.value(QStringLiteral("h_h")).toInt();
        qCDebug(lcDevice).nospace() << "serialNum= " << serialNum;
        qCDebug(lcDevice).nospace() << "portNum= " << portNum;
        qCDebug(lcDevice).nospace() << "xCoordinate= " << x;
        qCDebug(lcDevice).nospace() << "yCoordinate= " << y;
        qCDebug(lcDevice).nospace() << "w_l= " << w_l;
        qCDebug(lcDevice).nospace() << "w_h= " << w_h;
        qCDebug(lcDevice).nospace() << "h_l= " << h_l;
        qCDebug(lcDevice).nospace() << "h_h= " << h_h;
        // The main coordinates repeat x and y.
        if (!sendOneListOfPortNum(serialNum, portNum, x, y, w_l, w_h, h_l, h_h, x, y))
            return false;
    }

    const int s_Num = mouse_info.value(QStringLiteral("mouse_info")).toInt();
    const int acceleration = mouse_info.value(QStringLiteral("acceleration")).toInt();
    const int speed = mouse_info.value(QStringLiteral("speed")).toInt();
    const int position = mouse_info.value(QStringLiteral("position")).toInt();
    const int focus = mouse_info.value(QStringLiteral("focus")).toInt();
    const int duration = mouse_info.value(QStringLiteral("duration")).toInt();
    const int awake = mouse_info.value(QStringLiteral("awake")).toInt();
    qCDebug(lcDevice).nospace() << "s_Num= " << s_Num;
    qCDebug(lcDevice).nospace() << "acceleration= " << acceleration;
    qCDebug(lcDevice).nospace() << "speed= " << speed;
    qCDebug(lcDevice).nospace() << "position= " << position;
    if (!sendOneListOfMouseData(s_Num, acceleration, speed, position, focus, duration, awake))
        return false;

    return m_command.sendListAmountClose();
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
