#include "layoutfile.h"

#include "argpath.h"
#include "CipherExports.h"
#include "fileEncrypt.h"
#include "nativepath.h"
#include "ordinaryfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

bool readLayoutFile(const QString &path, QByteArray *text, QString *reason)
{
    // Opened by the very bytes of its name, whatever the locale makes of
    // them; only an ordinary file, and never more than a layout can be (the
    // window refuses the same files). A named pipe or a device is refused
    // before it is read.
    QByteArray bytes;
    const files::ReadResult read =
        files::readOrdinaryFile(nativePath(path), fileEncrypt::kMaxProtectedFileSize, &bytes);
    switch (read.failure) {
    case files::ReadFailure::None:
        break;
    case files::ReadFailure::Missing:
        *reason = QStringLiteral("no such file");
        return false;
    case files::ReadFailure::NotOrdinary:
        *reason = QStringLiteral("not an ordinary file (") + read.detail + QLatin1Char(')');
        return false;
    case files::ReadFailure::TooLarge:
        *reason = QStringLiteral("too large to be a layout file");
        return false;
    case files::ReadFailure::Unreadable:
        *reason = QStringLiteral("cannot be read: ") + read.detail;
        return false;
    }

    // The library puts a scratch file beside the file it reads, so it only
    // ever reads a copy in here.
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/seamrun-XXXXXX"));
    if (!work.isValid()) {
        *reason = QStringLiteral("cannot create a temporary folder: ") + work.errorString();
        return false;
    }
    const QString copy = work.filePath(QStringLiteral("layout.km"));
    const QString plain = work.filePath(QStringLiteral("layout.txt"));
    // Written once from what was read (it is small, see above): lighter than
    // a general file copy (a temporary file, a rename, the permissions).
    QFile target(copy);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly) || target.write(bytes) != bytes.size()
        || !target.flush()) {
        *reason = QStringLiteral("cannot be copied into the temporary folder: ") + target.errorString();
        return false;
    }
    target.close();

    const auto copyWide = nativeWide(copy);
    if (CheckAcpFileVer(copyWide.c_str()) == 1) {
        *reason = QStringLiteral("too short to be a protected layout file");
        return false;
    }
    const int code = DecryptByFilePath(copyWide.c_str(), nativeWide(plain).c_str());
    if (code == 2) {
        *reason = QStringLiteral("not a protected layout file, or a damaged one");
        return false;
    }
    if (code != 0) {
        *reason = QStringLiteral("cannot be unprotected (is the temporary folder usable?)");
        return false;
    }
    QFile result(plain);
    if (!result.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("cannot read the unprotected text back: ") + result.errorString();
        return false;
    }
    *text = result.readAll();
    return true;
}
