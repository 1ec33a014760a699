#include "layoutfile.h"

#include "CipherExports.h"
#include "fileEncrypt.h"
#include "nativepath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <string>

bool readLayoutFile(const QString &path, QByteArray *text, QString *reason)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *reason = QStringLiteral("no such file");
        return false;
    }
    if (!info.isFile()) {
        *reason = QStringLiteral("not a file");
        return false;
    }
    // The window refuses the same files: nothing near a layout is this big.
    if (info.size() > fileEncrypt::kMaxProtectedFileSize) {
        *reason = QStringLiteral("too large to be a layout file");
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
    // Read whole (it is small, see above) and written once: lighter than a
    // general file copy (a temporary file, a rename, the permissions).
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("cannot be read: ") + source.errorString();
        return false;
    }
    const QByteArray bytes = source.read(fileEncrypt::kMaxProtectedFileSize + 1);
    if (source.error() != QFileDevice::NoError) {
        *reason = QStringLiteral("cannot be read: ") + source.errorString();
        return false;
    }
    if (bytes.size() > fileEncrypt::kMaxProtectedFileSize) {
        *reason = QStringLiteral("too large to be a layout file");
        return false;
    }
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
