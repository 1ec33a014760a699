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
    QFile source(path);
    if (!source.copy(copy)) {
        *reason = QStringLiteral("cannot be read: ") + source.errorString();
        return false;
    }

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
