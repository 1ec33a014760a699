// The seamrun tool as a script runs it: the real program on real protected
// layout files, talking to the emulated switch, checked by its exit status,
// its messages and what the switch received (the switch's own log).
//
// Layout files are written with the layout rules' layoutText (called from a
// script engine, as the editor calls it) and protected with the cipher
// library, as the window saves them.
#include "CipherExports.h"
#include "layoutrules.h"
#include "../lib/sleepcopy.h"
#include "switchemulator.h"

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kMouse[] = "{acceleration_flag:1, mouse_speed:2, mouse_position:3, switching_focus:1,"
                      " duration_time:2, keep_awake:1}";

// Three monitors of port 1 in a row.
const char kOnePort[] =
    "[{row:3,col:3,portnum:1,monitornum:'01',width:1920,height:1080},"
    " {row:3,col:4,portnum:1,monitornum:'02',width:1920,height:1080},"
    " {row:3,col:5,portnum:1,monitornum:'03',width:1920,height:1080}]";
// P2 at columns 2-3 and the secondary switch's S2 (port 6) at columns 4-5.
const char kMixedPorts[] =
    "[{row:2,col:2,portnum:2,monitornum:'01',width:1920,height:1080},"
    " {row:2,col:3,portnum:2,monitornum:'02',width:1920,height:1080},"
    " {row:2,col:4,portnum:6,monitornum:'01',width:1280,height:1024},"
    " {row:2,col:5,portnum:6,monitornum:'02',width:1280,height:1024}]";
// The same two ports the other way round: S2 at columns 2-3, P2 at 4-5.
const char kSecondaryFirst[] =
    "[{row:2,col:2,portnum:6,monitornum:'01',width:1280,height:1024},"
    " {row:2,col:3,portnum:6,monitornum:'02',width:1280,height:1024},"
    " {row:2,col:4,portnum:2,monitornum:'01',width:1920,height:1080},"
    " {row:2,col:5,portnum:2,monitornum:'02',width:1920,height:1080}]";
// What remains of it on one switch: P2 alone.
const char kPrimaryPartOnly[] =
    "[{row:2,col:4,portnum:2,monitornum:'01',width:1920,height:1080},"
    " {row:2,col:5,portnum:2,monitornum:'02',width:1920,height:1080}]";
const char kSecondaryOnly[] =
    "[{row:2,col:4,portnum:6,monitornum:'01',width:1280,height:1024},"
    " {row:2,col:5,portnum:6,monitornum:'02',width:1280,height:1024}]";
// Two monitors that do not touch.
const char kIsolated[] =
    "[{row:1,col:1,portnum:1,monitornum:'01',width:1920,height:1080},"
    " {row:1,col:3,portnum:1,monitornum:'02',width:1920,height:1080}]";

struct Run {
    int exit = -1;
    QString out;
    QString err;
};

} // namespace

class TstSeamrun : public QObject
{
    Q_OBJECT

private:
    QJSEngine m_rules;
    QTemporaryDir m_dir;
    SwitchEmulator m_switch;
    int m_files = 0;
    QString m_tmp; // the tool's TMPDIR, to see that it leaves nothing there

    // A protected file holding exactly `plain`.
    QString protect(const QByteArray &plain)
    {
        const QString base = m_dir.filePath(QStringLiteral("layout%1").arg(++m_files));
        QFile file(base + QStringLiteral(".txt"));
        if (!file.open(QIODevice::WriteOnly) || file.write(plain) != plain.size())
            return QString();
        file.close();
        const QString km = base + QStringLiteral(".km");
        if (EncryptByFilePath(file.fileName().toStdU16String().c_str(), km.toStdU16String().c_str()) != 0)
            return QString();
        return km;
    }

    // The layout text of these monitors, left unprotected.
    QString plainFile(const QString &monitors)
    {
        const QJSValue text = m_rules.evaluate(QStringLiteral("Layout.layoutText(%1, %2)").arg(kMouse, monitors));
        QFile file(m_dir.filePath(QStringLiteral("plain%1.km").arg(++m_files)));
        if (text.isError() || !file.open(QIODevice::WriteOnly))
            return QString();
        file.write(text.toString().toUtf8());
        return file.fileName();
    }

    // A layout file as the editor saves these monitors with the test's mouse settings.
    QString layoutFile(const QString &monitors)
    {
        const QJSValue text = m_rules.evaluate(QStringLiteral("Layout.layoutText(%1, %2)").arg(kMouse, monitors));
        if (text.isError())
            return QString();
        return protect(text.toString().toUtf8());
    }

    Run seamrun(const QStringList &args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), m_tmp);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(SEAMRUN_TOOL), args);
        Run run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    static QJsonObject parseJson(const QString &text)
    {
        return QJsonDocument::fromJson(text.toUtf8()).object();
    }

    // What the switch got: the ops of every request in order, and the list
    // it had accepted when the list-close arrived (empty when none did).
    struct Received {
        QStringList ops;
        int announced = -1;
        QJsonArray ports;
        QJsonObject mouse;
        bool opened = false;
        bool closed = false;
    };
    Received received()
    {
        Received r;
        for (const QJsonObject &e : m_switch.take()) {
            const QString event = e.value(QStringLiteral("event")).toString();
            if (event == QLatin1String("open") && e.value(QStringLiteral("handle")).toInt() != 0)
                r.opened = true;
            if (event == QLatin1String("close"))
                r.closed = true;
            if (event != QLatin1String("request"))
                continue;
            const QString op = e.value(QStringLiteral("op")).toString();
            r.ops.append(op);
            if (op == QLatin1String("list-open"))
                r.announced = e.value(QStringLiteral("amount")).toInt();
            if (op == QLatin1String("list-close")) {
                const QJsonObject t = e.value(QStringLiteral("transaction")).toObject();
                r.ports = t.value(QStringLiteral("ports")).toArray();
                r.mouse = t.value(QStringLiteral("mouse")).toObject();
            }
        }
        return r;
    }

    // [port, number, x, y, width, height, main x, main y] of each record.
    static QString recordList(const QJsonArray &ports)
    {
        QStringList rows;
        for (const QJsonValue &v : ports) {
            const QJsonObject p = v.toObject();
            QStringList fields;
            for (const char *key : {"portNum", "monitorNum", "x", "y", "width", "height", "main_x", "main_y"})
                fields.append(QString::number(p.value(QLatin1String(key)).toInt()));
            rows.append(QLatin1Char('[') + fields.join(QLatin1Char(',')) + QLatin1Char(']'));
        }
        return rows.join(QLatin1Char(' '));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(SwitchEmulator::preloaded());
        QVERIFY(m_dir.isValid());
        m_tmp = m_dir.filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(m_tmp));
        m_rules.globalObject().setProperty(QStringLiteral("Layout"), m_rules.newQObject(new LayoutRules));
        // The wait between opening the switch and the first query, shortened.
        qputenv("SEAMRUN_APPLY_WAIT_MS", "1");
    }

    void init()
    {
        SwitchEmulator::reset();
        m_switch.take();
    }

    // Every way a file can pass or fail the editor's checks, and the files
    // the editor would not open at all.
    void check_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("message");

        QTest::newRow("passes")
            << layoutFile("[{row:1,col:1,portnum:1,monitornum:'01',width:1920,height:1080},"
                          " {row:1,col:2,portnum:1,monitornum:'02',width:1920,height:1080},"
                          " {row:2,col:1,portnum:2,monitornum:'01',width:1280,height:1024},"
                          " {row:2,col:2,portnum:2,monitornum:'02',width:1280,height:1024}]")
            << 0 << "passed" << "passes (4 monitors on 2 ports)";
        QTest::newRow("monitor without port")
            << layoutFile("[{row:2,col:2,portnum:1,monitornum:'01',width:1920,height:1080},"
                          " {row:2,col:3,portnum:0,monitornum:'01',width:1920,height:1080}]")
            << 1 << "missing-port" << "The monitor at row 2, column 3 has no port. Please select a number.";
        QTest::newRow("monitor without resolution")
            << layoutFile("[{row:2,col:2,portnum:1,monitornum:'01',width:1920,height:1080},"
                          " {row:2,col:3,portnum:1,monitornum:'02',width:1920,height:0}]")
            << 1 << "missing-resolution"
            << "The monitor P1 02 at row 2, column 3 has no resolution. Please select a resolution.";
        QTest::newRow("isolated monitor") << layoutFile(kIsolated) << 1 << "isolated"
            << "Current configuration contains blank area among the blocks. Please adjust it and save again.";
        QTest::newRow("L shape")
            << layoutFile("[{row:1,col:1,portnum:1,monitornum:'01',width:1920,height:1080},"
                          " {row:1,col:2,portnum:1,monitornum:'02',width:1920,height:1080},"
                          " {row:2,col:1,portnum:1,monitornum:'03',width:1920,height:1080},"
                          " {row:2,col:2,portnum:3,monitornum:'01',width:1920,height:1080},"
                          " {row:3,col:2,portnum:3,monitornum:'02',width:1920,height:1080},"
                          " {row:3,col:3,portnum:3,monitornum:'03',width:1920,height:1080}]")
            << 1 << "not-rectangular"
            << "Current configuration of P1,P3 is not set in a rectangular shape. Please adjust it and save again.";
        QTest::newRow("mixed resolutions")
            << layoutFile("[{row:1,col:1,portnum:1,monitornum:'01',width:1920,height:1080},"
                          " {row:1,col:2,portnum:1,monitornum:'02',width:1280,height:1024},"
                          " {row:1,col:3,portnum:1,monitornum:'03',width:1080,height:1920}]")
            << 1 << "mixed-resolution"
            << "Screens that configured to P1 are not set in the same resolution. Please adjust it and save again.";
        QTest::newRow("no monitor") << layoutFile("[]") << 1 << "no-monitor" << "The layout holds no monitor.";

        QTest::newRow("text that is no JSON") << protect("[{\"monitorlist\":[") << 2 << ""
                                              << "not a layout file";
        QTest::newRow("entry without monitornum")
            << protect(R"([{"monitorlist":[{"row":"1","col":"1","width":"1920","height":"1080","portnum":"1"}]}])")
            << 2 << "" << "not a layout file";
        QTest::newRow("two monitors on one cell")
            << layoutFile("[{row:1,col:1,portnum:1,monitornum:'01',width:1920,height:1080},"
                          " {row:1,col:1,portnum:1,monitornum:'02',width:1920,height:1080}]")
            << 2 << "" << "not a layout file";
        QTest::newRow("layout text, not protected") << plainFile(kOnePort) << 2 << "" << "not a layout file";
        QTest::newRow("too short to be protected") << QStringLiteral(SEAMRUN_SOURCE_DIR "/.gitignore") << 2 << ""
                                                   << "too short to be a protected layout file";
        QTest::newRow("no such file") << m_dir.filePath(QStringLiteral("missing.km")) << 2 << "" << "no such file";
        QTest::newRow("a folder") << m_dir.path() << 2 << "" << "not an ordinary file (a folder)";
        // Read, a named pipe would hold the tool until something writes to
        // it, and a device such as /dev/zero never ends.
        const QString pipe = m_dir.filePath(QStringLiteral("pipe.km"));
        if (::mkfifo(QFile::encodeName(pipe).constData(), 0600) != 0)
            qFatal("cannot make a named pipe");
        QTest::newRow("a named pipe") << pipe << 2 << "" << "not an ordinary file (a named pipe)";
        const QString device = m_dir.filePath(QStringLiteral("device.km"));
        if (!QFile::link(QStringLiteral("/dev/zero"), device))
            qFatal("cannot make a link");
        QTest::newRow("a link to a device") << device << 2 << "" << "not an ordinary file (a character device)";
    }

    void check()
    {
        QFETCH(QString, file);
        QFETCH(int, exit);
        QFETCH(QString, check);
        QFETCH(QString, message);
        QVERIFY(!file.isEmpty());

        const Run run = seamrun({QStringLiteral("check"), file});
        QCOMPARE(run.exit, exit);
        if (exit == 0) {
            QCOMPARE(run.out, file + QStringLiteral(": ") + message + QLatin1Char('\n'));
            QCOMPARE(run.err, QString());
        } else if (exit == 1) {
            QCOMPARE(run.out, QString());
            QCOMPARE(run.err, QStringLiteral("seamrun: ") + file + QStringLiteral(": ") + message + QLatin1Char('\n'));
        } else {
            QVERIFY2(run.err.startsWith(QStringLiteral("seamrun: ") + file + QStringLiteral(": ") + message),
                     qPrintable(run.err));
        }

        const Run json = seamrun({QStringLiteral("check"), QStringLiteral("--json"), file});
        QCOMPARE(json.exit, exit);
        const QJsonObject result = parseJson(json.out);
        QCOMPARE(result.value(QStringLiteral("exit")).toInt(-1), exit);
        QCOMPARE(result.value(QStringLiteral("file")).toString(), file);
        QCOMPARE(result.value(QStringLiteral("check")).toString(), check);
        if (exit == 1)
            QCOMPARE(result.value(QStringLiteral("message")).toString(), message);

        // The editor opens what check accepts, and so does show; apply
        // refuses a file that fails its checks before looking for a switch.
        QCOMPARE(seamrun({QStringLiteral("show"), file}).exit, exit == 2 ? 2 : 0);
        QCOMPARE(seamrun({QStringLiteral("apply"), file}).exit, exit);
        QVERIFY(exit == 0 || received().ops.isEmpty());
        // Nothing is left in the temporary folder.
        QCOMPARE(QDir(m_tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // A name that is not text in the locale's encoding is a file all the
    // same: it is opened by its bytes and shown with them as "\xFF".
    void nameThatIsNotText_data()
    {
        QTest::addColumn<QByteArray>("name");    // its bytes
        QTest::addColumn<QByteArray>("escaped"); // the same for printf(1)
        QTest::addColumn<QString>("shown");
        QTest::newRow("bytes that are no UTF-8") << QByteArray("bad\xff\xfe.km") << QByteArray("bad\\377\\376.km")
                                                 << QStringLiteral("bad\\xFF\\xFE.km");
        QTest::newRow("text, then a stray byte") << QByteArray("\xe6\xa1\x8c \xe9.km")
                                                 << QByteArray("\\346\\241\\214 \\351.km")
                                                 << QStringLiteral("\u684C \\xE9.km");
        QTest::newRow("a cut sequence") << QByteArray("caf\xc3.km") << QByteArray("caf\\303.km")
                                        << QStringLiteral("caf\\xC3.km");
    }

    void nameThatIsNotText()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, escaped);
        QFETCH(QString, shown);
        const QString file = layoutFile(kOnePort);
        QVERIFY(!file.isEmpty());
        const QByteArray folder = QFile::encodeName(m_dir.path());
        QCOMPARE(::rename(QFile::encodeName(file).constData(), (folder + '/' + name).constData()), 0);

        // The name reaches the tool as bytes: printf(1) makes them, as a
        // shell would pass them on.
        const auto run = [&](const QString &command, bool json) {
            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("TMPDIR"), m_tmp);
            env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
            process.setProcessEnvironment(env);
            process.setWorkingDirectory(m_dir.path());
            process.start(QStringLiteral("/bin/sh"),
                          {QStringLiteral("-c"), QStringLiteral("exec \"$0\" $1 \"$2\" \"$(printf \"$3\")\""),
                           QStringLiteral(SEAMRUN_TOOL), json ? QStringLiteral("--json") : QString(), command,
                           QString::fromLatin1(escaped)});
            Run r;
            if (process.waitForFinished(60000)) {
                r.exit = process.exitCode();
                r.out = QString::fromUtf8(process.readAllStandardOutput());
                r.err = QString::fromUtf8(process.readAllStandardError());
            }
            return r;
        };
        const Run check = run(QStringLiteral("check"), false);
        QCOMPARE(check.err, QString());
        QCOMPARE(check.out, shown + QStringLiteral(": passes (3 monitors on 1 port)\n"));
        QCOMPARE(check.exit, 0);
        const Run show = run(QStringLiteral("show"), false);
        QCOMPARE(show.exit, 0);
        QVERIFY2(show.out.startsWith(shown + QStringLiteral(": 3 monitors on 1 port")), qPrintable(show.out));
        const Run apply = run(QStringLiteral("apply"), false);
        QCOMPARE(apply.exit, 0);
        QVERIFY(apply.out.contains(QStringLiteral("Save to device successfully.")));
        const Run json = run(QStringLiteral("check"), true);
        QCOMPARE(json.exit, 0);
        QCOMPARE(parseJson(json.out).value(QStringLiteral("file")).toString(), shown);
        // A name that does not exist is still told apart, with its bytes shown.
        QCOMPARE(::unlink((folder + '/' + name).constData()), 0);
        const Run missing = run(QStringLiteral("check"), false);
        QCOMPARE(missing.exit, 2);
        QCOMPARE(missing.err, QStringLiteral("seamrun: ") + shown + QStringLiteral(": no such file\n"));
    }

    void checkNamesThePortsInJson()
    {
        const QString file = layoutFile("[{row:1,col:1,portnum:6,monitornum:'01',width:1920,height:1080},"
                                        " {row:1,col:2,portnum:6,monitornum:'02',width:1280,height:1024},"
                                        " {row:1,col:3,portnum:6,monitornum:'03',width:1280,height:1024}]");
        const QJsonObject result = parseJson(seamrun({QStringLiteral("--json"), QStringLiteral("check"), file}).out);
        QCOMPARE(result.value(QStringLiteral("ports")).toArray(), QJsonArray({6}));
        QCOMPARE(result.value(QStringLiteral("errorPort")).toString(), QStringLiteral("P6"));
    }

    void show()
    {
        const QString file = layoutFile(
            "[{row:4,col:6,portnum:6,monitornum:'01',width:1080,height:1920},"
            " {row:3,col:4,portnum:1,monitornum:'01',width:1920,height:1080},"
            " {row:3,col:5,portnum:1,monitornum:'02',width:1920,height:1080},"
            " {row:4,col:4,portnum:0,monitornum:'01',width:0,height:0}]");
        const Run run = seamrun({QStringLiteral("show"), file});
        QCOMPARE(run.exit, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, file + QStringLiteral(": 4 monitors on 3 ports, rows 3-4, columns 4-6\n"
                                                "\n"
                                                "row/col  4      5      6\n"
                                                "3        P1 01  P1 02    .\n"
                                                "4        -- 01    .    S2 01\n"
                                                "\n"
                                                "Monitors:\n"
                                                "  P1 01  row 3, column 4  1920 x 1080  horizontal\n"
                                                "  P1 02  row 3, column 5  1920 x 1080  horizontal\n"
                                                "  -- 01  row 4, column 4  0 x 0  horizontal\n"
                                                "  S2 01  row 4, column 6  1080 x 1920  vertical\n"
                                                "\n"
                                                "Mouse:\n"
                                                "  Acceleration:     on, speed 2 of 10\n"
                                                "  Position:         lower left\n"
                                                "  Switching focus:  on, 5 seconds\n"
                                                "  Keep awake:       when working\n"));

        const QJsonObject json = parseJson(seamrun({QStringLiteral("show"), QStringLiteral("--json"), file}).out);
        QCOMPARE(json.value(QStringLiteral("exit")).toInt(-1), 0);
        const QJsonArray monitors = json.value(QStringLiteral("monitors")).toArray();
        QCOMPARE(monitors.size(), 4);
        QCOMPARE(monitors.at(3).toObject(),
                 QJsonObject({{"row", 4}, {"col", 6}, {"port", 6}, {"portName", "S2"}, {"monitor", "01"},
                              {"width", 1080}, {"height", 1920}, {"orientation", "v"}}));
        const QJsonObject mouse = json.value(QStringLiteral("mouse")).toObject();
        QCOMPARE(mouse.value(QStringLiteral("duration_time")).toInt(), 2);
        QCOMPARE(mouse.value(QStringLiteral("keepAwakeText")).toString(), QStringLiteral("when working"));
    }

    // show --json, then write, then show --json again: the same desk, for
    // every template configuration and every layout of the fuzz corpus. A
    // file the checks refuse is refused by write alike, and nothing is written.
    void writeRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        QFile saved(QStringLiteral(SEAMRUN_SOURCE_DIR "/tests/fixtures/desk/templates-saved.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        int templates = 0;
        while (!saved.atEnd()) {
            const QByteArray line = saved.readLine().trimmed();
            const int space = line.indexOf(' ');
            if (space < 0)
                continue;
            QTest::newRow(("template " + line.left(space)).constData()) << protect(line.mid(space + 1));
            ++templates;
        }
        QCOMPARE(templates, 58);
        const QDir corpus(QStringLiteral(SEAMRUN_SOURCE_DIR "/tests/fuzz/corpus/decrypt_file"));
        for (const QString &name : corpus.entryList(QDir::Files))
            QTest::newRow(("corpus " + name).toUtf8().constData()) << corpus.filePath(name);
    }

    void writeRoundTrip()
    {
        QFETCH(QString, file);
        QVERIFY(!file.isEmpty());
        const Run shown = seamrun({QStringLiteral("--json"), QStringLiteral("show"), file});
        if (shown.exit != 0) {
            QCOMPARE(shown.exit, 2); // not a layout: nothing to round-trip
            return;
        }
        const QString desk = m_dir.filePath(QStringLiteral("desk%1.json").arg(++m_files));
        QFile json(desk);
        QVERIFY(json.open(QIODevice::WriteOnly));
        json.write(shown.out.toUtf8());
        json.close();

        const QString written = m_dir.filePath(QStringLiteral("written%1.km").arg(m_files));
        const Run checked = seamrun({QStringLiteral("check"), file});
        const Run write = seamrun({QStringLiteral("write"), desk, written});
        QCOMPARE(write.exit, checked.exit);
        if (checked.exit != 0) {
            QVERIFY(!QFile::exists(written));
            return;
        }
        QCOMPARE(write.err, QString());
        QVERIFY2(write.out.startsWith(written + QStringLiteral(": written (")), qPrintable(write.out));

        QJsonObject before = parseJson(shown.out);
        QJsonObject after = parseJson(seamrun({QStringLiteral("--json"), QStringLiteral("show"), written}).out);
        before.remove(QStringLiteral("file"));
        after.remove(QStringLiteral("file"));
        QCOMPARE(after, before);
    }

    // Desks write refuses, with check's exit statuses, and an earlier file
    // under the name left as it was.
    void writeRefuses_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("message");

        const QByteArray one = R"({"row":1,"col":1,"port":1,"monitor":"01","width":1920,"height":1080})";
        QTest::newRow("not JSON") << QByteArray("{\"monitors\": [") << 2 << "not a layout: not JSON";
        QTest::newRow("no monitor list") << QByteArray(R"({"mouse":{}})") << 2 << "no \"monitors\" list";
        QTest::newRow("row off the grid")
                << QByteArray(R"({"monitors":[{"row":17,"col":1,"port":1,"monitor":"01","width":1920,"height":1080}]})")
                << 2 << "monitor 1: \"row\" must be a whole number from 1 to 16";
        QTest::newRow("width not a number")
                << QByteArray(R"({"monitors":[{"row":1,"col":1,"port":1,"monitor":"01","width":"wide","height":1080}]})")
                << 2 << "monitor 1: \"width\" must be a whole number from 0 to 65535";
        QTest::newRow("half a port")
                << QByteArray(R"({"monitors":[{"row":1,"col":1,"port":1.5,"monitor":"01","width":1920,"height":1080}]})")
                << 2 << "\"port\" must be a whole number from 0 to 8";
        QTest::newRow("two on one cell") << QByteArray("{\"monitors\":[" + one + "," + one + "]}") << 2
                                         << "the editor would refuse it";
        QTest::newRow("mouse speed") << QByteArray("{\"monitors\":[" + one + "],\"mouse\":{\"speed\":11}}") << 2
                                     << "mouse: \"speed\" must be a whole number from 0 to 10";
        QTest::newRow("no monitor") << QByteArray(R"({"monitors":[]})") << 1 << "The layout holds no monitor.";
        QTest::newRow("blank area between")
                << QByteArray(R"({"monitors":[{"row":1,"col":1,"port":1,"monitor":"01","width":1920,"height":1080},)"
                              R"({"row":1,"col":3,"port":1,"monitor":"02","width":1920,"height":1080}]})")
                << 1 << "Current configuration contains blank area among the blocks.";
        QTest::newRow("no resolution")
                << QByteArray(R"({"monitors":[{"row":2,"col":3,"port":1,"monitor":"01","width":0,"height":0}]})") << 1
                << "The monitor P1 01 at row 2, column 3 has no resolution.";
    }

    void writeRefuses()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, exit);
        QFETCH(QString, message);
        const QString desk = m_dir.filePath(QStringLiteral("desk%1.json").arg(++m_files));
        QFile file(desk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json);
        file.close();
        const QString target = m_dir.filePath(QStringLiteral("kept%1.km").arg(m_files));
        QFile earlier(target);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();

        const Run run = seamrun({QStringLiteral("--json"), QStringLiteral("write"), desk, target});
        QCOMPARE(run.exit, exit);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(parseJson(run.out).value(QStringLiteral("exit")).toInt(-1), exit);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        // Nothing was left beside it on the way.
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("kept%1*").arg(m_files)}),
                 QStringList{QStringLiteral("kept%1.km").arg(m_files)});
    }

    // A desk written by hand: the derived texts of show are not needed, the
    // mouse takes the blank desk's values, and the file opens as written.
    void writeByHand()
    {
        const QString desk = m_dir.filePath(QStringLiteral("hand.json"));
        QFile file(desk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"monitors":[{"row":3,"col":4,"port":2,"monitor":1,"width":1080,"height":1920},)"
                   R"({"row":3,"col":5,"port":2,"monitor":"02","width":1080,"height":1920}]})");
        file.close();
        const QString target = m_dir.filePath(QStringLiteral("hand.km"));
        QCOMPARE(seamrun({QStringLiteral("write"), desk, target}).exit, 0);
        const QJsonObject shown = parseJson(seamrun({QStringLiteral("--json"), QStringLiteral("show"), target}).out);
        QCOMPARE(shown.value(QStringLiteral("monitors")).toArray().at(1).toObject(),
                 QJsonObject({{"row", 3}, {"col", 5}, {"port", 2}, {"portName", "P2"}, {"monitor", "02"},
                              {"width", 1080}, {"height", 1920}, {"orientation", "v"}}));
        QCOMPARE(shown.value(QStringLiteral("mouse")).toObject().value(QStringLiteral("position")).toInt(), 4);

        // Where nothing can be written, write says so: a folder under the
        // name (kept), a device (a full disk), a folder that is not there.
        const QString folder = m_dir.filePath(QStringLiteral("a folder.km"));
        QVERIFY(QDir().mkpath(folder));
        const QStringList targets = {folder, QStringLiteral("/dev/full"),
                                     m_dir.filePath(QStringLiteral("no such folder/desk.km"))};
        for (const QString &target : targets) {
            const Run run = seamrun({QStringLiteral("write"), desk, target});
            QCOMPARE(run.exit, 2);
            QVERIFY2(run.err.contains(QStringLiteral("cannot be written")), qPrintable(run.err));
            QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
        }
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("no such folder"))));
    }

    // Mouse values as a template or an old file carries them: missing ones
    // take the editor's defaults, and the words follow the stored codes.
    void showMouseWords_data()
    {
        QTest::addColumn<QByteArray>("members");
        QTest::addColumn<QString>("words");
        QTest::newRow("template") << QByteArray(R"("acceleration":"0","speed":"0","position":"4")")
                                  << "off, speed 0 of 10|lower right|off, 3 seconds|off";
        QTest::newRow("always") << QByteArray(R"("acceleration":"1","speed":"10","position":"5",)"
                                              R"("switching_focus":1,"duration_time":0,"keep_awake":2)")
                                << "on, speed 10 of 10|middle|on, always|always";
        QTest::newRow("outside the choices")
            << QByteArray(R"("acceleration":"0","speed":"3","position":"9","duration_time":3)")
            << "off, speed 3 of 10|9 (not one of the five places; shown as lower right)|off, 10 seconds|off";
    }

    void showMouseWords()
    {
        QFETCH(QByteArray, members);
        QFETCH(QString, words);
        const QString file = protect("[{" + members + R"(,"monitorlist":[]}])");
        const Run run = seamrun({QStringLiteral("show"), file});
        QCOMPARE(run.exit, 0);
        const QStringList w = words.split(QLatin1Char('|'));
        QVERIFY2(run.out.endsWith(QStringLiteral("Mouse:\n  Acceleration:     %1\n  Position:         %2\n"
                                                 "  Switching focus:  %3\n  Keep awake:       %4\n")
                                      .arg(w[0], w[1], w[2], w[3])),
                 qPrintable(run.out));
    }

    // A mouse position beyond the byte the switch takes: shown and sent as
    // the editor loads it (lower right), never cut to another place.
    void mouseOutsideOneByte_data()
    {
        QTest::addColumn<QByteArray>("position");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("words");
        QTest::newRow("261") << QByteArray("261") << 4 << "lower right";
        QTest::newRow("256") << QByteArray("256") << 4 << "lower right";
        QTest::newRow("2^31") << QByteArray("2147483648") << 4 << "lower right";
        QTest::newRow("1e308") << QByteArray("1e308") << 4 << "lower right";
        QTest::newRow("-1") << QByteArray("\"-1\"") << 4 << "lower right";
        // Inside the byte a value outside the five places stays as stored.
        QTest::newRow("255") << QByteArray("255") << 255 << "255 (not one of the five places; shown as lower right)";
    }

    void mouseOutsideOneByte()
    {
        QFETCH(QByteArray, position);
        QFETCH(int, value);
        QFETCH(QString, words);
        const QString file = protect(R"([{"acceleration":"1","speed":"2","position":)" + position
                                     + R"(,"monitorlist":[{"row":"3","col":"3","width":"1920","height":"1080",)"
                                       R"("portnum":"1","monitornum":"01"}]}])");
        const Run show = seamrun({QStringLiteral("show"), file});
        QCOMPARE(show.exit, 0);
        QVERIFY2(show.out.contains(QStringLiteral("\n  Position:         ") + words + QLatin1Char('\n')),
                 qPrintable(show.out));
        const QJsonObject shown = parseJson(seamrun({QStringLiteral("--json"), QStringLiteral("show"), file}).out)
                                      .value(QStringLiteral("mouse")).toObject();
        QCOMPARE(shown.value(QStringLiteral("position")).toInt(-1), value);

        const Run apply = seamrun({QStringLiteral("apply"), file});
        QCOMPARE(apply.exit, 0);
        const Received got = received();
        QCOMPARE(got.mouse.value(QStringLiteral("position")).toInt(-1), value);
    }

    // "Save to device" without the window, every outcome, with what the
    // switch received. The records are those the window sends for the same
    // layout.
    void apply_data()
    {
        QTest::addColumn<QString>("monitors");
        QTest::addColumn<QByteArrayList>("setup");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<int>("announced");
        QTest::addColumn<QString>("records");
        QTest::addColumn<QString>("message");

        const QStringList queries = {"port-status", "version"};
        const QStringList onePortOps = queries + QStringList{"list-open", "port-record", "port-record",
                                                             "port-record", "mouse-record", "list-close"};
        const QString onePortRecords = "[1,1,1,1,1920,1080,1,1] [1,2,1,2,1920,1080,0,0] [1,3,1,3,1920,1080,0,0]";
        const QString uploaded = "Save to device successfully.";
        const QString failed = "Failed to upload data.";
        const QString driver = "The extended desktop driver ap is running. Please close it and upload again.";
        const QStringList none;
        const QStringList primaryOnly = {"--primary-only"};

        QTest::newRow("one switch") << kOnePort << QByteArrayList() << none << 0 << onePortOps << 4
                                    << onePortRecords << uploaded;
        QTest::newRow("two switches") << kMixedPorts << QByteArrayList{"CHAIN=2"} << none << 0
            << queries + QStringList{"list-open", "port-record", "port-record", "port-record", "port-record",
                                     "mouse-record", "list-close"}
            << 5 << "[2,1,1,1,1920,1080,1,1] [2,2,1,2,1920,1080,0,0] [6,1,1,3,1280,1024,1,2] [6,2,1,4,1280,1024,0,0]"
            << uploaded;
        QTest::newRow("one switch, both switches' ports") << kMixedPorts << QByteArrayList() << none << 6 << queries
            << -1 << "" << "Run again with --primary-only";
        QTest::newRow("one switch, --primary-only") << kMixedPorts << QByteArrayList() << primaryOnly << 0
            << queries + QStringList{"list-open", "port-record", "port-record", "mouse-record", "list-close"}
            << 3 << "[2,1,1,1,1920,1080,1,1] [2,2,1,2,1920,1080,0,0]" << uploaded;
        QTest::newRow("two switches, --primary-only sends all") << kMixedPorts << QByteArrayList{"CHAIN=2"}
            << primaryOnly << 0
            << queries + QStringList{"list-open", "port-record", "port-record", "port-record", "port-record",
                                     "mouse-record", "list-close"}
            << 5 << "[2,1,1,1,1920,1080,1,1] [2,2,1,2,1920,1080,0,0] [6,1,1,3,1280,1024,1,2] [6,2,1,4,1280,1024,0,0]"
            << uploaded;
        QTest::newRow("one switch, secondary ports only") << kSecondaryOnly << QByteArrayList() << primaryOnly << 7
            << queries << -1 << ""
            << "Only one OrrinKM is connected. Please set port number between P1 to P4.";
        QTest::newRow("computer on the secondary switch") << kOnePort << QByteArrayList{"PORT_STATUS=5,0,5,0"}
            << none << 5 << QStringList{"port-status"} << -1 << ""
            << "To save and apply the layout configuration to OrrinKM, please connect your computer to the "
               "Primary OrrinKM device.";
        QTest::newRow("port status unanswered") << kOnePort << QByteArrayList{"FAIL_READ=port-status"} << none << 0
            << onePortOps << 4 << onePortRecords << uploaded;
        QTest::newRow("version refused") << kOnePort << QByteArrayList{"REFUSE=version:1"} << none << 8 << queries
            << -1 << "" << failed;
        QTest::newRow("version names three switches") << kMixedPorts << QByteArrayList{"CHAIN=3"} << primaryOnly
            << 8 << queries << -1 << "" << failed;
        QTest::newRow("list-open answered 3") << kOnePort << QByteArrayList{"REFUSE=list-open:3"} << none << 3
            << queries + QStringList{"list-open"} << 4 << "" << driver;
        QTest::newRow("list-open refused") << kOnePort << QByteArrayList{"REFUSE=list-open:1"} << none << 8
            << queries + QStringList{"list-open"} << 4 << "" << failed;
        QTest::newRow("record refused twice, then taken") << kOnePort << QByteArrayList{"REFUSE_RECORD=2:2"} << none
            << 0
            << queries + QStringList{"list-open", "port-record", "port-record", "port-record", "port-record",
                                     "port-record", "mouse-record", "list-close"}
            << 4 << onePortRecords << uploaded;
        // The walk ends at a record refused four times; the list is closed
        // as it is, and the upload counts as failed.
        QTest::newRow("record refused four times") << kOnePort << QByteArrayList{"REFUSE_RECORD=2:4"} << none << 8
            << queries + QStringList{"list-open", "port-record", "port-record", "port-record", "port-record",
                                     "port-record", "mouse-record", "list-close"}
            << 4 << "[1,1,1,1,1920,1080,1,1]" << failed;
        QTest::newRow("list-close refused") << kOnePort << QByteArrayList{"REFUSE=list-close:1"} << none << 8
            << onePortOps << 4 << "" << failed;
        QTest::newRow("no switch") << kOnePort << QByteArrayList{"ABSENT=1"} << none << 4 << QStringList() << -1
            << "" << "Device connection is not ready, Please try again.";
        QTest::newRow("no access") << kOnePort << QByteArrayList{"NO_ACCESS=1"} << none << 9 << QStringList() << -1
            << "" << "Device connection is not ready, Please try again. The switch is attached, but this user may "
                     "not open it. Install the udev rule 70-orrinkm.rules";

        // Replies shorter than the length read: fine while they hold what is
        // read (the status, and the queries' data), a failure without it.
        QTest::newRow("short replies that hold what is read")
            << kOnePort
            << QByteArrayList{"SHORT=version:7,port-status:6,list-open:2,port-record:2,mouse-record:2,list-close:2"}
            << none << 0 << onePortOps << 4 << onePortRecords << uploaded;
        QTest::newRow("list-close refused, reply without its status byte") << kOnePort
            << QByteArrayList{"REFUSE=list-close:1", "SHORT=list-close:1"} << none << 8 << onePortOps << 4 << ""
            << failed;
        QTest::newRow("list-open reply without its status byte") << kOnePort << QByteArrayList{"SHORT=list-open:1"}
            << none << 8 << queries + QStringList{"list-open"} << 4 << "" << failed;

        // "Continue" with one switch: the monitors that remain are placed
        // among themselves, the same bytes as a desk of those alone.
        QTest::newRow("one switch, --primary-only, secondary ports first") << kSecondaryFirst << QByteArrayList()
            << primaryOnly << 0
            << queries + QStringList{"list-open", "port-record", "port-record", "mouse-record", "list-close"}
            << 3 << "[2,1,1,1,1920,1080,1,1] [2,2,1,2,1920,1080,0,0]" << uploaded;
        QTest::newRow("the primary part alone") << kPrimaryPartOnly << QByteArrayList() << none << 0
            << queries + QStringList{"list-open", "port-record", "port-record", "mouse-record", "list-close"}
            << 3 << "[2,1,1,1,1920,1080,1,1] [2,2,1,2,1920,1080,0,0]" << uploaded;

        // A version text that names no chain only matters to monitors above
        // port 4.
        QTest::newRow("version with a two-digit byte, ports P1-P4") << kOnePort
            << QByteArrayList{"VERSION=1,0,10,1"} << none << 0 << onePortOps << 4 << onePortRecords << uploaded;
        QTest::newRow("chain byte 12, ports P1-P4") << kOnePort << QByteArrayList{"CHAIN=12"} << none << 0
            << onePortOps << 4 << onePortRecords << uploaded;
        QTest::newRow("version with a two-digit byte, secondary ports") << kMixedPorts
            << QByteArrayList{"VERSION=1,0,10,1"} << primaryOnly << 8 << queries << -1 << "" << failed;
    }

    void apply()
    {
        QFETCH(QString, monitors);
        QFETCH(QByteArrayList, setup);
        QFETCH(QStringList, options);
        QFETCH(int, exit);
        QFETCH(QStringList, ops);
        QFETCH(int, announced);
        QFETCH(QString, records);
        QFETCH(QString, message);

        const QString file = layoutFile(monitors);
        QVERIFY(!file.isEmpty());
        QFile protectedFile(file);
        QVERIFY(protectedFile.open(QIODevice::ReadOnly));
        const QByteArray before = protectedFile.readAll();
        protectedFile.close();
        for (const QByteArray &setting : setup)
            SwitchEmulator::apply(setting);

        const Run run = seamrun(QStringList{QStringLiteral("apply"), file} + options);
        QCOMPARE(run.exit, exit);
        if (exit == 0) {
            QVERIFY2(run.out.endsWith(message + QLatin1Char('\n')), qPrintable(run.out));
            QVERIFY(run.out.contains(QStringLiteral("\nwait: 1 ms before asking the switch\n")));
            QCOMPARE(run.err, QString());
        } else {
            QVERIFY2(run.err.startsWith(QStringLiteral("seamrun: ") + file + QStringLiteral(": ")), qPrintable(run.err));
            QVERIFY2(run.err.contains(message), qPrintable(run.err));
        }

        const Received got = received();
        QCOMPARE(got.ops, ops);
        QCOMPARE(got.announced, announced);
        QCOMPARE(recordList(got.ports), records);
        if (got.ops.contains(QStringLiteral("mouse-record")) && !got.ports.isEmpty()) {
            QCOMPARE(got.mouse, QJsonObject({{"serialNum", 0}, {"acceleration", 1}, {"speed", 2}, {"position", 3},
                                             {"focus", 1}, {"duration", 2}, {"awake", 1}}));
        }
        // An opened switch is closed again; the file is never changed.
        QCOMPARE(got.closed, got.opened);
        QVERIFY(protectedFile.open(QIODevice::ReadOnly));
        QCOMPARE(protectedFile.readAll(), before);
    }

    void applyJson()
    {
        SwitchEmulator::set("REFUSE_RECORD", "1:1");
        const Run run = seamrun({QStringLiteral("--json"), QStringLiteral("apply"), layoutFile(kOnePort)});
        QCOMPARE(run.exit, 0);
        const QJsonObject result = parseJson(run.out);
        QCOMPARE(result.value(QStringLiteral("exit")).toInt(-1), 0);
        QCOMPARE(result.value(QStringLiteral("version")).toString(), QStringLiteral("10611"));
        QCOMPARE(result.value(QStringLiteral("chain")).toInt(), 1);
        QCOMPARE(result.value(QStringLiteral("message")).toString(), QStringLiteral("Save to device successfully."));
        const QJsonArray sent = result.value(QStringLiteral("records")).toArray();
        QCOMPARE(sent.size(), 3);
        QCOMPARE(sent.at(0).toObject(),
                 QJsonObject({{"portNum", 1}, {"monitorNum", 1}, {"x", 1}, {"y", 1}, {"width", 1920},
                              {"height", 1080}, {"main_x", 1}, {"main_y", 1}, {"attempts", 2}, {"accepted", true}}));
    }

    // A program running under the companion's name stops the upload before
    // the switch is opened.
    void applyWhileTheDriverRuns()
    {
        const QString companion = copyOfSleep(m_dir.filePath(QStringLiteral("OrrinKM Extended")));
        QVERIFY(!companion.isEmpty());
        QProcess driver;
        driver.start(companion, {QStringLiteral("120")});
        QVERIFY(driver.waitForStarted());

        const QString file = layoutFile(kOnePort);
        const Run run = seamrun({QStringLiteral("apply"), file});
        const Received got = received();
        const Run status = seamrun({QStringLiteral("--json"), QStringLiteral("status")});
        driver.kill();
        driver.waitForFinished();

        QCOMPARE(run.exit, 3);
        QCOMPARE(run.err, QStringLiteral("seamrun: ") + file
                              + QStringLiteral(": The extended desktop driver ap is running. Please close it and "
                                               "upload again.\n"));
        QVERIFY(!got.opened);
        QCOMPARE(got.ops, QStringList());
        // status reports it beside the switch's answers.
        QCOMPARE(status.exit, 0);
        QCOMPARE(parseJson(status.out).value(QStringLiteral("driverRunning")).toBool(), true);
    }

    void status_data()
    {
        QTest::addColumn<QByteArrayList>("setup");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("json");

        QTest::newRow("one switch") << QByteArrayList() << 0
            << "Switch:                  attached (USB 1209:0001)\n"
               "Firmware version:        10611\n"
               "Switches in the chain:   1\n"
               "This computer's port:    P1 (1)\n"
               "Extended desktop driver: not running\n"
            << R"({"access":true,"attached":true,"chain":1,"driverRunning":false,"exit":0,"port":1,"portName":"P1","version":"10611"})";
        QTest::newRow("two switches, computer on S3") << QByteArrayList{"CHAIN=2", "PORT_STATUS=7,0,7,0"} << 0
            << "Switch:                  attached (USB 1209:0001)\n"
               "Firmware version:        10612\n"
               "Switches in the chain:   2\n"
               "This computer's port:    S3 (7)\n"
               "Extended desktop driver: not running\n"
            << R"({"access":true,"attached":true,"chain":2,"driverRunning":false,"exit":0,"port":7,"portName":"S3","version":"10612"})";
        QTest::newRow("queries refused") << QByteArrayList{"REFUSE=version:1,port-status:1"} << 8
            << "Switch:                  attached (USB 1209:0001)\n"
               "Firmware version:        unknown (no answer)\n"
               "Switches in the chain:   unknown (no answer)\n"
               "This computer's port:    unknown (no answer)\n"
               "Extended desktop driver: not running\n"
            << R"({"access":true,"attached":true,"chain":null,"driverRunning":false,)"
               R"("error":"the switch did not answer every query",)"
               R"("exit":8,"port":null,"portName":null,"version":null})";
        QTest::newRow("no switch") << QByteArrayList{"ABSENT=1"} << 4
            << "Switch:                  not attached (USB 1209:0001)\n"
               "Extended desktop driver: not running\n"
            << R"({"attached":false,"driverRunning":false,"error":"no switch 1209:0001 could be opened","exit":4})";
        // Attached, but this user may not open it: its own status and the remedy.
        QTest::newRow("no access") << QByteArrayList{"NO_ACCESS=1"} << 9
            << "Switch:                  attached, no access (USB 1209:0001)\n"
               "Extended desktop driver: not running\n"
            << "{\"access\":false,\"attached\":true,\"driverRunning\":false,\"error\":\"switch 1209:0001 "
               "attached, but this user may not open it (Failed to open a device with path "
               "'seamrun-switch-emulator': Permission denied (emulated fault: SEAMRUN_EMU_NO_ACCESS)). Install the "
               "udev rule 70-orrinkm.rules (see Troubleshooting in the README), then unplug and replug the "
               "switch.\",\"exit\":9}";
    }

    void status()
    {
        QFETCH(QByteArrayList, setup);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, json);
        for (const QByteArray &setting : setup)
            SwitchEmulator::apply(setting);

        const Run run = seamrun({QStringLiteral("status")});
        QCOMPARE(run.exit, exit);
        QCOMPARE(run.out, out);
        const Run asJson = seamrun({QStringLiteral("status"), QStringLiteral("--json")});
        QCOMPARE(asJson.exit, exit);
        QCOMPARE(QString::fromUtf8(QJsonDocument(parseJson(asJson.out)).toJson(QJsonDocument::Compact)), json);
        const Received got = received();
        QCOMPARE(got.closed, got.opened);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("err");
        QTest::newRow("nothing") << QStringList() << 64 << "seamrun: no command given";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 64 << "seamrun: unknown command: frobnicate";
        QTest::newRow("unknown option") << QStringList{"check", "--fast", "a.km"} << 64
                                        << "seamrun: unknown option: --fast";
        QTest::newRow("no file") << QStringList{"show"} << 64 << "seamrun: show takes exactly one layout file";
        QTest::newRow("two files") << QStringList{"check", "a.km", "b.km"} << 64
                                   << "seamrun: check takes exactly one layout file";
        QTest::newRow("--primary-only elsewhere") << QStringList{"check", "--primary-only", "a.km"} << 64
                                                  << "seamrun: --primary-only belongs to apply";
        QTest::newRow("help") << QStringList{"status", "--help"} << 0 << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "";
    }

    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QString, err);
        const Run run = seamrun(args);
        QCOMPARE(run.exit, exit);
        if (exit != 0) {
            QVERIFY2(run.err.startsWith(err + QLatin1Char('\n')), qPrintable(run.err));
            QVERIFY(run.err.contains(QStringLiteral("Exit status:")));
            QCOMPARE(run.out, QString());
        } else {
            QVERIFY(run.out.startsWith(args.contains("--version") ? QStringLiteral("seamrun " SEAMRUN_VERSION "\n")
                                                                  : QStringLiteral("Usage: seamrun")));
        }
        QVERIFY(received().ops.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstSeamrun)
#include "tst_seamrun.moc"
