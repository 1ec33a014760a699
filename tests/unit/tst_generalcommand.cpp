// The command set against the emulated switch: exact request bytes, how each
// kind of reply is judged, and what every outcome leaves behind.
#include "HIDCommand/generalcommand.h"
#include "switchemulator.h"

#include <QtTest>

#include <memory>

class tst_GeneralCommand : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void checksum_data();
    void checksum();
    void requestBytes_data();
    void requestBytes();
    void versionText_data();
    void versionText();
    void portStatusKeptAfterFailure();
    void listOpenResult_data();
    void listOpenResult();
    void commandFailures_data();
    void commandFailures();
    void recordCounting();
    void oversizedPayloadIsNotSent();

private:
    std::unique_ptr<SwitchEmulator> m_switch;
};

namespace {
enum Op { Version, PortStatus, HeartBeat, ListOpen, PortRecord, MouseRecord, ListClose };

const unsigned char kPort1920x1080[10] = {2, 1, 1, 1, 0x80, 0x07, 0x38, 0x04, 1, 1};
const unsigned char kMouse[6] = {0x00, 0x01, 0x02, 0x03, 0x85, 0x01};

// Runs one command; list-open's status counts as accepted when 0.
bool run(GeneralCommand &command, int op, int amount = 0)
{
    switch (op) {
    case Version: return command.getFWAPProtocolVersion();
    case PortStatus: return command.getPortStatus();
    case HeartBeat: return command.heartBeat();
    case ListOpen: return command.sendListAmountOpen(amount) == 0;
    case PortRecord: return command.sendOneListOfPortNum(kPort1920x1080, 10);
    case MouseRecord: return command.sendOneListOfMouseData(kMouse, 6);
    case ListClose: return command.sendListAmountClose();
    }
    return false;
}
}

void tst_GeneralCommand::initTestCase()
{
    QVERIFY2(SwitchEmulator::preloaded(), "run through ctest: the emulated switch must be preloaded");
}

void tst_GeneralCommand::init()
{
    m_switch.reset(); // before the next one sets its log
    m_switch.reset(new SwitchEmulator);
}

void tst_GeneralCommand::checksum_data()
{
    QTest::addColumn<QByteArray>("request"); // checksum byte still 0
    QTest::addColumn<int>("sum");
    QTest::newRow("heartbeat") << QByteArray::fromHex("4600000000000000") << 0x46;
    QTest::newRow("list-open 5") << QByteArray::fromHex("4205000000000000") << 0x47;
    QTest::newRow("wraps at 256") << QByteArray::fromHex("43ffff0000000000000000ff00") << 0x40;
    QTest::newRow("only the id") << QByteArray::fromHex("4100") << 0x41;
}

void tst_GeneralCommand::checksum()
{
    QFETCH(QByteArray, request);
    QFETCH(int, sum);
    request[request.size() - 1] = char(0x5A); // overwritten, never added
    GeneralCommand::computeChecksum(reinterpret_cast<unsigned char *>(request.data()), request.size());
    QCOMPARE(int(uchar(request.back())), sum);
}

void tst_GeneralCommand::requestBytes_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("amount");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<int>("replyLength"); // as much as the host asked for

    QTest::newRow("version query") << int(Version) << 0 << "41 00 00 00 00 00 00 41" << 8;
    QTest::newRow("port status query") << int(PortStatus) << 0 << "4A 00 00 00 00 00 00 4A" << 8;
    QTest::newRow("heartbeat") << int(HeartBeat) << 0 << "46 00 00 00 00 00 00 46" << 8;
    QTest::newRow("list-open 5") << int(ListOpen) << 5 << "42 05 00 00 00 00 00 47" << 8;
    QTest::newRow("list-open 261 cut to 5") << int(ListOpen) << 261 << "42 05 00 00 00 00 00 47" << 8;
    QTest::newRow("list-open -1 cut to 255") << int(ListOpen) << -1 << "42 FF 00 00 00 00 00 41" << 8;
    // 1920 x 1080 travels as 80 07 38 04, low byte first.
    QTest::newRow("port record") << int(PortRecord) << 0 << "43 02 01 01 01 80 07 38 04 01 01 0D" << 8;
    QTest::newRow("mouse record") << int(MouseRecord) << 0 << "44 00 01 02 03 85 01 00 00 D0" << 10;
    QTest::newRow("list-close, nothing counted") << int(ListClose) << 0 << "45 00 00 00 00 00 00 45" << 8;
}

void tst_GeneralCommand::requestBytes()
{
    QFETCH(int, op);
    QFETCH(int, amount);
    QFETCH(QString, bytes);
    QFETCH(int, replyLength);

    GeneralCommand command;
    QVERIFY(command.openDevice(kSwitchVid, kSwitchPid));
    m_switch->take();
    run(command, op, amount);
    const QList<QJsonObject> events = m_switch->take();
    QCOMPARE(events.size(), 2);
    QCOMPARE(events[0].value("event").toString(), QStringLiteral("request"));
    QCOMPARE(events[0].value("bytes").toString(), bytes);
    QCOMPARE(events[0].value("checksum").toString(), QStringLiteral("ok"));
    QCOMPARE(events[1].value("event").toString(), QStringLiteral("reply"));
    // The reply asked for is the code with bit 7 set.
    const int code = bytes.left(2).toInt(nullptr, 16);
    QCOMPARE(events[1].value("id").toString(), QString::number(code | 0x80, 16).toUpper());
    QCOMPARE(events[1].value("len").toInt(), replyLength);
    QVERIFY(command.closeDevice());
}

void tst_GeneralCommand::versionText_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("afterTwo");
    QTest::addColumn<QString>("why"); // logged for each query that failed on a short reply

    QTest::newRow("two switches") << QByteArray("CHAIN=2") << true << "1061210612" << "";
    QTest::newRow("wide bytes, no padding") << QByteArray("VERSION=255,0,10,7") << true << "2550107125501071" << "";
    QTest::newRow("refused") << QByteArray("REFUSE=version:1") << false << "" << "";
    // A reply may be shorter than the length read, as long as it holds the
    // bytes the query reads: status and version bytes 2-6.
    QTest::newRow("reply ends after byte 6") << QByteArray("SHORT=version:7") << true << "1061110611" << "";
    // Missing bytes would read as zeros: "accepted", with a version the
    // switch never gave.
    QTest::newRow("reply ends after byte 5") << QByteArray("SHORT=version:6") << false << ""
                                             << "reply too short, bytes read: 6 of 7 needed";
    QTest::newRow("no status byte") << QByteArray("SHORT=version:1") << false << ""
                                    << "reply without a status byte, bytes read: 1";
    QTest::newRow("empty reply") << QByteArray("SHORT=version:0") << false << ""
                                 << "reply without a status byte, bytes read: 0";
    QTest::newRow("read fails") << QByteArray("FAIL_READ=version") << false << "" << "";
}

void tst_GeneralCommand::versionText()
{
    QFETCH(QByteArray, setting);
    QFETCH(bool, accepted);
    QFETCH(QString, afterTwo);
    QFETCH(QString, why);

    GeneralCommand command;
    QVERIFY(command.openDevice(kSwitchVid, kSwitchPid));
    SwitchEmulator::apply(setting);
    DebugCapture capture;
    QCOMPARE(command.getFWAPProtocolVersion(), accepted);
    QCOMPARE(command.getFWAPProtocolVersion(), accepted);
    // Appended to, never replaced.
    QCOMPARE(command.m_version, afterTwo);
    const QStringList lines = capture.texts(QStringLiteral("HIDCommand/generalcommand.cpp"));
    if (accepted)
        QCOMPARE(lines, (QStringList{"get m_version = " + afterTwo.left(afterTwo.size() / 2),
                                     "get m_version = " + afterTwo}));
    else if (why.isEmpty())
        QCOMPARE(lines, QStringList());
    else
        QCOMPARE(lines, (QStringList{why, why}));
}

void tst_GeneralCommand::portStatusKeptAfterFailure()
{
    GeneralCommand command;
    QVERIFY(command.openDevice(kSwitchVid, kSwitchPid));
    SwitchEmulator::set("PORT_STATUS", "5,2,3,1");
    QVERIFY(command.getPortStatus());
    const auto bytes = [&] {
        return QList<int>{command.apportNum, command.listNum, command.curportNum, command.mouseposition};
    };
    QCOMPARE(bytes(), (QList<int>{5, 2, 3, 1}));

    for (const QByteArray fault : {"REFUSE=port-status:4", "FAIL_SEND=port-status", "FAIL_READ=port-status"}) {
        SwitchEmulator::reset();
        SwitchEmulator::set("PORT_STATUS", "7,7,7,7");
        SwitchEmulator::apply(fault);
        QVERIFY2(!command.getPortStatus(), fault.constData());
        QCOMPARE(bytes(), (QList<int>{5, 2, 3, 1}));
    }
    // A reply cut before byte 5 would read zeros as the status: a failure.
    for (const QByteArray cut : {"port-status:5", "port-status:2", "port-status:1"}) {
        SwitchEmulator::reset();
        SwitchEmulator::set("PORT_STATUS", "7,7,7,7");
        SwitchEmulator::set("SHORT", cut);
        QVERIFY2(!command.getPortStatus(), cut.constData());
        QCOMPARE(bytes(), (QList<int>{5, 2, 3, 1}));
    }
    // One that holds bytes 2-5 is all the query needs.
    SwitchEmulator::reset();
    SwitchEmulator::set("PORT_STATUS", "6,1,2,3");
    SwitchEmulator::set("SHORT", "port-status:6");
    QVERIFY(command.getPortStatus());
    QCOMPARE(bytes(), (QList<int>{6, 1, 2, 3}));
}

void tst_GeneralCommand::listOpenResult_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("reads"); // reads of the reply attempted

    QTest::newRow("accepted") << QByteArray() << true << 0 << 1;
    QTest::newRow("driver running (3)") << QByteArray("REFUSE=list-open:3") << true << 3 << 1;
    QTest::newRow("status 255") << QByteArray("REFUSE=list-open:255") << true << 255 << 1;
    QTest::newRow("send fails") << QByteArray("FAIL_SEND=list-open") << true << -1 << 0;
    QTest::newRow("read fails") << QByteArray("FAIL_READ=list-open") << true << -1 << 1;
    // The status byte is all a list-open reply needs; without it nothing
    // was answered.
    QTest::newRow("status byte only") << QByteArray("SHORT=list-open:2") << true << 0 << 1;
    QTest::newRow("no status byte") << QByteArray("SHORT=list-open:1") << true << -1 << 1;
    QTest::newRow("unplugged") << QByteArray("UNPLUG_AFTER=0") << true << -1 << 0;
    QTest::newRow("never opened") << QByteArray() << false << -1 << 0;
}

void tst_GeneralCommand::listOpenResult()
{
    QFETCH(QByteArray, setting);
    QFETCH(bool, open);
    QFETCH(int, result);
    QFETCH(int, reads);

    GeneralCommand command;
    if (open) {
        QVERIFY(command.openDevice(kSwitchVid, kSwitchPid));
        // Leave a count behind, to see it reset.
        QCOMPARE(command.sendListAmountOpen(2), 0);
        QVERIFY(command.sendOneListOfPortNum(kPort1920x1080, 10));
        QCOMPARE(command.listCount(), 1);
    }
    m_switch->take();
    SwitchEmulator::apply(setting);
    QCOMPARE(command.sendListAmountOpen(4), result);
    QCOMPARE(command.listCount(), 0);
    QCOMPARE(m_switch->take(QStringLiteral("reply")).size(), reads);
}

void tst_GeneralCommand::commandFailures_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("accepted");

    const struct { Op op; const char *name; } ops[] = {
        {Version, "version"}, {PortStatus, "port-status"}, {HeartBeat, "heartbeat"},
        {PortRecord, "port-record"}, {MouseRecord, "mouse-record"}, {ListClose, "list-close"}};
    for (const auto &o : ops) {
        const QByteArray name(o.name);
        QTest::newRow(name + ", refused") << int(o.op) << "REFUSE=" + name + ":2" << false;
        QTest::newRow(name + ", send fails") << int(o.op) << "FAIL_SEND=" + name << false;
        QTest::newRow(name + ", read fails") << int(o.op) << "FAIL_READ=" + name << false;
        QTest::newRow(name + ", unplugged") << int(o.op) << QByteArray("UNPLUG_AFTER=0") << false;
        QTest::newRow(name + ", device absent") << int(o.op) << QByteArray("ABSENT=1") << false;
        // Without its status byte a reply says nothing: zeros there would
        // read as "accepted".
        QTest::newRow(name + ", only the id delivered") << int(o.op) << "SHORT=" + name + ":1" << false;
        QTest::newRow(name + ", nothing delivered") << int(o.op) << "SHORT=" + name + ":0" << false;
        // The queries read data behind the status; the others need only it.
        QTest::newRow(name + ", status byte only") << int(o.op) << "SHORT=" + name + ":2"
                                                   << (o.op != Version && o.op != PortStatus);
    }
}

// Inside an open list of two records, so that the switch itself would accept
// every command: only the injected fault decides.
void tst_GeneralCommand::commandFailures()
{
    QFETCH(int, op);
    QFETCH(QByteArray, setting);
    QFETCH(bool, accepted);

    GeneralCommand command;
    QVERIFY(command.openDevice(kSwitchVid, kSwitchPid));
    QCOMPARE(command.sendListAmountOpen(op == ListClose ? 1 : 2), 0);
    if (op == ListClose)
        QVERIFY(command.sendOneListOfMouseData(kMouse, 6));
    const int countBefore = command.listCount();
    m_switch->take();

    SwitchEmulator::apply(setting);
    QCOMPARE(run(command, op), accepted);
    QCOMPARE(command.m_version.isEmpty(), !(accepted && op == Version));
    const bool counts = accepted && (op == PortRecord || op == MouseRecord);
    QCOMPARE(command.listCount(), countBefore + (counts ? 1 : 0));
    // A reply cut too short says how short, for whoever shows the reason.
    if (setting.startsWith("SHORT") && !accepted)
        QVERIFY2(command.lastError().startsWith(QStringLiteral("the switch's reply held ")),
                 qPrintable(command.lastError()));
    // A failed send is never followed by a read.
    if (setting.startsWith("FAIL_SEND"))
        QCOMPARE(m_switch->kinds(), QStringList{"request"});
    QVERIFY(command.closeDevice());
}

void tst_GeneralCommand::recordCounting()
{
    GeneralCommand command;
    QVERIFY(command.openDevice(kSwitchVid, kSwitchPid));
    SwitchEmulator::set("REFUSE_RECORD", "2:1");
    QCOMPARE(command.sendListAmountOpen(3), 0);
    QVERIFY(command.sendOneListOfPortNum(kPort1920x1080, 10));
    QVERIFY(!command.sendOneListOfPortNum(kPort1920x1080, 10)); // refused once
    QVERIFY(command.sendOneListOfPortNum(kPort1920x1080, 10));
    QVERIFY(command.sendOneListOfMouseData(kMouse, 6));
    QCOMPARE(command.listCount(), 3);
    m_switch->take();
    QVERIFY(command.sendListAmountClose());
    QCOMPARE(m_switch->requests(), QStringList{"45 03 00 00 00 00 00 48"});
    // Not reset by the close; a second close carries the same count, which the
    // switch refuses because its list is already closed.
    QCOMPARE(command.listCount(), 3);
    QVERIFY(!command.sendListAmountClose());
    QCOMPARE(m_switch->requests(), QStringList{"45 03 00 00 00 00 00 48"});

    // The count is cut to its low 8 bits.
    QCOMPARE(command.sendListAmountOpen(1), 0);
    for (int i = 0; i < 257; ++i)
        QVERIFY(command.sendOneListOfMouseData(kMouse, 6));
    m_switch->take();
    QVERIFY(command.sendListAmountClose());
    QCOMPARE(m_switch->requests(), QStringList{"45 01 00 00 00 00 00 46"});
}

void tst_GeneralCommand::oversizedPayloadIsNotSent()
{
    GeneralCommand command;
    QVERIFY(command.openDevice(kSwitchVid, kSwitchPid));
    QCOMPARE(command.sendListAmountOpen(2), 0);
    m_switch->take();
    const unsigned char big[12] = {};
    QVERIFY(!command.sendOneListOfPortNum(big, 11));
    QVERIFY(!command.sendOneListOfMouseData(big, 7));
    QVERIFY(!command.sendOneListOfPortNum(nullptr, 10));
    QVERIFY(!command.sendOneListOfPortNum(big, -1));
    QCOMPARE(m_switch->kinds(), QStringList());
    QCOMPARE(command.listCount(), 0);
    // A shorter payload leaves the rest of the request zero.
    QVERIFY(command.sendOneListOfPortNum(kPort1920x1080, 2));
    QCOMPARE(m_switch->requests(), QStringList{"43 02 01 00 00 00 00 00 00 00 00 46"});
}

QTEST_GUILESS_MAIN(tst_GeneralCommand)
#include "tst_generalcommand.moc"
