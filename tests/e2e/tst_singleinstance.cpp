// Several real processes of the program against one another: the first start
// listens, later starts hand over their last argument and show the
// already-running notice, a normal exit or a crash of the first frees the name.
#include "QSingleApplication.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <memory>
#include <signal.h>

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
    void lowResolutionNoticeEndsWithMainWindow();

private:
    std::unique_ptr<QProcess> start(const QString &program, const QStringList &args,
                                    const QByteArray &action = QByteArray());
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
    QVERIFY2(m_socket.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")), qPrintable(m_socket));
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

std::unique_ptr<QProcess> tst_SingleInstance::start(const QString &program, const QStringList &args,
                                                    const QByteArray &action)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
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

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
