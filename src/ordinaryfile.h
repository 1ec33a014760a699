#ifndef SEAMRUN_ORDINARYFILE_QT_H
#define SEAMRUN_ORDINARYFILE_QT_H

// The rule of OrdinaryFile.h for the program and seamrun, in the toolkit's
// terms: a file is read only when it is an ordinary file, never past the size
// it had when it was looked at, and a write goes only to an ordinary file or
// a new name. Paths are native bytes (QFile::encodeName, or a command line's
// own bytes), so names that are not text in the locale's encoding work too.

#include <QByteArray>
#include <QFile>
#include <QString>

#if defined(Q_OS_WIN)
#  include <QFileInfo>
#else
#  include "OrdinaryFile.h"
#  include <cstring>
#endif

namespace files {

enum class ReadFailure {
    None,
    Missing,     // no such file
    NotOrdinary, // a folder, a named pipe, a device ...
    TooLarge,    // larger than the caller takes
    Unreadable,  // there, but it could not be opened or read
};

struct ReadResult
{
    ReadFailure failure = ReadFailure::None;
    // What stood in the way, for messages: "a named pipe", or the system's
    // reason ("Permission denied").
    QString detail;
};

// The whole file at `path` into `bytes`; `max` bytes at most (a larger file
// is TooLarge), -1 for no limit beyond the file's own size.
inline ReadResult readOrdinaryFile(const QByteArray &path, qint64 max, QByteArray *bytes)
{
    ReadResult result;
#if defined(Q_OS_WIN)
    const QFileInfo info(QFile::decodeName(path));
    if (!info.exists()) {
        result.failure = ReadFailure::Missing;
        return result;
    }
    if (!info.isFile()) {
        result.failure = ReadFailure::NotOrdinary;
        result.detail = info.isDir() ? QStringLiteral("a folder") : QStringLiteral("not a file");
        return result;
    }
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        result.failure = ReadFailure::Unreadable;
        result.detail = file.errorString();
        return result;
    }
    const qint64 size = file.size();
#else
    km::FileKind kind = km::FileKind::Unknown;
    int64_t size = 0;
    const int fd = km::OpenOrdinaryForReading(path.constData(), kind, size);
    if (fd < 0) {
        if (kind == km::FileKind::Missing) {
            result.failure = ReadFailure::Missing;
        } else if (kind == km::FileKind::Ordinary || kind == km::FileKind::Unknown) {
            result.failure = ReadFailure::Unreadable;
            result.detail = QString::fromLocal8Bit(std::strerror(errno));
        } else {
            result.failure = ReadFailure::NotOrdinary;
            result.detail = QString::fromLatin1(km::KindName(kind));
        }
        return result;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        result.failure = ReadFailure::Unreadable;
        result.detail = file.errorString();
        return result;
    }
#endif
    if (max >= 0 && size > max) {
        result.failure = ReadFailure::TooLarge;
        return result;
    }
    *bytes = file.read(size);
    if (file.error() != QFileDevice::NoError) {
        result.failure = ReadFailure::Unreadable;
        result.detail = file.errorString();
        bytes->clear();
    }
    return result;
}

// Whether a file may be written under `path` (through its symbolic links):
// nothing is there yet, or an ordinary file that it replaces. `what` tells
// what is there instead ("a named pipe") when not.
inline bool mayWriteFile(const QByteArray &path, QString *what = nullptr)
{
#if defined(Q_OS_WIN)
    const QFileInfo info(QFile::decodeName(path));
    const bool ok = !info.exists() || info.isFile();
    if (!ok && what)
        *what = info.isDir() ? QStringLiteral("a folder") : QStringLiteral("not a file");
    return ok;
#else
    const km::FileKind kind = km::KindOfPath(path.constData());
    const bool ok = km::MayWriteTo(kind);
    if (!ok && what)
        *what = kind == km::FileKind::Unknown ? QString::fromLocal8Bit(std::strerror(errno))
                                              : QString::fromLatin1(km::KindName(kind));
    return ok;
#endif
}

} // namespace files

#endif // SEAMRUN_ORDINARYFILE_QT_H
