// The transport against the emulated switch, through the real hidapi calls.
#include "HIDCommand/hidcommand.h"
#include "switchemulator.h"

#include <QtTest>

#include <memory>

class tst_HidCommand : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void opening_data();
    void opening();
    void transfersNeedAnOpenDevice();
    void exchange_data();
    void exchange();
    void closing();
    void openingAgainReleasesTheHeldHandle();
    void destructionReleasesTheHandle();
    void unplugBetweenPackets();
    void badArguments();

private:
    std::unique_ptr<SwitchEmulator> m_switch;
};

const unsigned char kHeartBeat[8] = {0x46, 0, 0, 0, 0, 0, 0, 0x46};

void tst_HidCommand::initTestCase()
{
    QVERIFY2(SwitchEmulator::preloaded(), "run through ctest: the emulated switch must be preloaded");
}

void tst_HidCommand::init()
{
    m_switch.reset(); // before the next one sets its log
    m_switch.reset(new SwitchEmulator);
}

void tst_HidCommand::opening_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<ushort>("pid");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("calls"); // what hidapi saw
    QTest::addColumn<QString>("reason");    // hid_error's text, kept
    QTest::addColumn<bool>("denied");       // attached, but not ours to open

    const QString handle = QStringLiteral("hid_open() ok, handle = 0x");
    const QString noDevice = QStringLiteral("No HID devices with requested VID/PID found in the system.");
    QTest::newRow("switch attached") << QByteArray() << kSwitchPid << true
                                     << QStringList{"hid_init() ok.", handle} << QStringList{"init", "open"}
                                     << QString() << false;
    QTest::newRow("hidapi cannot start")
        << QByteArray("INIT_FAIL=1") << kSwitchPid << false << QStringList{} << QStringList{"init"}
        << "hid_init: the HID library could not start (emulated fault: SEAMRUN_EMU_INIT_FAIL)" << false;
    // The reason is read before hid_exit, which frees it.
    QTest::newRow("no switch") << QByteArray("ABSENT=1") << kSwitchPid << false
                               << QStringList{"hid_init() ok.", "unable to open device"}
                               << QStringList{"init", "open", "exit"}
                               << noDevice + " (emulated fault: SEAMRUN_EMU_ABSENT)" << false;
    QTest::newRow("other product id") << QByteArray() << ushort(0x0002) << false
                                      << QStringList{"hid_init() ok.", "unable to open device"}
                                      << QStringList{"init", "open", "exit"} << noDevice << false;
    // Listed but not ours to open (no udev rule): told apart from missing,
    // with hidapi's own reason kept.
    QTest::newRow("no access") << QByteArray("NO_ACCESS=1") << kSwitchPid << false
                               << QStringList{"hid_init() ok.", "unable to open device",
                                              "no access to seamrun-switch-emulator"}
                               << QStringList{"init", "open", "exit"}
                               << "Failed to open a device with path 'seamrun-switch-emulator': Permission denied "
                                  "(emulated fault: SEAMRUN_EMU_NO_ACCESS)"
                               << true;
}

void tst_HidCommand::opening()
{
    QFETCH(QByteArray, setting);
    QFETCH(ushort, pid);
    QFETCH(bool, opened);
    QFETCH(QStringList, log);
    QFETCH(QStringList, calls);
    QFETCH(QString, reason);
    QFETCH(bool, denied);
    SwitchEmulator::apply(setting);

    HidCommand hid;
    DebugCapture capture;
    QCOMPARE(hid.opendevice(kSwitchVid, pid), opened);
    QCOMPARE(hid.isOpen(), opened);
    const QStringList texts = capture.texts();
    QCOMPARE(texts.size(), log.size());
    for (int i = 0; i < log.size(); ++i)
        QVERIFY2(texts[i].startsWith(log[i]) && (log[i].endsWith("0x") || texts[i] == log[i]), qPrintable(texts[i]));
    for (const DebugCapture::Line &line : capture.all()) {
        QVERIFY(line.file.endsWith(QLatin1String("HIDCommand/hidcommand.cpp")));
        QVERIFY(line.function.contains(QLatin1String("HidCommand::opendevice")));
    }
    QCOMPARE(m_switch->kinds(), calls);
    QCOMPARE(hid.lastError(), reason);
    QCOMPARE(hid.accessDenied(), denied);
}

void tst_HidCommand::transfersNeedAnOpenDevice()
{
    HidCommand hid;
    unsigned char reply[8] = {0xC6};
    DebugCapture capture;
    // A send without a device stays silent; a read says why it failed.
    QVERIFY(!hid.sendRequest(kHeartBeat, 8));
    QCOMPARE(capture.texts(), QStringList());
    QVERIFY(!hid.getReply(reply, 8));
    QCOMPARE(capture.texts(), QStringList{"please open device first !"});
    QCOMPARE(hid.lastError(), QStringLiteral("no device open"));
    QCOMPARE(m_switch->kinds(), QStringList());
}

void tst_HidCommand::exchange_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("sendReason");
    QTest::addColumn<QString>("readReason");
    QTest::addColumn<int>("delivered"); // lastReplyLength()

    // The caller's buffer is 0xC6 then 0xAA everywhere: what a short read does
    // not deliver stays as the caller left it, and byte 8 is never touched.
    QTest::newRow("accepted") << QByteArray() << true << true
                              << QStringList{"hid_send_feature_report() ok, res = 8",
                                             "hid_get_feature_report() ok, res = 8"}
                              << QByteArray::fromHex("c6000000000000c6aa") << QString() << QString() << 8;
    QTest::newRow("short reply") << QByteArray("SHORT=heartbeat:2") << true << true
                                 << QStringList{"hid_send_feature_report() ok, res = 8",
                                                "hid_get_feature_report() ok, res = 2"}
                                 << QByteArray::fromHex("c600aaaaaaaaaaaaaa") << QString() << QString() << 2;
    QTest::newRow("refused") << QByteArray("REFUSE=heartbeat:9") << true << true
                             << QStringList{"hid_send_feature_report() ok, res = 8",
                                            "hid_get_feature_report() ok, res = 8"}
                             << QByteArray::fromHex("c6090000000000cfaa") << QString() << QString() << 8;
    QTest::newRow("send fails") << QByteArray("FAIL_SEND=heartbeat") << false << true
                                << QStringList{"Unable to send a feature report.",
                                               "hid_get_feature_report() ok, res = 8"}
                                << QByteArray::fromHex("c6000000000000c6aa")
                                << "ioctl (SFEATURE): Broken pipe (emulated fault: SEAMRUN_EMU_FAIL_SEND)"
                                << QString() << 8;
    QTest::newRow("read fails") << QByteArray("FAIL_READ=all") << true << false
                                << QStringList{"hid_send_feature_report() ok, res = 8",
                                               "Unable to get a feature report."}
                                << QByteArray::fromHex("c6aaaaaaaaaaaaaaaa") << QString()
                                << "ioctl (GFEATURE): Broken pipe (emulated fault: SEAMRUN_EMU_FAIL_READ)" << -1;
}

void tst_HidCommand::exchange()
{
    QFETCH(QByteArray, setting);
    QFETCH(bool, sent);
    QFETCH(bool, read);
    QFETCH(QStringList, log);
    QFETCH(QByteArray, reply);
    QFETCH(QString, sendReason);
    QFETCH(QString, readReason);
    QFETCH(int, delivered);

    HidCommand hid;
    QVERIFY(hid.opendevice(kSwitchVid, kSwitchPid));
    // A send that fails leaves the previous reply readable: prime one, so the
    // read after it shows the transport does not depend on the send.
    unsigned char primer[8] = {0xC6};
    QVERIFY(hid.sendRequest(kHeartBeat, 8) && hid.getReply(primer, 8));
    SwitchEmulator::apply(setting);

    unsigned char buffer[9];
    memset(buffer, 0xAA, sizeof buffer);
    buffer[0] = 0xC6;
    DebugCapture capture;
    QCOMPARE(hid.sendRequest(kHeartBeat, 8), sent);
    QCOMPARE(hid.lastError(), sendReason);
    QCOMPARE(hid.getReply(buffer, 8), read);
    QCOMPARE(hid.lastError(), readReason);
    QCOMPARE(hid.lastReplyLength(), delivered);
    QCOMPARE(capture.texts(), log);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 9), reply);
    QVERIFY(hid.closedevice());
}

void tst_HidCommand::closing()
{
    HidCommand hid;
    DebugCapture capture;
    // Closed already: only the log line, hidapi is left alone.
    QVERIFY(hid.closedevice());
    QCOMPARE(capture.texts(), QStringList{"\nclosedev() called"});
    QCOMPARE(m_switch->kinds(), QStringList());

    QVERIFY(hid.opendevice(kSwitchVid, kSwitchPid));
    m_switch->take();
    QVERIFY(hid.closedevice());
    QVERIFY(hid.closedevice());
    QCOMPARE(m_switch->kinds(), (QStringList{"close", "exit"}));
    // The released handle is never used again.
    unsigned char reply[8] = {0xC6};
    QVERIFY(!hid.sendRequest(kHeartBeat, 8));
    QVERIFY(!hid.getReply(reply, 8));
    QCOMPARE(m_switch->kinds(), QStringList());
}

void tst_HidCommand::openingAgainReleasesTheHeldHandle()
{
    HidCommand hid;
    for (int i = 0; i < 3; ++i)
        QVERIFY(hid.opendevice(kSwitchVid, kSwitchPid));
    QList<QJsonObject> events = m_switch->take();
    QStringList kinds;
    for (const QJsonObject &e : events) {
        kinds.append(e.value("event").toString());
        if (e.value("event") == "open")
            QCOMPARE(e.value("handles").toInt(), 1);
    }
    QCOMPARE(kinds, (QStringList{"init", "open", "close", "exit", "init", "open", "close", "exit", "init", "open"}));

    // Held handle released, then the switch is gone: closed, nothing leaks.
    SwitchEmulator::set("ABSENT", "1");
    QVERIFY(!hid.opendevice(kSwitchVid, kSwitchPid));
    QVERIFY(!hid.isOpen());
    events = m_switch->take(QStringLiteral("close"));
    QCOMPARE(events.size(), 1);
    QCOMPARE(events[0].value("handles").toInt(), 0);
}

void tst_HidCommand::destructionReleasesTheHandle()
{
    {
        HidCommand hid;
        QVERIFY(hid.opendevice(kSwitchVid, kSwitchPid));
        m_switch->take();
    }
    const QList<QJsonObject> closes = m_switch->take(QStringLiteral("close"));
    QCOMPARE(closes.size(), 1);
    QCOMPARE(closes[0].value("handles").toInt(), 0);
}

void tst_HidCommand::unplugBetweenPackets()
{
    HidCommand hid;
    QVERIFY(hid.opendevice(kSwitchVid, kSwitchPid));
    SwitchEmulator::set("UNPLUG_AFTER", "1");
    unsigned char reply[8] = {0xC6};
    QVERIFY(hid.sendRequest(kHeartBeat, 8));
    QVERIFY(!hid.getReply(reply, 8));
    const QString gone = QStringLiteral("ioctl (GFEATURE): No such device (emulated fault: SEAMRUN_EMU_UNPLUG_AFTER)");
    QCOMPARE(hid.lastError(), gone);
    QVERIFY(!hid.sendRequest(kHeartBeat, 8));
    QVERIFY(hid.lastError().startsWith(QLatin1String("ioctl (SFEATURE): No such device")));
    // Closing keeps the reason for whoever shows it after cleaning up.
    QVERIFY(hid.closedevice());
    QVERIFY(hid.lastError().startsWith(QLatin1String("ioctl (SFEATURE): No such device")));
    QVERIFY(!hid.opendevice(kSwitchVid, kSwitchPid));
    QVERIFY(!hid.isOpen());
    QCOMPARE(hid.lastError(), QStringLiteral("No HID devices with requested VID/PID found in the system."));
    // Plugged in again: the old reason does not linger.
    SwitchEmulator::reset();
    QVERIFY(hid.opendevice(kSwitchVid, kSwitchPid));
    QCOMPARE(hid.lastError(), QString());
}

void tst_HidCommand::badArguments()
{
    HidCommand hid;
    QVERIFY(hid.opendevice(kSwitchVid, kSwitchPid));
    m_switch->take();
    unsigned char reply[8] = {0xC6};
    QVERIFY(!hid.sendRequest(nullptr, 8));
    QVERIFY(!hid.sendRequest(kHeartBeat, 0));
    QVERIFY(!hid.getReply(nullptr, 8));
    QVERIFY(!hid.getReply(reply, -1));
    QCOMPARE(m_switch->kinds(), QStringList());
}

QTEST_GUILESS_MAIN(tst_HidCommand)
#include "tst_hidcommand.moc"
