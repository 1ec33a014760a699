#include "QSingleApplication.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTextStream>

namespace {
const int kConnectTimeoutMs = 500;
const int kWriteTimeoutMs = 30000;
const int kReadTimeoutMs = 1000;
}

QSingleApplication::QSingleApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Vesko"));
    setApplicationName(QStringLiteral("Seamrun Switching Configuration Utility"));

    const QString name = serverName();

    QLocalSocket socket;
    socket.connectToServer(name, QIODevice::ReadWrite);
    if (socket.waitForConnected(kConnectTimeoutMs)) {
        QTextStream stream(&socket);
        const QStringList args = arguments();
        const QString message = args.size() < 2 ? QString() : args.last();
        stream << message;
        stream.flush();
        qDebug() << "Have already connected to server.";
        socket.waitForBytesWritten(kWriteTimeoutMs);
        m_isRunning = true;
        return;
    }

    m_localServer = new QLocalServer(this);
    // Only our own account may connect; on Unix the private runtime folder
    // already ensures that, the option adds the same rule to the socket file.
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
    // RuntimeLocation is XDG_RUNTIME_DIR, or a folder Qt creates with mode
    // 0700 and checks to be ours. A bare name would land in the shared /tmp.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        return base;
    return QDir(dir).filePath(base);
#endif
}

void QSingleApplication::newLocalConnection()
{
    QLocalSocket *socket = m_localServer ? m_localServer->nextPendingConnection() : nullptr;
    if (!socket)
        return;
    socket->waitForReadyRead(kReadTimeoutMs);
    QTextStream stream(socket);
    QString word;
    stream >> word;
    qDebug().noquote() << QStringLiteral("The value is: %1").arg(word);
    delete socket;
}
