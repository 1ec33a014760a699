// Whether the switch is attached, as the screens are told: the device list of
// the emulated switch, changed while the object polls it.
#include "switchemulator.h"
#include "switchstatus.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

class tst_SwitchStatus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void seen_data();
    void seen();
    void unpluggedWhileRunning();

private:
    std::unique_ptr<SwitchEmulator> m_switch;
};

void tst_SwitchStatus::initTestCase()
{
    QVERIFY2(SwitchEmulator::preloaded(), "run through ctest: the emulated switch must be preloaded");
}

void tst_SwitchStatus::init()
{
    m_switch.reset();
    m_switch.reset(new SwitchEmulator);
}

void tst_SwitchStatus::cleanup()
{
    m_switch.reset();
}

void tst_SwitchStatus::seen_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<int>("vid");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("denied");
    QTest::newRow("attached") << QByteArray() << int(kSwitchVid) << true << false;
    QTest::newRow("absent") << QByteArray("ABSENT=1") << int(kSwitchVid) << false << false;
    QTest::newRow("gone after its packets") << QByteArray("UNPLUG_AFTER=0") << int(kSwitchVid) << false << false;
    QTest::newRow("another device's ids") << QByteArray("VID=0x1234") << int(kSwitchVid) << false << false;
    // Ids 0 would match every device: no ids, no switch.
    QTest::newRow("no ids") << QByteArray() << 0 << false << false;
    // Attached, but this user may not open its node: still connected.
    QTest::newRow("no access") << QByteArray("NO_ACCESS=1") << int(kSwitchVid) << true << true;
}

void tst_SwitchStatus::seen()
{
    QFETCH(QByteArray, setting);
    QFETCH(int, vid);
    QFETCH(bool, connected);
    QFETCH(bool, denied);
    SwitchEmulator::apply(setting);
    SwitchStatus status;
    status.setVid(vid);
    status.setPid(vid ? kSwitchPid : 0);
    QSignalSpy changes(&status, &SwitchStatus::connectedChanged);
    QSignalSpy accessChanges(&status, &SwitchStatus::accessDeniedChanged);
    QCOMPARE(status.refresh(), connected);
    QCOMPARE(status.connected(), connected);
    QCOMPARE(status.accessDenied(), denied);
    QCOMPARE(changes.count(), connected ? 1 : 0);
    QCOMPARE(accessChanges.count(), denied ? 1 : 0);
    QCOMPARE(status.refresh(), connected);
    QCOMPARE(changes.count(), connected ? 1 : 0);
    QCOMPARE(accessChanges.count(), denied ? 1 : 0);
    // Looking at the device list opens nothing: the switch saw no event.
    QCOMPARE(m_switch->kinds(), QStringList());
}

// The poll follows the switch going and coming back, and forgets what an
// upload read from the one that went.
void tst_SwitchStatus::unpluggedWhileRunning()
{
    SwitchStatus status;
    status.setVid(kSwitchVid);
    status.setPid(kSwitchPid);
    QCOMPARE(status.interval(), SwitchStatus::kDefaultIntervalMs);
    status.setInterval(20);
    QTRY_VERIFY(status.connected());
    status.setVersion(QStringLiteral("10612"));
    QSignalSpy changes(&status, &SwitchStatus::connectedChanged);

    SwitchEmulator::set("ABSENT", "1");
    QTRY_VERIFY(!status.connected());
    QCOMPARE(status.version(), QString());

    SwitchEmulator::reset();
    QTRY_VERIFY(status.connected());
    QCOMPARE(changes.count(), 2);
    QCOMPARE(status.version(), QString());

    // The udev rule taken away and given back while it runs: the switch
    // stays attached, only its access changes.
    SwitchEmulator::set("NO_ACCESS", "1");
    QTRY_VERIFY(status.accessDenied());
    QVERIFY(status.connected());
    SwitchEmulator::reset();
    QTRY_VERIFY(!status.accessDenied());
    QCOMPARE(changes.count(), 2);
    QCOMPARE(m_switch->kinds(), QStringList());
}

QTEST_GUILESS_MAIN(tst_SwitchStatus)
#include "tst_switchstatus.moc"
