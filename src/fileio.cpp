#include "fileio.h"
#include "logcategories.h"
#include "ordinaryfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {
// Both directions create the file's folder first, so a first run with no
// AppData folder yet works.
QString preparedLocalPath(const QUrl &url)
{
    const QString path = url.toLocalFile();
    const QDir dir = QFileInfo(path).absoluteDir();
    if (!dir.exists())
        QDir().mkpath(dir.absolutePath());
    return path;
}
}

fileIo::fileIo(QObject *parent)
    : QObject(parent)
{
}

void fileIo::setSource(const QUrl &source)
{
    if (source == m_source)
        return;
    m_source = source;
    emit sourceChanged(m_source);
}

void fileIo::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit textChanged(m_text);
}

void fileIo::read()
{
    if (m_source.isEmpty())
        return;
    const QString path = preparedLocalPath(m_source);
    // Only an ordinary file, and no more than it held when it was looked at:
    // a named pipe in its place would hold the window, a device never end.
    QByteArray bytes;
    const files::ReadResult result = files::readOrdinaryFile(QFile::encodeName(path), -1, &bytes);
    if (result.failure == files::ReadFailure::Missing) {
        qCWarning(lcFiles).noquote() << QStringLiteral("Does not exits: ") + path;
        return;
    }
    if (result.failure != files::ReadFailure::None) {
        qCWarning(lcFiles).noquote() << QStringLiteral("Cannot read: ") + path + QStringLiteral(" (")
                                            + result.detail + QLatin1Char(')');
        return;
    }
    QTextStream stream(&bytes, QIODevice::ReadOnly);
    stream.setCodec("UTF-8");
    // Every read reports its text, even an unchanged one: the screens parse
    // whatever the last read gave them.
    m_text = stream.readAll();
    emit textChanged(m_text);
}

void fileIo::write()
{
    if (m_source.isEmpty())
        return;
    // All or nothing: a write cut short (a full disk) must not leave half a
    // layout behind. Nor may a failed write leave an older file in its place:
    // the save protects whatever it finds there next, and would store an
    // earlier layout under the new name and report success. So a failed write
    // leaves no file at all.
    const QString path = preparedLocalPath(m_source);
    // A named pipe or a device under that name is neither written to nor
    // replaced, nor removed: the save that follows finds no layout and fails.
    QString what;
    if (!files::mayWriteFile(QFile::encodeName(path), &what)) {
        qCWarning(lcFiles).noquote() << QStringLiteral("Cannot write: ") + path + QStringLiteral(" (")
                                            + what + QLatin1Char(')');
        return;
    }
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QTextStream stream(&file);
        stream.setCodec("UTF-8");
        stream.setGenerateByteOrderMark(false);
        stream << m_text;
        stream.flush();
        written = stream.status() == QTextStream::Ok && file.commit();
        if (!written)
            file.cancelWriting();
    }
    if (!written) {
        QFile::remove(path);
        qCWarning(lcFiles).noquote() << QStringLiteral("Cannot write: ") + path;
    }
}

bool fileIo::exists(const QUrl &url) const
{
    if (!url.isLocalFile())
        return false;
    const QFileInfo info(url.toLocalFile());
    return info.exists() || info.isSymLink();
}
