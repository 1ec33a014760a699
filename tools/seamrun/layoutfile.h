#ifndef SEAMRUN_LAYOUTFILE_H
#define SEAMRUN_LAYOUTFILE_H

#include <QByteArray>
#include <QString>

// The plain text of a protected layout file ("*.km"), through the cipher
// library. The work happens in a private temporary folder that is removed
// before returning: the user's folder is only read, and the window's own
// temporary files ("km.temp", "temp.km") are never touched, so the tool can
// run while the window is open. `path` is a command-line name as argpath.h
// keeps it; only an ordinary file is read. False with a reason the user can
// act on.
bool readLayoutFile(const QString &path, QByteArray *text, QString *reason);

#endif // SEAMRUN_LAYOUTFILE_H
