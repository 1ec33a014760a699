#ifndef SEAMRUN_TESTS_SLEEPCOPY_H
#define SEAMRUN_TESTS_SLEEPCOPY_H

// A copy of the system's sleep program at `path`, for tests that need a
// process of a given name (the extended desktop driver, or names the process
// probe must or must not find). An older copy there is replaced. Empty when
// sleep cannot be found or copied.

#include <QFile>
#include <QStandardPaths>
#include <QString>

inline QString copyOfSleep(const QString &path)
{
    const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
    QFile::remove(path);
    if (sleep.isEmpty() || !QFile::copy(sleep, path))
        return QString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

#endif // SEAMRUN_TESTS_SLEEPCOPY_H
