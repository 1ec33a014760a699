// The device object against the emulated switch: slots, properties, whole
// uploads, the heartbeat, and that a script array reaches sendAllCommand.
#include "orrindata.h"
#include "startup.h"
#include "switchemulator.h"

#include <QJSEngine>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTimer>
#include <QtTest>

#include <memory>

class tst_OrrinData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void slotBytes_data();
    void slotBytes();
    void versionProperty();
    void portStatusProperty();
    void accessDeniedProperty();
    void sendAllCommand_data();
    void sendAllCommand();
    void sendAllCommandLog();
    void heartBeatTimer();
    void heartBeatWithoutDevice();
    void closedObjectUsesNoHandle();
    void unpluggedDuringUpload();
    void failureReason_data();
    void failureReason();
    void scriptArrayReachesSendAllCommand();
    void mapListMetaType();

private:
    std::unique_ptr<SwitchEmulator> m_switch;
};

namespace {
QVariantMap monitor(int serial, int port, int x, int y, int width, int height)
{
    return {{"serialNum", serial}, {"portNum", port}, {"x", x}, {"y", y},
            {"w_l", width & 255}, {"w_h", width >> 8}, {"h_l", height & 255}, {"h_h", height >> 8}};
}

const QVariantMap kMouse = {{"mouse_info", 0}, {"acceleration", 1}, {"speed", 2}, {"position", 3},
                            {"focus", 1}, {"duration", 5}, {"awake", 1}};
}

void tst_OrrinData::initTestCase()
{
    QVERIFY2(SwitchEmulator::preloaded(), "run through ctest: the emulated switch must be preloaded");
}

void tst_OrrinData::init()
{
    m_switch.reset(); // before the next one sets its log
    m_switch.reset(new SwitchEmulator);
}

void tst_OrrinData::slotBytes_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("args");
    QTest::addColumn<QString>("bytes");

    QTest::newRow("port record, 1920 x 1080")
        << 0 << QList<int>{1, 1, 1, 2, 0x80, 0x07, 0x38, 0x04, 1, 2} << "43 01 01 01 02 80 07 38 04 01 02 0E";
    QTest::newRow("port 257 is port 1, -1 is FF")
        << 0 << QList<int>{257, 1, -1, 0, 0, 0, 0, 0, 0, 0} << "43 01 01 FF 00 00 00 00 00 00 00 44";
    // Focus in bit 7, duration below it: 0x85.
    QTest::newRow("mouse record") << 1 << QList<int>{0, 1, 2, 3, 1, 5, 1} << "44 00 01 02 03 85 01 00 00 D0";
    QTest::newRow("mouse record, values cut") << 1 << QList<int>{256, 258, 2, 3, 3, 0x7F, 511}
                                              << "44 00 02 02 03 FF FF 00 00 49";
    QTest::newRow("list-open 261") << 2 << QList<int>{261} << "42 05 00 00 00 00 00 47";
}

void tst_OrrinData::slotBytes()
{
    QFETCH(int, slot);
    QFETCH(QList<int>, args);
    QFETCH(QString, bytes);

    OrrinData orrin;
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    m_switch->take();
    const QList<int> &a = args;
    if (slot == 0)
        orrin.sendOneListOfPortNum(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9]);
    else if (slot == 1)
        orrin.sendOneListOfMouseData(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
    else
        orrin.sendListAmountOpen(a[0]);
    QCOMPARE(m_switch->requests(), QStringList{bytes});
}

void tst_OrrinData::versionProperty()
{
    OrrinData orrin;
    QCOMPARE(orrin.property("version").toString(), QString());
    SwitchEmulator::set("CHAIN", "2");
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    QVERIFY(orrin.getFWAPProtocolVersion());
    QCOMPARE(orrin.property("version").toString(), QStringLiteral("10612"));
    QVERIFY(orrin.getFWAPProtocolVersion());
    QCOMPARE(orrin.property("version").toString(), QStringLiteral("1061210612"));

    // open empties the text, the property follows at the next query, even a
    // failed one.
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    QCOMPARE(orrin.property("version").toString(), QStringLiteral("1061210612"));
    SwitchEmulator::set("REFUSE", "version:1");
    QVERIFY(!orrin.getFWAPProtocolVersion());
    QCOMPARE(orrin.property("version").toString(), QString());

    // A failed open also empties it.
    SwitchEmulator::reset();
    QVERIFY(orrin.getFWAPProtocolVersion());
    SwitchEmulator::set("ABSENT", "1");
    QVERIFY(!orrin.open(kSwitchVid, kSwitchPid));
    QVERIFY(!orrin.getFWAPProtocolVersion());
    QCOMPARE(orrin.property("version").toString(), QString());
}

void tst_OrrinData::portStatusProperty()
{
    OrrinData orrin;
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    SwitchEmulator::set("REFUSE", "port-status:1");
    QVERIFY(!orrin.getPortStatus());
    QVERIFY(orrin.property("portStatus").toMap().isEmpty());

    SwitchEmulator::reset();
    SwitchEmulator::set("PORT_STATUS", "6,2,250,1");
    QVERIFY(orrin.getPortStatus());
    const QVariantMap expected = {{"apportNum", 6}, {"listNum", 2}, {"curportNum", 250}, {"mouseposition", 1}};
    QCOMPARE(orrin.property("portStatus").toMap(), expected);
    QCOMPARE(orrin.property("portStatus").toMap().value("curportNum").userType(), int(QMetaType::Int));

    SwitchEmulator::set("PORT_STATUS", "1,1,1,1");
    SwitchEmulator::set("FAIL_READ", "port-status");
    QVERIFY(!orrin.getPortStatus());
    QVERIFY(orrin.close());
    QVERIFY(!orrin.getPortStatus());
    QCOMPARE(orrin.property("portStatus").toMap(), expected);
}

void tst_OrrinData::sendAllCommand_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<int>("announced");
    QTest::addColumn<QVariantList>("monitors");
    QTest::addColumn<QVariantMap>("mouse");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("requests");

    const QString open3 = "42 03 00 00 00 00 00 45";
    const QString first = "43 01 02 03 04 80 07 38 04 03 04 17";
    const QString second = "43 02 05 01 01 00 05 00 04 01 01 57";
    const QString mouse = "44 00 01 02 03 85 01 00 00 D0";
    const QVariantList two = {monitor(1, 2, 3, 4, 1920, 1080), monitor(2, 5, 1, 1, 1280, 1024)};

    QTest::newRow("full upload") << QByteArray() << 3 << two << kMouse << true
                                 << QStringList{open3, first, second, mouse, "45 03 00 00 00 00 00 48"};
    QTest::newRow("list-open answered 3") << QByteArray("REFUSE=list-open:3") << 3 << two << kMouse << false
                                          << QStringList{open3};
    QTest::newRow("list-open not sent") << QByteArray("FAIL_SEND=list-open") << 3 << two << kMouse << false
                                        << QStringList{open3};
    // The window's upload: a refused record is sent up to three more times,
    // and once the list is open the mouse record and the list-close go out
    // whatever happened; only a switch that took everything is success.
    QTest::newRow("second port record refused once") << QByteArray("REFUSE_RECORD=2:1") << 3 << two << kMouse
        << true << QStringList{open3, first, second, second, mouse, "45 03 00 00 00 00 00 48"};
    QTest::newRow("second port record refused four times") << QByteArray("REFUSE_RECORD=2:4") << 3 << two << kMouse
        << false << QStringList{open3, first, second, second, second, second, mouse, "45 02 00 00 00 00 00 47"};
    QTest::newRow("first port record refused four times") << QByteArray("REFUSE_RECORD=1:4") << 3 << two << kMouse
        << false << QStringList{open3, first, first, first, first, mouse, "45 01 00 00 00 00 00 46"};
    QTest::newRow("mouse record refused") << QByteArray("REFUSE=mouse-record:1") << 3 << two << kMouse << false
                                          << QStringList{open3, first, second, mouse, "45 02 00 00 00 00 00 47"};
    // A switch that takes the close of a list it got only part of: still no
    // success.
    QTest::newRow("record refused, close accepted") << QByteArray("REFUSE_RECORD=2:4;ACCEPT_SHORT_LIST=1") << 3
        << two << kMouse << false
        << QStringList{open3, first, second, second, second, second, mouse, "45 02 00 00 00 00 00 47"};
    QTest::newRow("mouse record refused, close accepted") << QByteArray("REFUSE=mouse-record:1;ACCEPT_SHORT_LIST=1")
        << 3 << two << kMouse << false << QStringList{open3, first, second, mouse, "45 02 00 00 00 00 00 47"};
    QTest::newRow("list-close without status byte") << QByteArray("SHORT=list-close:1") << 3 << two << kMouse
        << false << QStringList{open3, first, second, mouse, "45 03 00 00 00 00 00 48"};
    QTest::newRow("list-close refused: wrong count announced")
        << QByteArray() << 2 << two << kMouse << false
        << QStringList{"42 02 00 00 00 00 00 44", first, second, mouse, "45 03 00 00 00 00 00 48"};
    QTest::newRow("empty list") << QByteArray() << 1 << QVariantList() << kMouse << true
                                << QStringList{"42 01 00 00 00 00 00 43", mouse, "45 01 00 00 00 00 00 46"};
    // Missing keys and values that are not numbers read as 0.
    QTest::newRow("missing keys")
        << QByteArray() << 2 << QVariantList{QVariantMap{{"portNum", 3}, {"x", "two"}}}
        << QVariantMap{{"serialNum", 9}, {"awake", 1}} << true
        << QStringList{"42 02 00 00 00 00 00 44", "43 00 03 00 00 00 00 00 00 00 00 46",
                       "44 00 00 00 00 00 01 00 00 45", "45 02 00 00 00 00 00 47"};
}

void tst_OrrinData::sendAllCommand()
{
    QFETCH(QByteArray, setting);
    QFETCH(int, announced);
    QFETCH(QVariantList, monitors);
    QFETCH(QVariantMap, mouse);
    QFETCH(bool, accepted);
    QFETCH(QStringList, requests);

    QList<QVariantMap> maps;
    for (const QVariant &m : monitors)
        maps.append(m.toMap());
    OrrinData orrin;
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    m_switch->take();
    SwitchEmulator::apply(setting);
    QCOMPARE(orrin.sendAllCommand(announced, maps, mouse), accepted);
    QCOMPARE(m_switch->requests(), requests);
}

void tst_OrrinData::sendAllCommandLog()
{
    OrrinData orrin;
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    DebugCapture capture;
    QVERIFY(orrin.sendAllCommand(2, {monitor(1, 2, 3, 4, 1920, 1080)}, kMouse));
    const QStringList expected = {"sendAllCommand() 2", "sendAllCommand() finish", "1",
                                  "serialNum= 1", "portNum= 2", "xCoordinate= 3", "yCoordinate= 4",
                                  "w_l= 128", "w_h= 7", "h_l= 56", "h_h= 4",
                                  "s_Num= 0", "acceleration= 1", "speed= 2", "position= 3", "133"};
    QCOMPARE(capture.texts(QStringLiteral("/orrindata.cpp")), expected);
    // Each exchange logs its send and its read from the transport.
    const QStringList transport = capture.texts(QStringLiteral("HIDCommand/hidcommand.cpp"));
    QCOMPARE(transport.size(), 8);
    QCOMPARE(transport.count("hid_send_feature_report() ok, res = 8"), 2);
    QCOMPARE(transport.count("hid_send_feature_report() ok, res = 12"), 1);
    QCOMPARE(transport.count("hid_send_feature_report() ok, res = 10"), 1);
    QCOMPARE(transport.count("hid_get_feature_report() ok, res = 8"), 3);
    QCOMPARE(transport.count("hid_get_feature_report() ok, res = 10"), 1);
}

void tst_OrrinData::heartBeatTimer()
{
    OrrinData orrin;
    QVERIFY(orrin.findChildren<QTimer *>().isEmpty());
    orrin.beginHeartBeat();
    const QList<QTimer *> timers = orrin.findChildren<QTimer *>();
    QCOMPARE(timers.size(), 1);
    QCOMPARE(timers[0]->interval(), 10000);
    QVERIFY(timers[0]->isActive());
    QVERIFY(!timers[0]->isSingleShot());

    // Firing with no device open costs nothing; once open it pings the switch.
    QVERIFY(QMetaObject::invokeMethod(timers[0], "timeout"));
    QCOMPARE(m_switch->requests(), QStringList());
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    QVERIFY(QMetaObject::invokeMethod(timers[0], "timeout"));
    QCOMPARE(m_switch->requests(), QStringList{"46 00 00 00 00 00 00 46"});

    // A second call adds a second timer; both go with the object.
    orrin.beginHeartBeat();
    QCOMPARE(orrin.findChildren<QTimer *>().size(), 2);
}

void tst_OrrinData::heartBeatWithoutDevice()
{
    OrrinData orrin;
    DebugCapture capture;
    QVERIFY(!orrin.heartBeat());
    QCOMPARE(capture.texts(), QStringList());
    QVERIFY(orrin.close());
    QVERIFY(orrin.close());
    QCOMPARE(capture.texts(), (QStringList{"\nclosedev() called", "\nclosedev() called"}));
}

void tst_OrrinData::closedObjectUsesNoHandle()
{
    OrrinData orrin;
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid)); // releases the first handle
    QVERIFY(orrin.close());
    m_switch->take();
    QVERIFY(!orrin.getFWAPProtocolVersion());
    QVERIFY(!orrin.getPortStatus());
    QCOMPARE(orrin.sendListAmountOpen(1), -1);
    QVERIFY(!orrin.sendOneListOfPortNum(1, 1, 1, 1, 1, 1, 1, 1, 1, 1));
    QVERIFY(!orrin.sendOneListOfMouseData(0, 1, 2, 3, 1, 5, 1));
    QVERIFY(!orrin.sendListAmountClose());
    QVERIFY(!orrin.heartBeat());
    QVERIFY(!orrin.sendAllCommand(1, {}, kMouse));
    // hidapi never saw a call: no stale handle reached it.
    QCOMPARE(m_switch->kinds(), QStringList());
}

void tst_OrrinData::unpluggedDuringUpload()
{
    OrrinData orrin;
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    m_switch->take();
    // List-open and the first record go through, then the cable is pulled.
    SwitchEmulator::set("UNPLUG_AFTER", "4");
    QVERIFY(!orrin.sendAllCommand(3, {monitor(1, 1, 1, 1, 800, 600), monitor(2, 1, 2, 1, 800, 600)}, kMouse));
    // The second record and its three retries, the mouse record and the
    // list-close all find no switch.
    QStringList faults;
    for (const QJsonObject &request : m_switch->take(QStringLiteral("request")))
        faults.append(request.value(QStringLiteral("fault")).toString());
    QCOMPARE(faults, (QStringList{"", "", "unplugged", "unplugged", "unplugged", "unplugged", "unplugged",
                                  "unplugged"}));
    QVERIFY(!orrin.heartBeat());
    QVERIFY(!orrin.getPortStatus());
    QVERIFY(orrin.close());
    QVERIFY(!orrin.open(kSwitchVid, kSwitchPid));
    const QList<QJsonObject> closes = m_switch->take(QStringLiteral("close"));
    QCOMPARE(closes.size(), 1);
    QCOMPARE(closes[0].value("handles").toInt(), 0);
}

// The screens read "accessDenied" after a failed open to tell a switch that
// this user may not open from one that is missing; each open sets it anew.
void tst_OrrinData::accessDeniedProperty()
{
    OrrinData orrin;
    SwitchEmulator::set("NO_ACCESS", "1");
    QVERIFY(!orrin.open(kSwitchVid, kSwitchPid));
    QCOMPARE(orrin.property("accessDenied").toBool(), true);
    SwitchEmulator::reset();
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    QCOMPARE(orrin.property("accessDenied").toBool(), false);
    SwitchEmulator::set("NO_ACCESS", "1");
    QVERIFY(!orrin.open(kSwitchVid, kSwitchPid));
    QCOMPARE(orrin.property("accessDenied").toBool(), true);
    SwitchEmulator::set("ABSENT", "1");
    QVERIFY(!orrin.open(kSwitchVid, kSwitchPid));
    QCOMPARE(orrin.property("accessDenied").toBool(), false);
    QVERIFY(orrin.close());
}

void tst_OrrinData::failureReason_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<int>("call"); // 0 open, 1 version query, 2 whole upload
    QTest::addColumn<QString>("reason");

    QTest::newRow("no switch") << QByteArray("ABSENT=1") << 0
                               << "No HID devices with requested VID/PID found in the system. "
                                  "(emulated fault: SEAMRUN_EMU_ABSENT)";
    QTest::newRow("hidapi cannot start") << QByteArray("INIT_FAIL=1") << 0
                                         << "hid_init: the HID library could not start "
                                            "(emulated fault: SEAMRUN_EMU_INIT_FAIL)";
    QTest::newRow("query not sent") << QByteArray("FAIL_SEND=version") << 1
                                    << "ioctl (SFEATURE): Broken pipe (emulated fault: SEAMRUN_EMU_FAIL_SEND)";
    // Every retry of the record fails the same way; the last one's reason stays.
    QTest::newRow("record reply lost") << QByteArray("FAIL_READ=port-record") << 2
                                       << "ioctl (GFEATURE): Broken pipe (emulated fault: SEAMRUN_EMU_FAIL_READ)";
    QTest::newRow("cable pulled mid-upload") << QByteArray("UNPLUG_AFTER=4") << 2
                                             << "ioctl (SFEATURE): No such device "
                                                "(emulated fault: SEAMRUN_EMU_UNPLUG_AFTER)";
    // A refusal is the switch's answer, not a failed transfer: no reason.
    QTest::newRow("list refused") << QByteArray("REFUSE=list-open:3") << 2 << QString();
}

// The reason a call failed reaches the screens through the "lastError"
// property, survives the close that cleans up after it, and goes with the
// next call that gets through.
void tst_OrrinData::failureReason()
{
    QFETCH(QByteArray, setting);
    QFETCH(int, call);
    QFETCH(QString, reason);

    OrrinData orrin;
    if (call > 0)
        QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    SwitchEmulator::apply(setting);
    bool ok = false;
    if (call == 0)
        ok = orrin.open(kSwitchVid, kSwitchPid);
    else if (call == 1)
        ok = orrin.getFWAPProtocolVersion();
    else
        ok = orrin.sendAllCommand(2, {monitor(1, 1, 1, 1, 800, 600)}, kMouse);
    QVERIFY(!ok);
    QCOMPARE(orrin.property("lastError").toString(), reason);
    QVERIFY(orrin.close());
    QCOMPARE(orrin.property("lastError").toString(), reason);

    SwitchEmulator::reset();
    QVERIFY(orrin.open(kSwitchVid, kSwitchPid));
    QVERIFY(orrin.getFWAPProtocolVersion());
    QCOMPARE(orrin.property("lastError").toString(), QString());
}

void tst_OrrinData::scriptArrayReachesSendAllCommand()
{
    startup::registerTypes();
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.12\nimport Qt.Quick.OrrinData 1.0\n"
                      "OrrinData {\n"
                      "  function upload() {\n"
                      "    if (!open(0x1209, 0x0001)) return false\n"
                      "    return sendAllCommand(2, [{serialNum: 1, portNum: 2, x: 3, y: 4,"
                      " w_l: 128, w_h: 7, h_l: 56, h_h: 4}],"
                      " {mouse_info: 0, acceleration: 1, speed: 2, position: 3, focus: 1, duration: 5, awake: 1})\n"
                      "  }\n"
                      "}\n",
                      QUrl());
    std::unique_ptr<QObject> orrin(component.create());
    QVERIFY2(orrin, qPrintable(component.errorString()));
    m_switch->take();
    QVariant accepted;
    QVERIFY(QMetaObject::invokeMethod(orrin.get(), "upload", Q_RETURN_ARG(QVariant, accepted)));
    QCOMPARE(accepted.toBool(), true);
    QCOMPARE(m_switch->requests(), (QStringList{"42 02 00 00 00 00 00 44", "43 01 02 03 04 80 07 38 04 03 04 17",
                                                "44 00 01 02 03 85 01 00 00 D0", "45 02 00 00 00 00 00 47"}));
}

void tst_OrrinData::mapListMetaType()
{
    OrrinData orrin; // registers the type
    const int type = QMetaType::type("QList<QVariantMap>");
    QVERIFY(type != QMetaType::UnknownType);
    QVariant list = QVariantList{QVariantMap{{"x", 1}}, QVariantMap{{"x", 2}}};
    QVERIFY(list.convert(type));
    const QList<QVariantMap> maps = list.value<QList<QVariantMap>>();
    QCOMPARE(maps.size(), 2);
    QCOMPARE(maps[1].value("x").toInt(), 2);
    // And walked as a sequence again, through its sequential-iterable view.
    QVERIFY(list.canConvert<QVariantList>());
    const QVariantList back = list.value<QVariantList>();
    QCOMPARE(back.size(), 2);
    QCOMPARE(back[0].toMap().value("x").toInt(), 1);
}

QTEST_MAIN(tst_OrrinData)
#include "tst_orrindata.moc"
