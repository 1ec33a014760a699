#include "ProcessInfo.h"

#include <QDebug>
#include <QProcess>
#include <QStringList>

namespace {
const char kMarker[] = "OrrinKM Extended";

#ifdef Q_OS_WIN
const char kListProgram[] = "tasklist.exe";
QStringList listArguments() { return {}; }
#else
// Full command lines: the kernel's process name is cut to 15 characters and
// would never hold the whole marker.
const char kListProgram[] = "ps";
QStringList listArguments()
{
    return {QStringLiteral("-e"), QStringLiteral("-ww"), QStringLiteral("-o"), QStringLiteral("args=")};
}
#endif
}

ProcessInfo::ProcessInfo(QObject *parent)
    : QObject(parent)
{
}

bool ProcessInfo::getDriverProcess()
{
    QProcess lister;
    lister.setProcessChannelMode(QProcess::SeparateChannels);
    lister.start(QString::fromLatin1(kListProgram), listArguments(), QIODevice::ReadOnly);
    // A missing program fails here at once instead of costing the full wait.
    if (!lister.waitForStarted(m_timeoutMs) || !lister.waitForFinished(m_timeoutMs))
        return false;

    const QByteArray output = lister.readAllStandardOutput();
    if (output.contains(kMarker)) {
        qDebug() << "find extended ap";
        return true;
    }
    qDebug() << "no extended ap";
    return false;
}
