// seamrun through the real transport: the tool as shipped, linked against the
// system's hidapi (hidraw backend), which lists the switch through udev, opens
// /dev/hidraw0 and moves the feature reports with ioctls, against a switch
// that umockdev plays at the kernel's interface (switch_testbed). What the
// switch received is read back byte for byte from the testbed's log.
#include "CipherExports.h"
#include "layoutrules.h"

#include <QFile>
#include <QJSEngine>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Three monitors of port 1 in a row, and the mouse settings they are saved with.
const char kMouse[] = "{acceleration_flag:1, mouse_speed:2, mouse_position:3, switching_focus:1,"
                      " duration_time:2, keep_awake:1}";
const char kOnePort[] =
    "[{row:3,col:3,portnum:1,monitornum:'01',width:1920,height:1080},"
    " {row:3,col:4,portnum:1,monitornum:'02',width:1920,height:1080},"
    " {row:3,col:5,portnum:1,monitornum:'03',width:1920,height:1080}]";

// The requests of that desk, as the switch must receive them: the port
// status and version queries, list-open announcing 4 records, the three port
// records (position 1,1 .. 1,3; 1920 x 1080; main position of monitor 01),
// the mouse record and list-close counting 4.
const char kPortStatus[] = "4A 00 00 00 00 00 00 4A";
const char kVersion[] = "41 00 00 00 00 00 00 41";
const char kListOpen[] = "42 04 00 00 00 00 00 46";
const char kRecord1[] = "43 01 01 01 01 80 07 38 04 01 01 0C";
const char kRecord2[] = "43 01 02 01 02 80 07 38 04 00 00 0C";
const char kRecord3[] = "43 01 03 01 03 80 07 38 04 00 00 0E";
const char kMouseRecord[] = "44 00 01 02 03 82 01 00 00 CD";
const char kListClose[] = "45 04 00 00 00 00 00 49";

struct Run {
    int exit = -1;
    QString out;
    QString err;
};

} // namespace

class TstHidraw : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_file;
    QString m_log;

    // The desk saved as the editor saves it: layout text, then protected.
    bool writeLayout()
    {
        QJSEngine rules;
        rules.globalObject().setProperty(QStringLiteral("Layout"), rules.newQObject(new LayoutRules));
        const QJSValue text = rules.evaluate(QStringLiteral("Layout.layoutText(%1, %2)").arg(kMouse, kOnePort));
        QFile plain(m_dir.filePath(QStringLiteral("desk.txt")));
        if (text.isError() || !plain.open(QIODevice::WriteOnly))
            return false;
        plain.write(text.toString().toUtf8());
        plain.close();
        m_file = m_dir.filePath(QStringLiteral("desk.km"));
        return EncryptByFilePath(plain.fileName().toStdU16String().c_str(), m_file.toStdU16String().c_str()) == 0;
    }

    // seamrun ARGS inside a testbed with these options.
    Run seamrun(const QStringList &testbed, const QStringList &args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SEAMRUN_APPLY_WAIT_MS"), QStringLiteral("1"));
        // The transport's own lines: they show the real hidapi at work.
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("seamrun.hid.debug=true"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(UMOCKDEV_WRAPPER),
                      QStringList{QStringLiteral(SWITCH_TESTBED), QStringLiteral("--log=") + m_log} + testbed
                          + QStringList{QStringLiteral("--"), QStringLiteral(SEAMRUN_TOOL)} + args);
        Run run;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QList<QJsonObject> events() const
    {
        QList<QJsonObject> list;
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly))
            return list;
        for (const QByteArray &line : file.readAll().split('\n'))
            if (!line.isEmpty())
                list.append(QJsonDocument::fromJson(line).object());
        return list;
    }

    // The bytes of every request the switch received, in order.
    QStringList requests() const
    {
        QStringList bytes;
        for (const QJsonObject &e : events())
            if (e.value(QStringLiteral("event")).toString() == QLatin1String("request"))
                bytes.append(e.value(QStringLiteral("bytes")).toString());
        return bytes;
    }

    // hidapi's hid_open_path asks a node for its descriptor size before it
    // hands out a handle: seen here, the program opened the testbed's node
    // through hidapi's hidraw code.
    bool openedThroughHidraw() const
    {
        for (const QJsonObject &e : events())
            if (e.value(QStringLiteral("request")).toString() == QLatin1String("HIDIOCGRDESCSIZE"))
                return true;
        return false;
    }

    // A root that cannot give up ignoring file modes cannot be refused the
    // node: the testbed says so with status 77.
    static void skipWithoutNoAccess(const QStringList &testbed, const Run &run)
    {
        if (testbed.contains(QStringLiteral("--no-access")) && run.exit == 77)
            QSKIP("root here cannot give up the capabilities that override file modes");
    }

    // What a run must show: status, the requests the switch got, a text its
    // output ends with (status 0) or its error names, and whether the switch
    // was opened.
    void expect(const Run &run, int exit, const QStringList &sent, const QString &message, bool opened)
    {
        QVERIFY2(run.exit == exit, qPrintable(QStringLiteral("status %1\n%2%3").arg(run.exit).arg(run.out, run.err)));
        QCOMPARE(requests(), sent);
        if (exit == 0)
            QVERIFY2(run.out.endsWith(message + QLatin1Char('\n')), qPrintable(run.out));
        else
            QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(openedThroughHidraw(), opened);
        QCOMPARE(run.err.contains(QStringLiteral("hid_open() ok, handle = 0x")), opened);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariable("LD_PRELOAD").contains(QStringLiteral("seamrun-switch-emulator")),
                 "the emulator would stand in front of the hidapi under test");
        QVERIFY(m_dir.isValid());
        QVERIFY(writeLayout());
        m_log = m_dir.filePath(QStringLiteral("switch.jsonl"));
    }

    void init()
    {
        QFile::remove(m_log);
    }

    void apply_data()
    {
        QTest::addColumn<QStringList>("testbed");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("opened");

        const QStringList queries = {kPortStatus, kVersion};
        const QStringList whole = queries + QStringList{kListOpen, kRecord1, kRecord2, kRecord3, kMouseRecord,
                                                        kListClose};
        const QString uploaded = QStringLiteral("Save to device successfully.");
        const QString failed = QStringLiteral("Failed to upload data.");

        QTest::newRow("the whole upload") << QStringList() << 0 << whole << uploaded << true;
        // A reply may be shorter than the length read, as long as it holds
        // the status byte.
        QTest::newRow("record replies of two bytes") << QStringList{"--short=0x43:2"} << 0 << whole << uploaded
                                                     << true;
        // The switch refused the list, but its reply lost the status byte:
        // not an accepted list.
        QTest::newRow("list-close reply without its status")
            << QStringList{"--refuse=0x45:1", "--short=0x45:1"} << 8 << whole << failed << true;
        // Tried four times, then left out; the switch closes the shorter list
        // it was told about, but the desk is not all there.
        QTest::newRow("a record refused")
            << QStringList{"--refuse-record=2"} << 8
            << queries + QStringList{kListOpen, kRecord1, kRecord2, kRecord2, kRecord2, kRecord2, kMouseRecord,
                                     "45 02 00 00 00 00 00 47"}
            << failed << true;
        // Unplugged once the first record was answered (eight reports):
        // hidraw fails every later ioctl with ENODEV.
        QTest::newRow("switch removed mid-upload")
            << QStringList{"--remove-after=8"} << 8 << queries + QStringList{kListOpen, kRecord1} << failed << true;
        QTest::newRow("no access to the node")
            << QStringList{"--no-access"} << 9 << QStringList()
            << "Device connection is not ready, Please try again. The switch is attached, but this user may not "
               "open it. Install the udev rule 70-orrinkm.rules"
            << false;
    }

    void apply()
    {
        QFETCH(QStringList, testbed);
        QFETCH(int, exit);
        QFETCH(QStringList, sent);
        QFETCH(QString, message);
        QFETCH(bool, opened);
        const Run run = seamrun(testbed, {QStringLiteral("apply"), m_file});
        skipWithoutNoAccess(testbed, run);
        expect(run, exit, sent, message, opened);
        // hidraw's own reason, on the step that failed.
        if (!opened)
            QVERIFY2(run.out.contains(QStringLiteral("open: switch 1209:0001 attached, no access (Failed to open a "
                                                     "device with path '/dev/hidraw0': Permission denied)")),
                     qPrintable(run.out));
    }

    void status_data()
    {
        QTest::addColumn<QStringList>("testbed");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("out"); // the whole output, where it is fixed

        const QStringList queries = {kPortStatus, kVersion};
        const QString driver = QStringLiteral("Extended desktop driver: not running");
        QTest::newRow("one switch") << QStringList() << 0 << queries << driver << true
                                    << "Switch:                  attached (USB 1209:0001)\n"
                                       "Firmware version:        10611\n"
                                       "Switches in the chain:   1\n"
                                       "This computer's port:    P1 (1)\n"
                                       "Extended desktop driver: not running\n";
        QTest::newRow("two switches, computer on S3")
            << QStringList{"--version=1,0,6,1,2", "--port-status=7,0,7,0"} << 0 << queries << driver << true
            << "Switch:                  attached (USB 1209:0001)\n"
               "Firmware version:        10612\n"
               "Switches in the chain:   2\n"
               "This computer's port:    S3 (7)\n"
               "Extended desktop driver: not running\n";
        // A version reply too short to hold the five numbers is no version.
        QTest::newRow("version reply cut short") << QStringList{"--short=0x41:5"} << 8 << queries << "" << true
                                                 << "";
        QTest::newRow("removed after the port status")
            << QStringList{"--remove-after=2"} << 8 << QStringList{kPortStatus}
            << "the switch did not answer every query" << true << "";
        QTest::newRow("no access to the node")
            << QStringList{"--no-access"} << 9 << QStringList()
            << "switch 1209:0001 attached, but this user may not open it (Failed to open a device with path "
               "'/dev/hidraw0': Permission denied). Install the udev rule 70-orrinkm.rules"
            << false
            << "Switch:                  attached, no access (USB 1209:0001)\n"
               "Extended desktop driver: not running\n";
    }

    void status()
    {
        QFETCH(QStringList, testbed);
        QFETCH(int, exit);
        QFETCH(QStringList, sent);
        QFETCH(QString, message);
        QFETCH(bool, opened);
        QFETCH(QString, out);
        const Run run = seamrun(testbed, {QStringLiteral("status")});
        skipWithoutNoAccess(testbed, run);
        expect(run, exit, sent, message, opened);
        if (!out.isEmpty())
            QCOMPARE(run.out, out);
    }
};

QTEST_GUILESS_MAIN(TstHidraw)
#include "tst_hidraw.moc"
