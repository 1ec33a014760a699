// Several real processes of the program against one another: the first start
// listens, later starts hand over their last argument and show the
// already-running notice, a normal exit or a crash of the first frees the name.
#include "QSingleApplication.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <memory>
#include <signal.h>
#include <unistd.h>

namespace {
const QString kAlreadyRunning = QStringLiteral("root: qrc:/Qml/aprunned.qml");
// Tests run offscreen on an 800 x 600 screen, so a first instance shows the
// low-resolution notice.
const QString kFirstInstance = QStringLiteral("root: qrc:/Qml/foreword.qml");
}

class tst_SingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void handsOverLastArgument_data();
    void handsOverLastArgument();
    void normalExitFreesTheName();
    void staleSocketDoesNotBlock();
    void simultaneousStartsHaveOneFirst();
    void lowResolutionNoticeEndsWithMainWindow();
    void secondStartRaisesTheWindow();
    void silentClientsDoNotDelayHandOver();
    void foundWhateverTheRuntimeFolder_data();
    void foundWhateverTheRuntimeFolder();
    void secondStartShowsNoticeInStoredLanguage();
    void unsafeInstanceFolderIsRefused_data();
    void unsafeInstanceFolderIsRefused();

private:
    std::unique_ptr<QProcess> start(const QString &program, const QStringList &args,
                                    const QByteArray &action = QByteArray(),
                                    const QProcessEnvironment &changes = QProcessEnvironment());
    static QString rootLine(QProcess &process);
    static bool waitForSocket();
    std::vector<std::unique_ptr<QProcess>> m_running;
    QString m_socket;
};

void tst_SingleInstance::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vesko"));
    QCoreApplication::setApplicationName(QStringLiteral("Seamrun Switching Configuration Utility"));
    m_socket = QSingleApplication::serverName();
    // tests/isolated.sh gives this test its own folder instead of the user's.
    QVERIFY2(m_socket.startsWith(qEnvironmentVariable("SEAMRUN_INSTANCE_DIR") + QLatin1Char('/')),
             qPrintable(m_socket));
}

void tst_SingleInstance::cleanup()
{
    for (auto &process : m_running) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    m_running.clear();
    QFile::remove(m_socket);
}

// `changes`: variables to set; an empty value removes the variable.
std::unique_ptr<QProcess> tst_SingleInstance::start(const QString &program, const QStringList &args,
                                                    const QByteArray &action,
                                                    const QProcessEnvironment &changes)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Log lines as bare messages: the checks below are about the texts, not
    // about how the log lays them out (category prefix and the like).
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
    const QStringList keys = changes.keys();
    for (const QString &key : keys) {
        if (changes.value(key).isEmpty())
            env.remove(key);
        else
            env.insert(key, changes.value(key));
    }
    if (!action.isEmpty())
        env.insert(QStringLiteral("SEAMRUN_DRIVER_ACTION"), QString::fromLatin1(action));
    process->setProcessEnvironment(env);
    process->start(program, args);
    return process;
}

QString tst_SingleInstance::rootLine(QProcess &process)
{
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine() && timer.elapsed() < 20000) {
        if (!process.waitForReadyRead(200) && process.state() == QProcess::NotRunning)
            break;
    }
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

bool tst_SingleInstance::waitForSocket()
{
    return QTest::qWaitFor([] { return QFileInfo::exists(QSingleApplication::serverName()); }, 20000);
}

void tst_SingleInstance::handsOverLastArgument_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("logged");
    QTest::newRow("a b c") << QStringList{"a", "b", "c"} << QStringLiteral("The value is: c");
    QTest::newRow("no arguments") << QStringList() << QStringLiteral("The value is: ");
    QTest::newRow("blank inside the argument") << QStringList{"two words"} << QStringLiteral("The value is: two");
}

void tst_SingleInstance::handsOverLastArgument()
{
    QFETCH(QStringList, args);
    QFETCH(QString, logged);

    // The first instance is the real program.
    m_running.push_back(start(QStringLiteral(SEAMRUN_PROGRAM), {}));
    QProcess &first = *m_running.back();
    QVERIFY(first.waitForStarted());
    QVERIFY(waitForSocket());
    QFileInfo socket(m_socket);
    QVERIFY(!(socket.permissions() & (QFile::ReadOther | QFile::WriteOther)));

    auto second = start(QStringLiteral(SEAMRUN_DRIVER), args, "click-ok");
    QCOMPARE(rootLine(*second), kAlreadyRunning);
    // OK closes its only window, which ends the process with 0.
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY2(QString::fromLocal8Bit(second->readAllStandardError()).contains("Have already connected to server."),
             "second instance did not log the hand-over");

    QString log;
    QVERIFY(QTest::qWaitFor([&] {
        first.waitForReadyRead(100);
        log += QString::fromLocal8Bit(first.readAllStandardError());
        return log.contains(QStringLiteral("The value is:"));
    }, 10000));
    const QStringList lines = log.split(QLatin1Char('\n'));
    const auto it = std::find_if(lines.begin(), lines.end(),
                                 [](const QString &l) { return l.contains(QStringLiteral("The value is:")); });
    QCOMPARE(it->trimmed(), logged.trimmed());
    QCOMPARE(first.state(), QProcess::Running); // the first keeps running
}

void tst_SingleInstance::normalExitFreesTheName()
{
    m_running.push_back(start(QStringLiteral(SEAMRUN_DRIVER), {}, "wait-stdin"));
    QProcess &first = *m_running.back();
    QCOMPARE(rootLine(first), kFirstInstance);
    QVERIFY(waitForSocket());

    first.write("quit\n");
    QVERIFY(first.waitForFinished(20000));
    QCOMPARE(first.exitCode(), 0);
    QVERIFY2(!QFileInfo::exists(m_socket), "a normal exit must close the server");

    m_running.push_back(start(QStringLiteral(SEAMRUN_DRIVER), {}, "wait-stdin"));
    QCOMPARE(rootLine(*m_running.back()), kFirstInstance);
}

void tst_SingleInstance::staleSocketDoesNotBlock()
{
    m_running.push_back(start(QStringLiteral(SEAMRUN_DRIVER), {}, "wait-stdin"));
    QProcess &crashed = *m_running.back();
    QCOMPARE(rootLine(crashed), kFirstInstance);
    QVERIFY(waitForSocket());
    ::kill(pid_t(crashed.processId()), SIGKILL);
    QVERIFY(crashed.waitForFinished(10000));
    QVERIFY2(QFileInfo::exists(m_socket), "a killed instance leaves its socket behind");

    m_running.push_back(start(QStringLiteral(SEAMRUN_DRIVER), {}, "wait-stdin"));
    QCOMPARE(rootLine(*m_running.back()), kFirstInstance);
    QVERIFY(waitForSocket());

    // ... and it really serves: the next start is a second instance.
    auto third = start(QStringLiteral(SEAMRUN_DRIVER), {}, "click-ok");
    QCOMPARE(rootLine(*third), kAlreadyRunning);
    QVERIFY(third->waitForFinished(20000));
    QCOMPARE(third->exitCode(), 0);
}

// Starts at the same moment: each round, exactly one becomes the first
// instance and every other one finds it. A start that probes before the first
// listens must not take the first's socket for one left behind by a crash and
// remove it, which would make two first instances.
void tst_SingleInstance::simultaneousStartsHaveOneFirst()
{
    const int kRounds = 30;
    const int kStarts = 4;
    for (int round = 1; round <= kRounds; ++round) {
        m_running.clear();
        for (int i = 0; i < kStarts; ++i)
            m_running.push_back(start(QStringLiteral(SEAMRUN_INSTANCE_PROBE), {}));
        for (auto &probe : m_running)
            QVERIFY(probe->waitForStarted());
        // Each waits for this line before it looks for a running instance.
        for (auto &probe : m_running)
            probe->write("go\n");
        for (auto &probe : m_running)
            QVERIFY(probe->waitForBytesWritten());

        QStringList answers;
        for (auto &probe : m_running)
            answers << rootLine(*probe);
        const QString seen = QStringLiteral("round %1: %2").arg(round).arg(answers.join(QLatin1Char(' ')));
        QVERIFY2(answers.count(QStringLiteral("first")) == 1, qPrintable(seen));
        QVERIFY2(answers.count(QStringLiteral("second")) == kStarts - 1, qPrintable(seen));

        // The first ends when its stdin does; the others have ended already.
        for (auto &probe : m_running) {
            probe->closeWriteChannel();
            QVERIFY(probe->waitForFinished(20000));
            QCOMPARE(probe->exitStatus(), QProcess::NormalExit);
            QCOMPARE(probe->exitCode(), 0);
        }
        // Neither the socket nor the lock of the starts is left behind.
        const QStringList left = QFileInfo(m_socket).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                                     | QDir::Hidden | QDir::System);
        QVERIFY2(left.isEmpty(), qPrintable(seen + QStringLiteral(", left behind: ") + left.join(QLatin1Char(' '))));
    }
}

void tst_SingleInstance::lowResolutionNoticeEndsWithMainWindow()
{
    auto process = start(QStringLiteral(SEAMRUN_DRIVER), {}, "through-notice");
    QCOMPARE(rootLine(*process), kFirstInstance);
    QCOMPARE(rootLine(*process), QStringLiteral("main window open"));
    // Nothing else closes the notice's window: the process must end by itself.
    QVERIFY2(process->waitForFinished(20000), "the emptied notice window kept the program alive");
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 0);
}

void tst_SingleInstance::foundWhateverTheRuntimeFolder_data()
{
    QTest::addColumn<QString>("runtime"); // the second start's XDG_RUNTIME_DIR; empty: unset
    QTest::newRow("unset") << QString();
    QTest::newRow("another folder") << QStringLiteral("elsewhere");
}

// The second start's environment differs (sudo -E, su, a launcher): it must
// still find the first instance, never run as a second main window.
void tst_SingleInstance::foundWhateverTheRuntimeFolder()
{
    QFETCH(QString, runtime);
    if (!runtime.isEmpty()) {
        runtime = QDir(qEnvironmentVariable("SEAMRUN_TEST_ROOT")).filePath(runtime);
        QVERIFY(QDir().mkpath(runtime));
        QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    m_running.push_back(start(QStringLiteral(SEAMRUN_DRIVER), {}, "wait-stdin"));
    QCOMPARE(rootLine(*m_running.back()), kFirstInstance);
    QVERIFY(waitForSocket());

    QProcessEnvironment changes;
    changes.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    auto second = start(QStringLiteral(SEAMRUN_DRIVER), {QStringLiteral("x")}, "click-ok", changes);
    QCOMPARE(rootLine(*second), kAlreadyRunning);
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitCode(), 0);
}

// A second start builds everything and applies the stored language before its
// notice is loaded, so the notice is in the user's language from the start.
void tst_SingleInstance::secondStartShowsNoticeInStoredLanguage()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
              QCoreApplication::applicationName()).setValue(QStringLiteral("language"), QStringLiteral("4"));
    m_running.push_back(start(QStringLiteral(SEAMRUN_DRIVER), {}, "wait-stdin"));
    QCOMPARE(rootLine(*m_running.back()), kFirstInstance);
    QVERIFY(waitForSocket());

    // This driver sits beside a German test catalogue.
    auto second = start(QStringLiteral(SEAMRUN_TRANSLATED_DRIVER), {}, "click-ok");
    QCOMPARE(rootLine(*second), kAlreadyRunning);
    QVERIFY(second->waitForFinished(20000));
    const QString log = QString::fromUtf8(second->readAllStandardError());
    QVERIFY2(log.contains(QStringLiteral("driver: text: AP läuft schon (Testkatalog).")), qPrintable(log));
    QVERIFY(!log.contains(QStringLiteral("driver: text: AP is running.")));
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
              QCoreApplication::applicationName()).remove(QStringLiteral("language"));
}

void tst_SingleInstance::unsafeInstanceFolderIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("usable");
    QTest::newRow("missing: made private") << QStringLiteral("missing") << true;
    QTest::newRow("ours but open to others: narrowed") << QStringLiteral("open") << true;
    QTest::newRow("a link to a folder") << QStringLiteral("link") << false;
    QTest::newRow("a plain file") << QStringLiteral("file") << false;
    QTest::newRow("another account's") << QStringLiteral("foreign") << false;
}

// Whoever comes first in /tmp must not get our instance to talk to them.
void tst_SingleInstance::unsafeInstanceFolderIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(bool, usable);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString folder = scratch.filePath(QStringLiteral("seamrun-test"));
    const QString elsewhere = scratch.filePath(QStringLiteral("elsewhere"));
    if (kind == QLatin1String("open")) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ReadOther | QFile::WriteOther
                                                  | QFile::ExeOther));
    } else if (kind == QLatin1String("link")) {
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(QFile::link(elsewhere, folder));
    } else if (kind == QLatin1String("file")) {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (kind == QLatin1String("foreign")) {
        if (::geteuid() != 0)
            QSKIP("giving a folder to another account needs root");
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(::chown(QFile::encodeName(folder).constData(), 54321, 54321), 0);
    }
    const QString result = QSingleApplication::prepareInstanceFolder(folder);
    QCOMPARE(result, usable ? folder : QString());
    if (usable) {
        QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                                    | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
                 QFile::Permissions());
        QVERIFY(QFileInfo(folder).isDir() && !QFileInfo(folder).isSymLink());
    }
    if (kind == QLatin1String("link"))
        QVERIFY(QFileInfo(elsewhere).permissions() & QFile::ExeOwner); // the link's target left alone
}

// A minimised first instance comes back to the front when the program is
// started again. (The offscreen platform keeps its only window active
// throughout, so activation itself cannot be seen here.)
void tst_SingleInstance::secondStartRaisesTheWindow()
{
    m_running.push_back(start(QStringLiteral(SEAMRUN_DRIVER), {}, "minimize"));
    QProcess &first = *m_running.back();
    QCOMPARE(rootLine(first), kFirstInstance);
    QVERIFY(waitForSocket());
    QStringList seen;
    QVERIFY2(QTest::qWaitFor([&] {
        seen << rootLine(first);
        return seen.last() == QStringLiteral("state: minimized");
    }, 20000), qPrintable(seen.join(QLatin1String(" | "))));
    seen.clear();

    auto second = start(QStringLiteral(SEAMRUN_DRIVER), {}, "click-ok");
    QCOMPARE(rootLine(*second), kAlreadyRunning);
    QVERIFY(second->waitForFinished(20000));

    QVERIFY2(QTest::qWaitFor([&] {
        const QString line = rootLine(first);
        if (!line.isEmpty())
            seen << line;
        return seen.contains(QStringLiteral("state: normal"));
    }, 20000), qPrintable(seen.join(QLatin1String(" | "))));
    first.write("quit\n");
    QVERIFY(first.waitForFinished(20000));
}

// Local clients that connect and send nothing must not hold the window's
// thread, nor the hand-overs that come after them. Twenty of them connect,
// then a hand-over as a second start makes it (its word, then the close).
// The first instance takes the hand-over while the twenty are still there:
// its log names it before anything about them, and drops each of them later
// without taking it for a hand-over.
void tst_SingleInstance::silentClientsDoNotDelayHandOver()
{
    const int kSilent = 20;
    const QString kHandedOver = QStringLiteral("The value is: handed-over");
    const QString kDropped = QStringLiteral("Dropped a local connection that sent nothing.");
    m_running.push_back(start(QStringLiteral(SEAMRUN_DRIVER), {}, "wait-stdin"));
    QProcess &first = *m_running.back();
    QCOMPARE(rootLine(first), kFirstInstance);
    QVERIFY(waitForSocket());

    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < kSilent; ++i) {
        silent.emplace_back(new QLocalSocket);
        silent.back()->connectToServer(m_socket);
        QVERIFY(silent.back()->waitForConnected(5000));
    }
    QLocalSocket handOver;
    handOver.connectToServer(m_socket);
    QVERIFY(handOver.waitForConnected(5000));
    handOver.write("handed-over");
    QVERIFY(handOver.waitForBytesWritten(5000));
    handOver.disconnectFromServer();

    QString log;
    const auto collect = [&] {
        first.waitForReadyRead(100);
        log += QString::fromLocal8Bit(first.readAllStandardError());
    };
    QVERIFY2(QTest::qWaitFor([&] { collect(); return log.contains(kHandedOver); }, 60000), qPrintable(log));
    const QString before = log.left(log.indexOf(kHandedOver));
    QVERIFY2(!before.contains(QStringLiteral("The value is:")) && !before.contains(kDropped),
             qPrintable(QStringLiteral("the silent clients came first:\n") + before));

    QVERIFY2(QTest::qWaitFor([&] { collect(); return log.count(kDropped) == kSilent; }, 30000), qPrintable(log));
    QCOMPARE(log.count(QStringLiteral("The value is:")), 1);
    QCOMPARE(first.state(), QProcess::Running);
    first.write("quit\n");
    QVERIFY(first.waitForFinished(20000));
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
