// The one upload of a desk against the emulated switch: what a desk sends
// (its plan), every outcome with the exchanges that led to it, and the
// result as the screens read it.
#include "HIDCommand/generalcommand.h"
#include "desk/deskupload.h"
#include "switchemulator.h"

#include <QtTest>

#include <memory>

class tst_DeskUpload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void plan_data();
    void plan();
    void outcomes_data();
    void outcomes();
    void resultForTheScreens();

private:
    std::unique_ptr<SwitchEmulator> m_switch;
};

namespace {

Monitor monitor(int row, int col, int port, int number, int width = 1920, int height = 1080)
{
    Monitor m;
    m.row = row;
    m.col = col;
    m.port = port;
    m.number = number;
    m.width = width;
    m.height = height;
    return m;
}

// "[port,number,x,y,width,height,main x,main y]" of each planned record.
QStringList recordTexts(const QVector<DeskUpload::Record> &records)
{
    QStringList texts;
    for (const DeskUpload::Record &r : records) {
        const DeskUpload::PortArgs &a = r.args;
        texts.append(QStringLiteral("[%1,%2,%3,%4,%5,%6,%7,%8]")
                         .arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]).arg(a[4] | (a[5] << 8)).arg(a[6] | (a[7] << 8))
                         .arg(a[8]).arg(a[9]));
    }
    return texts;
}

// Three monitors of port 1 in a row.
const QVector<Monitor> kOnePort = {monitor(3, 3, 1, 1), monitor(3, 4, 1, 2), monitor(3, 5, 1, 3)};

MouseSettings testMouse()
{
    MouseSettings mouse;
    mouse.acceleration = 1;
    mouse.speed = 2;
    mouse.position = 3;
    mouse.focus = 1;
    mouse.duration = 5;
    mouse.awake = 1;
    return mouse;
}

} // namespace

void tst_DeskUpload::initTestCase()
{
    QVERIFY2(SwitchEmulator::preloaded(), "run through ctest: the emulated switch must be preloaded");
}

void tst_DeskUpload::init()
{
    m_switch.reset(); // before the next one sets its log
    m_switch.reset(new SwitchEmulator);
}

void tst_DeskUpload::plan_data()
{
    QTest::addColumn<QVector<Monitor>>("monitors");
    QTest::addColumn<int>("ports");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QList<int>>("leftOut");

    const QVector<Monitor> secondaryFirst = {monitor(2, 2, 6, 1, 1280, 1024), monitor(2, 3, 6, 2, 1280, 1024),
                                             monitor(2, 4, 2, 1), monitor(2, 5, 2, 2)};
    const QStringList port2Alone = {"[2,1,1,1,1920,1080,1,1]", "[2,2,1,2,1920,1080,0,0]"};

    QTest::newRow("one port") << kOnePort << 4
                              << QStringList{"[1,1,1,1,1920,1080,1,1]", "[1,2,1,2,1920,1080,0,0]",
                                             "[1,3,1,3,1920,1080,0,0]"}
                              << QList<int>();
    // The monitors that remain on one switch are placed among themselves:
    // the same records as that desk alone.
    QTest::newRow("secondary ports left out") << secondaryFirst << 4 << port2Alone << QList<int>{0, 1};
    QTest::newRow("the remaining desk alone") << QVector<Monitor>{secondaryFirst[2], secondaryFirst[3]} << 4
                                              << port2Alone << QList<int>();
    QTest::newRow("two switches send all") << secondaryFirst << 8
                                           << QStringList{"[6,1,1,1,1280,1024,1,1]", "[6,2,1,2,1280,1024,0,0]",
                                                          "[2,1,1,3,1920,1080,1,2]", "[2,2,1,4,1920,1080,0,0]"}
                                           << QList<int>();
    QTest::newRow("nothing left") << QVector<Monitor>{secondaryFirst[0]} << 4 << QStringList() << QList<int>{0};
}

void tst_DeskUpload::plan()
{
    QFETCH(QVector<Monitor>, monitors);
    QFETCH(int, ports);
    QFETCH(QStringList, records);
    QFETCH(QList<int>, leftOut);

    const DeskUpload::Plan plan = DeskUpload::plan(monitors, ports);
    QCOMPARE(recordTexts(plan.records), records);
    QCOMPARE(plan.leftOut.toList(), leftOut);
}

void tst_DeskUpload::outcomes_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("exchanges"); // name, and the attempt of a record
    QTest::addColumn<bool>("error");            // a failed exchange left its reason

    const QStringList all = {"list-open", "port-record 1", "port-record 1", "port-record 1", "mouse-record",
                             "list-close"};
    QTest::newRow("uploaded") << QByteArray() << int(DeskUpload::Uploaded) << all << false;
    QTest::newRow("record refused, then taken") << QByteArray("REFUSE_RECORD=2:3") << int(DeskUpload::Uploaded)
        << QStringList{"list-open", "port-record 1", "port-record 1", "port-record 2", "port-record 3",
                       "port-record 4", "port-record 1", "mouse-record", "list-close"}
        << false;
    QTest::newRow("list-open unanswered") << QByteArray("FAIL_READ=list-open") << int(DeskUpload::OpenFailed)
                                          << QStringList{"list-open"} << true;
    QTest::newRow("driver running") << QByteArray("REFUSE=list-open:3") << int(DeskUpload::DriverRunning)
                                    << QStringList{"list-open"} << false;
    QTest::newRow("list-open refused") << QByteArray("REFUSE=list-open:1") << int(DeskUpload::OpenRefused)
                                       << QStringList{"list-open"} << false;
    // The walk ends at the record still refused; the list is closed as it is.
    QTest::newRow("record refused four times") << QByteArray("REFUSE_RECORD=2:4;ACCEPT_SHORT_LIST=1")
        << int(DeskUpload::RecordRefused)
        << QStringList{"list-open", "port-record 1", "port-record 1", "port-record 2", "port-record 3",
                       "port-record 4", "mouse-record", "list-close"}
        << false;
    QTest::newRow("record reply lost") << QByteArray("FAIL_READ=port-record") << int(DeskUpload::RecordRefused)
        << QStringList{"list-open", "port-record 1", "port-record 2", "port-record 3", "port-record 4",
                       "mouse-record", "list-close"}
        << true;
    QTest::newRow("mouse record refused") << QByteArray("REFUSE=mouse-record:1;ACCEPT_SHORT_LIST=1")
                                          << int(DeskUpload::MouseRefused) << all << false;
    QTest::newRow("list-close refused") << QByteArray("REFUSE=list-close:1") << int(DeskUpload::CloseRefused)
                                        << all << false;
    QTest::newRow("list-close without status byte") << QByteArray("SHORT=list-close:1")
                                                    << int(DeskUpload::CloseRefused) << all << true;
}

void tst_DeskUpload::outcomes()
{
    QFETCH(QByteArray, setting);
    QFETCH(int, outcome);
    QFETCH(QStringList, exchanges);
    QFETCH(bool, error);

    GeneralCommand command;
    QVERIFY(command.openDevice(kSwitchVid, kSwitchPid));
    SwitchEmulator::apply(setting);
    DeskUpload upload(command);
    QStringList seen;
    upload.setStepObserver([&seen](const DeskUpload::Step &step) {
        seen.append(DeskUpload::exchangeName(step.exchange)
                    + (step.exchange == DeskUpload::PortRecord ? QStringLiteral(" %1").arg(step.attempt)
                                                               : QString()));
    });
    const DeskUpload::Result result = upload.upload(kOnePort, 4, testMouse());
    QCOMPARE(DeskUpload::outcomeName(result.outcome),
             DeskUpload::outcomeName(static_cast<DeskUpload::Outcome>(outcome)));
    QCOMPARE(seen, exchanges);
    QCOMPARE(result.steps.size(), exchanges.size());
    QCOMPARE(result.announced, 4);
    QCOMPARE(result.uploaded(), outcome == DeskUpload::Uploaded);
    QCOMPARE(!result.error.isEmpty(), error);
    // The first failure's reason is still there after the exchanges that
    // followed it.
    QCOMPARE(command.lastError(), result.error);
    QCOMPARE(m_switch->take(QStringLiteral("request")).size(), exchanges.size());
}

void tst_DeskUpload::resultForTheScreens()
{
    GeneralCommand command;
    QVERIFY(command.openDevice(kSwitchVid, kSwitchPid));
    SwitchEmulator::set("REFUSE_RECORD", "1:1");
    const QVector<Monitor> desk = {monitor(2, 2, 6, 1), monitor(2, 4, 2, 1), monitor(2, 5, 2, 2)};
    DeskUpload upload(command);
    const QVariantMap result = DeskUpload::toVariantMap(upload.upload(desk, 4, testMouse()), desk);

    QCOMPARE(result.value("outcome").toInt(), int(DeskUpload::Uploaded));
    QCOMPARE(result.value("outcomeName").toString(), QStringLiteral("Uploaded"));
    QCOMPARE(result.value("uploaded").toBool(), true);
    QCOMPARE(result.value("complete").toBool(), true);
    QCOMPARE(result.value("announced").toInt(), 3);
    QCOMPARE(result.value("leftOut").toList(), QVariantList{17});
    const QVariantList records = result.value("records").toList();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[1].toMap(), (QVariantMap{{"gridindex", 20}, {"portnum", 2}, {"monitornum", 2},
                                              {"relative_row", 1}, {"relative_col", 2},
                                              {"main_relative_row", 0}, {"main_relative_col", 0},
                                              {"attempts", 1}, {"accepted", true}}));
    QCOMPARE(records[0].toMap().value("attempts").toInt(), 2);
    QStringList steps;
    for (const QVariant &s : result.value("steps").toList())
        steps.append(s.toMap().value("exchange").toString() + QLatin1Char(' ')
                     + (s.toMap().value("accepted").toBool() ? "yes" : "no"));
    QCOMPARE(steps, (QStringList{"list-open yes", "port-record no", "port-record yes", "port-record yes",
                                 "mouse-record yes", "list-close yes"}));
}

QTEST_GUILESS_MAIN(tst_DeskUpload)
#include "tst_deskupload.moc"
