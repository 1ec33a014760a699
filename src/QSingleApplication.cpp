#include "QSingleApplication.h"
#include "logcategories.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <memory>

#ifndef Q_OS_WIN
#  include <cerrno>
#  include <fcntl.h>
#  include <sys/stat.h>
#  include <unistd.h>
#endif

namespace {
const int kConnectTimeoutMs = 500;
const int kWriteTimeoutMs = 30000;
const int kReadTimeoutMs = 1000;
// Nobody holds the start lock for longer than one probe and one listen.
const int kStartLockTimeoutMs = 10000;
// A hand-over is one word (a file name); more than this is not one.
const qint64 kMaxMessageBytes = 64 * 1024;

// Whether `bytes` already holds a whole first word: one that white space
// ends. Until then more of it may still be on its way.
bool holdsWholeWord(const QByteArray &bytes)
{
    int i = 0;
    while (i < bytes.size() && QChar::isSpace(uchar(bytes.at(i))))
        ++i;
    while (i < bytes.size() && !QChar::isSpace(uchar(bytes.at(i))))
        ++i;
    return i < bytes.size();
}
}

QSingleApplication::QSingleApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Vesko"));
    setApplicationName(QStringLiteral("Seamrun Switching Configuration Utility"));

    const QString name = serverName();
    if (name.isEmpty())
        return; // no safe place to meet: run without the guard

    // Starts at the same moment take turns from the probe to the listen.
    // Otherwise one could probe before another listens, then find the name
    // taken, take the other's live socket for a stale one and remove it:
    // two first instances. The lock lies beside the socket, in the same
    // private folder (on Windows in the user's own temporary folder).
#ifdef Q_OS_WIN
    QLockFile startLock(QDir::tempPath() + QLatin1Char('/') + name + QStringLiteral(".lock"));
#else
    QLockFile startLock(name + QStringLiteral(".lock"));
#endif
    if (!startLock.tryLock(kStartLockTimeoutMs))
        qCWarning(lcShell) << "Cannot take the start lock, going on without it:" << startLock.error();

    QLocalSocket socket;
    socket.connectToServer(name, QIODevice::ReadWrite);
    if (socket.waitForConnected(kConnectTimeoutMs)) {
        startLock.unlock();
        QTextStream stream(&socket);
        const QStringList args = arguments();
        const QString message = args.size() < 2 ? QString() : args.last();
        stream << message;
        stream.flush();
        qCDebug(lcShell) << "Have already connected to server.";
        socket.waitForBytesWritten(kWriteTimeoutMs);
        m_isRunning = true;
        return;
    }

    m_localServer = new QLocalServer(this);
    // Only our own account may connect; on Unix the private folder already
    // ensures that, the option adds the same rule to the socket file.
    m_localServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_localServer, &QLocalServer::newConnection,
            this, &QSingleApplication::newLocalConnection);
    if (!m_localServer->listen(name)) {
        // An instance that was killed leaves its socket entry behind; nobody
        // answered the probe above, so the entry is stale.
        if (m_localServer->serverError() == QAbstractSocket::AddressInUseError
            && QLocalServer::removeServer(name)) {
            m_localServer->listen(name);
        }
    }
    // From here on later starts find the server.
    startLock.unlock();
}

bool QSingleApplication::isRunning()
{
    return m_isRunning;
}

QString QSingleApplication::serverName()
{
    const QString base = organizationName() + applicationName();
#ifdef Q_OS_WIN
    return base;
#else
    // Every start of the same user must meet at the same socket, whatever its
    // environment says (XDG_RUNTIME_DIR differs under sudo -E, su and some
    // launchers), so the folder comes from the user id alone. A bare name
    // would land in the shared /tmp for anyone to take.
    const QString dir = prepareInstanceFolder(instanceFolder());
    if (dir.isEmpty())
        return QString();
    return dir + QLatin1Char('/') + base;
#endif
}

#ifndef Q_OS_WIN
QString QSingleApplication::instanceFolder()
{
    // Tests run side by side as one user; each gives its instances a folder
    // of its own. Nothing else sets this.
    const QString forTests = qEnvironmentVariable("SEAMRUN_INSTANCE_DIR");
    if (!forTests.isEmpty())
        return forTests;
    return QStringLiteral("/tmp/seamrun-%1").arg(::getuid());
}

QString QSingleApplication::prepareInstanceFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    // Someone else may have made it first: it must be a real folder (not a
    // link to one) that is ours, and nobody else may enter it.
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return QString();
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
    if (ok && (st.st_mode & 077) != 0)
        ok = ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return ok ? folder : QString();
}
#endif

// Every connection is read as its bytes arrive, never by waiting on it: the
// window's thread runs this, and a client that connects and sends nothing
// would hold the window (and every hand-over behind it) for as long as it
// waits. A hand-over ends when the second instance closes the connection, or
// as soon as its word is complete; a connection that has sent nothing within
// the time limit is dropped without a word, one that sent part of a word is
// taken as it stands.
void QSingleApplication::newLocalConnection()
{
    if (!m_localServer)
        return;
    while (QLocalSocket *socket = m_localServer->nextPendingConnection()) {
        auto *timer = new QTimer(socket);
        timer->setSingleShot(true);
        const QPointer<QLocalSocket> guard(socket);
        const auto handled = std::make_shared<bool>(false);
        // Runs once per connection, whichever comes first.
        auto finish = [this, guard, timer, handled](bool timedOut) {
            QLocalSocket *s = guard.data();
            if (!s || *handled)
                return;
            *handled = true;
            timer->stop();
            const QByteArray bytes = s->read(kMaxMessageBytes);
            s->disconnect(this);
            s->abort();
            s->deleteLater();
            if (timedOut && bytes.trimmed().isEmpty()) {
                qCDebug(lcShell) << "Dropped a local connection that sent nothing.";
                return;
            }
            // Plain text in the local 8-bit encoding, as the second instance
            // writes it; the first word is the message.
            QString text = QString::fromLocal8Bit(bytes);
            QTextStream stream(&text, QIODevice::ReadOnly);
            QString word;
            stream >> word;
            qCDebug(lcShell).noquote() << QStringLiteral("The value is: %1").arg(word);
            raiseWindows();
        };
        const auto arrived = [guard, finish] {
            if (guard && (holdsWholeWord(guard->peek(kMaxMessageBytes))
                          || guard->bytesAvailable() >= kMaxMessageBytes))
                finish(false);
        };
        connect(socket, &QLocalSocket::readyRead, this, arrived);
        connect(socket, &QLocalSocket::disconnected, this, [finish] { finish(false); });
        connect(timer, &QTimer::timeout, this, [finish] { finish(true); });
        timer->start(kReadTimeoutMs);
        // What arrived (or ended) before the signals were connected.
        if (socket->state() != QLocalSocket::ConnectedState)
            finish(false);
        else
            arrived();
    }
}

void QSingleApplication::raiseWindows()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        // Hidden ones (a closed notice, a file dialog not open) stay hidden;
        // a minimised window still counts as shown.
        if (!window->isVisible())
            continue;
        window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->requestActivate();
    }
}
