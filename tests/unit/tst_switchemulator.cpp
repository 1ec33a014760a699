// The emulated switch itself, through the raw hidapi calls: the tests of the
// device link trust its judgement, so its own rules are checked here.
#include "switchemulator.h"

#include <QtTest>

#include <hidapi.h>

#include <memory>

class tst_SwitchEmulator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void judgement_data();
    void judgement();
    void replyMustBeAskedForById();
    void staleHandles();
    void enumeration();

private:
    QString reason(hid_device *dev) const { return QString::fromWCharArray(hid_error(dev)); }
    QByteArray exchange(const QByteArray &request, int replyLength);
    std::unique_ptr<SwitchEmulator> m_switch;
    hid_device *m_dev = nullptr;
};

void tst_SwitchEmulator::initTestCase()
{
    QVERIFY2(SwitchEmulator::preloaded(), "run through ctest: the emulated switch must be preloaded");
}

void tst_SwitchEmulator::init()
{
    m_switch.reset(); // before the next one sets its log
    m_switch.reset(new SwitchEmulator);
    QCOMPARE(hid_init(), 0);
    m_dev = hid_open(kSwitchVid, kSwitchPid, nullptr);
    QVERIFY(m_dev);
}

void tst_SwitchEmulator::cleanup()
{
    if (m_dev)
        hid_close(m_dev);
    m_dev = nullptr;
    hid_exit();
}

// Sends a request as given and returns the reply read back, or "fail".
QByteArray tst_SwitchEmulator::exchange(const QByteArray &request, int replyLength)
{
    if (hid_send_feature_report(m_dev, reinterpret_cast<const unsigned char *>(request.constData()),
                                size_t(request.size())) < 0)
        return "fail";
    QByteArray reply(replyLength, '\0');
    reply[0] = char(request[0] | 0x80);
    const int n = hid_get_feature_report(m_dev, reinterpret_cast<unsigned char *>(reply.data()), size_t(replyLength));
    return n < 0 ? QByteArray("fail") : reply.left(n);
}

void tst_SwitchEmulator::judgement_data()
{
    QTest::addColumn<QByteArrayList>("requests"); // hex, in order
    QTest::addColumn<QByteArray>("lastReply");    // hex, or "fail"

    QTest::newRow("version") << QByteArrayList{"4100000000000041"} << QByteArray("c1000100060101ca");
    QTest::newRow("bad checksum") << QByteArrayList{"4600000000000047"} << QByteArray("c6e20000000000a8");
    QTest::newRow("too short") << QByteArrayList{"46000000000046"} << QByteArray("c6e10000000000a7");
    QTest::newRow("unknown report id") << QByteArrayList{"4700000000000047"} << QByteArray("fail");
    QTest::newRow("record without a list") << QByteArrayList{"440001020385010000d0"} << QByteArray("c40100000000000000c5");
    QTest::newRow("close without a list") << QByteArrayList{"4500000000000045"} << QByteArray("c5010000000000c6");
    QTest::newRow("list of one, closed") << QByteArrayList{"4201000000000043", "440001020385010000d0",
                                                           "4501000000000046"}
                                         << QByteArray("c5000000000000c5");
    QTest::newRow("list of one, two announced") << QByteArrayList{"4202000000000044", "440001020385010000d0",
                                                                  "4501000000000046"}
                                                << QByteArray("c5010000000000c6");
}

void tst_SwitchEmulator::judgement()
{
    QFETCH(QByteArrayList, requests);
    QFETCH(QByteArray, lastReply);
    QByteArray reply;
    for (const QByteArray &request : requests) {
        const QByteArray bytes = QByteArray::fromHex(request);
        const int length = (bytes[0] == 0x44) ? 10 : 8;
        reply = exchange(bytes, length);
    }
    QCOMPARE(reply == "fail" ? reply : reply.toHex(), lastReply);
    // A stall is a transfer failure with hidraw's reason; a refusal is a reply.
    QCOMPARE(reason(m_dev), lastReply == "fail" ? QStringLiteral("ioctl (SFEATURE): Broken pipe")
                                                : QStringLiteral("Success"));
}

void tst_SwitchEmulator::replyMustBeAskedForById()
{
    unsigned char buffer[8] = {0xC6};
    // Nothing asked yet: nothing to read.
    QCOMPARE(hid_get_feature_report(m_dev, buffer, 8), -1);
    QCOMPARE(exchange(QByteArray::fromHex("4600000000000046"), 8).toHex(), QByteArray("c6000000000000c6"));
    buffer[0] = 0xC1; // not the reply to the last request
    QCOMPARE(hid_get_feature_report(m_dev, buffer, 8), -1);
    QCOMPARE(reason(m_dev), QStringLiteral("ioctl (GFEATURE): Broken pipe"));
}

void tst_SwitchEmulator::staleHandles()
{
    hid_device *second = hid_open(kSwitchVid, kSwitchPid, nullptr);
    QVERIFY(second && second != m_dev);
    hid_close(second);
    m_switch->take();
    // Closing twice or using a closed handle fails without touching freed memory.
    hid_close(second);
    const unsigned char heartBeat[8] = {0x46, 0, 0, 0, 0, 0, 0, 0x46};
    QCOMPARE(hid_send_feature_report(second, heartBeat, 8), -1);
    const QList<QJsonObject> events = m_switch->take();
    QCOMPARE(events.size(), 2);
    for (const QJsonObject &e : events)
        QCOMPARE(e.value("error").toString(), QStringLiteral("stale handle"));
    QCOMPARE(reason(second), QStringLiteral("hid_error: not an open handle"));
    QCOMPARE(hid_send_feature_report(m_dev, heartBeat, 8), 8);
}

// The device list follows the settings at every call, so a test can unplug
// the switch or give it other ids while a program polls the list.
void tst_SwitchEmulator::enumeration()
{
    m_switch->take();
    hid_device_info *devs = hid_enumerate(0, 0);
    QVERIFY(devs);
    QCOMPARE(devs->vendor_id, kSwitchVid);
    QCOMPARE(devs->product_id, kSwitchPid);
    QVERIFY(!devs->next);
    hid_free_enumeration(devs);
    devs = hid_enumerate(kSwitchVid, kSwitchPid);
    QVERIFY(devs);
    hid_free_enumeration(devs);
    hid_free_enumeration(nullptr);
    QVERIFY(!hid_enumerate(0x1234, 0));
    QVERIFY(!hid_enumerate(kSwitchVid, 0x0002));

    SwitchEmulator::set("VID", "0x1234");
    QVERIFY(!hid_enumerate(kSwitchVid, kSwitchPid));
    devs = hid_enumerate(0x1234, kSwitchPid);
    QVERIFY(devs);
    QCOMPARE(devs->vendor_id, 0x1234);
    hid_free_enumeration(devs);
    SwitchEmulator::reset();

    SwitchEmulator::set("ABSENT", "1");
    QVERIFY(!hid_enumerate(0, 0));
    QCOMPARE(reason(nullptr), QStringLiteral("Success"));
    SwitchEmulator::reset();
    devs = hid_enumerate(0, 0);
    QVERIFY2(devs, "plugged in again");
    hid_free_enumeration(devs);
    SwitchEmulator::set("UNPLUG_AFTER", "0");
    QVERIFY(!hid_enumerate(0, 0));
    // Listing devices is no event of the switch: a poll leaves the log alone.
    QCOMPARE(m_switch->kinds(), QStringList());
}

QTEST_GUILESS_MAIN(tst_SwitchEmulator)
#include "tst_switchemulator.moc"
