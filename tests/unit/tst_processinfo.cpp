#include "ProcessInfo.h"
#include "../lib/sleepcopy.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>

// The search over a given listing, the time limit with a listing that hangs,
// and the real /proc listing against processes started here.
class tst_ProcessInfo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void search_data();
    void search();
    void failedListingIsNotRunning();
    void hangingListingEndsAtTheLimit();
    void realProcesses_data();
    void realProcesses();
    void systemListingFindsARealProcess();

private:
    QProcess *startProcess(const QString &program, const QStringList &args);
    QString copyOfSleep(const QString &name);
    QTemporaryDir m_bin;
    std::vector<std::unique_ptr<QProcess>> m_running;
};

namespace {
// Every message while it lives, whatever its kind.
QStringList *g_messages = nullptr;
void collect(QtMsgType, const QMessageLogContext &, const QString &text)
{
    if (g_messages)
        g_messages->append(text);
}
struct MessageCapture
{
    QStringList messages;
    QtMessageHandler previous;
    MessageCapture() : previous(qInstallMessageHandler(collect)) { g_messages = &messages; }
    ~MessageCapture()
    {
        g_messages = nullptr;
        qInstallMessageHandler(previous);
    }
};
}

void tst_ProcessInfo::initTestCase()
{
    QVERIFY(m_bin.isValid());
}

void tst_ProcessInfo::cleanup()
{
    for (auto &process : m_running) {
        process->kill();
        process->waitForFinished(5000);
    }
    m_running.clear();
}

void tst_ProcessInfo::search_data()
{
    QTest::addColumn<QByteArrayList>("names");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("log");
    QTest::newRow("image name with suffix")
        << QByteArrayList{"systemd", "OrrinKM Extended.exe", "bash"} << true << QByteArray("find extended ap");
    QTest::newRow("long name holding it, past 15 characters")
        << QByteArrayList{"Vesko OrrinKM Extended Service"} << true << QByteArray("find extended ap");
    QTest::newRow("other letter case") << QByteArrayList{"orrinkm extended", "ORRINKM EXTENDED"} << false
                                       << QByteArray("no extended ap");
    QTest::newRow("cut at 15 characters") << QByteArrayList{"OrrinKM Extende"} << false
                                          << QByteArray("no extended ap");
    QTest::newRow("split over two names") << QByteArrayList{"OrrinKM", "Extended"} << false
                                          << QByteArray("no extended ap");
    QTest::newRow("empty listing") << QByteArrayList() << false << QByteArray("no extended ap");
}

void tst_ProcessInfo::search()
{
    QFETCH(QByteArrayList, names);
    QFETCH(bool, found);
    QFETCH(QByteArray, log);
    ProcessInfo probe;
    probe.setLister([names](QByteArrayList &out) {
        out = names;
        return true;
    });
    QTest::ignoreMessage(QtDebugMsg, log.constData());
    QCOMPARE(probe.getDriverProcess(), found);
}

void tst_ProcessInfo::failedListingIsNotRunning()
{
    ProcessInfo probe;
    probe.setLister([](QByteArrayList &out) {
        out = {"OrrinKM Extended.exe"}; // whatever it gathered does not count
        return false;
    });
    MessageCapture capture;
    QCOMPARE(probe.getDriverProcess(), false);
    QCOMPARE(capture.messages, QStringList());
}

// A listing that does not finish in time: false, no log line, and the call
// ends at the limit (not at twice the limit). A second call meanwhile waits for
// the same listing instead of starting another one beside it.
void tst_ProcessInfo::hangingListingEndsAtTheLimit()
{
    auto release = std::make_shared<QSemaphore>();
    auto runs = std::make_shared<std::atomic<int>>(0);
    ProcessInfo probe;
    probe.setLister([release, runs](QByteArrayList &out) {
        ++*runs;
        release->acquire();
        out = {"OrrinKM Extended.exe"};
        return true;
    });
    const int limit = 1000;
    probe.setListTimeoutMs(limit);

    MessageCapture capture;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(probe.getDriverProcess(), false);
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= limit - 50, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < limit * 3 / 2, qPrintable(QString::number(elapsed)));

    probe.setListTimeoutMs(100);
    QCOMPARE(probe.getDriverProcess(), false);
    QCOMPARE(runs->load(), 1);
    QCOMPARE(capture.messages, QStringList());

    // Once the stuck listing can end, the probe answers again.
    release->release(2);
    probe.setListTimeoutMs(10000);
    QVERIFY(probe.getDriverProcess());
    QCOMPARE(capture.messages, QStringList{"find extended ap"});
}

QString tst_ProcessInfo::copyOfSleep(const QString &name)
{
    return ::copyOfSleep(m_bin.filePath(name));
}

QProcess *tst_ProcessInfo::startProcess(const QString &program, const QStringList &args)
{
    m_running.push_back(std::make_unique<QProcess>());
    QProcess *process = m_running.back().get();
    process->start(program, args);
    return process;
}

void tst_ProcessInfo::realProcesses_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("found");
    QTest::newRow("executable named with it") << QStringLiteral("copy") << true;
    QTest::newRow("executable named with it, first argument not") << QStringLiteral("exec-a") << true;
    QTest::newRow("started through a link named with it") << QStringLiteral("link") << true;
    QTest::newRow("only an argument holds it") << QStringLiteral("argument") << false;
    QTest::newRow("other letter case") << QStringLiteral("lower case") << false;
}

// Real processes, each searched on its own: the image names from /proc, and
// nothing else, decide.
void tst_ProcessInfo::realProcesses()
{
    QFETCH(QString, how);
    QFETCH(bool, found);
    QProcess *process = nullptr;
    QByteArray settled; // what /proc shows once the process is as intended
    if (how == QLatin1String("copy")) {
        const QString copy = copyOfSleep(QStringLiteral("OrrinKM Extended helper"));
        QVERIFY(!copy.isEmpty());
        process = startProcess(copy, {QStringLiteral("30")});
        settled = "OrrinKM Extended helper";
    } else if (how == QLatin1String("exec-a")) {
        const QString copy = copyOfSleep(QStringLiteral("OrrinKM Extended helper"));
        QVERIFY(!copy.isEmpty());
        if (QStandardPaths::findExecutable(QStringLiteral("bash")).isEmpty())
            QSKIP("needs bash for exec -a");
        process = startProcess(QStringLiteral("bash"),
                               {QStringLiteral("-c"), QStringLiteral("exec -a other \"$0\" 30"), copy});
        settled = "other";
    } else if (how == QLatin1String("link")) {
        const QString link = m_bin.filePath(QStringLiteral("OrrinKM Extended link"));
        QFile::remove(link);
        QVERIFY(QFile::link(QStandardPaths::findExecutable(QStringLiteral("sleep")), link));
        process = startProcess(link, {QStringLiteral("30")});
        settled = "OrrinKM Extended link";
    } else if (how == QLatin1String("argument")) {
        // As "sh -c 'sleep 20' sh 'notes.txt'", or an editor with such a file open.
        process = startProcess(QStringLiteral("/bin/sh"),
                               {QStringLiteral("-c"), QStringLiteral("sleep 30; :"), QStringLiteral("sh"),
                                m_bin.filePath(QStringLiteral("OrrinKM Extended notes.txt"))});
        settled = "sh";
    } else {
        const QString copy = copyOfSleep(QStringLiteral("orrinkm extended helper"));
        QVERIFY(!copy.isEmpty());
        process = startProcess(copy, {QStringLiteral("30")});
        settled = "orrinkm extended helper";
    }
    QVERIFY(process->waitForStarted());
    const QByteArray dir = "/proc/" + QByteArray::number(process->processId());
    QVERIFY2(QTest::qWaitFor([&] { return ProcessInfo::imageNamesOf(dir).contains(settled); }, 10000),
             qPrintable(ProcessInfo::imageNamesOf(dir).join(" | ")));
    if (how == QLatin1String("argument")) {
        QFile cmdline(QString::fromLatin1(dir + "/cmdline"));
        QVERIFY(cmdline.open(QIODevice::ReadOnly));
        QVERIFY2(cmdline.readAll().contains("OrrinKM Extended"), "the argument is there to be ignored");
    }

    ProcessInfo probe;
    probe.setLister([dir](QByteArrayList &names) {
        names = ProcessInfo::imageNamesOf(dir);
        return true;
    });
    QTest::ignoreMessage(QtDebugMsg, found ? "find extended ap" : "no extended ap");
    QCOMPARE(probe.getDriverProcess(), found);
}

// The shipped listing, over every process of the machine.
void tst_ProcessInfo::systemListingFindsARealProcess()
{
    QByteArrayList names;
    QVERIFY(ProcessInfo::systemListing(names));
    QVERIFY(names.contains(QFileInfo(QCoreApplication::applicationFilePath()).fileName().toLocal8Bit()));

    const QString copy = copyOfSleep(QStringLiteral("Vesko OrrinKM Extended Service"));
    QVERIFY(!copy.isEmpty());
    QProcess *process = startProcess(copy, {QStringLiteral("30")});
    QVERIFY(process->waitForStarted());
    ProcessInfo probe; // the shipped lister and time limit
    QTest::ignoreMessage(QtDebugMsg, "find extended ap");
    QVERIFY(probe.getDriverProcess());
}

QTEST_GUILESS_MAIN(tst_ProcessInfo)
#include "tst_processinfo.moc"
