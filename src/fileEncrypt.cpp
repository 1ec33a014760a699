#include "fileEncrypt.h"
#include "nativepath.h"
#include "logcategories.h"

#include "AppDataFolder.h"
#include "CipherExports.h"
#include "copyright.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#if !defined(_WIN32)
#  include <climits>
#  include <sys/stat.h>
#  include <unistd.h>
#endif

namespace {

// The same folder the cipher library works in, by the one rule both share;
// empty when there is no usable folder (then saving and opening fail rather
// than put the user's layout somewhere else).
QString appDataFolder()
{
    km::AppDataString dir;
    if (!km::AppDataFolder(dir))
        return QString();
#if defined(_WIN32)
    return QDir::fromNativeSeparators(QString::fromStdWString(dir));
#else
    return QString::fromStdString(dir);
#endif
}

// The one conversion from what the screens hand over to an absolute local
// path: dialog URLs and plain paths alike, right on Windows and on Unix.
QString localPath(const QString &pathOrUrl)
{
    QString path = pathOrUrl;
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        path = QUrl(pathOrUrl).toLocalFile();
    return QFileInfo(path).absoluteFilePath();
}

bool isLink(const QString &path)
{
#if defined(_WIN32)
    return QFileInfo(path).isSymbolicLink();
#else
    // QFileInfo takes a link that goes round in circles for no link at all.
    struct stat st;
    return lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
#endif
}

// What one symbolic link names, as an absolute path (relative names count
// from the link's own folder); empty when it cannot be read.
QString linkTarget(const QString &link)
{
#if defined(_WIN32)
    return QFileInfo(link).symLinkTarget();
#else
    // QFileInfo::symLinkTarget() cleans "dir/.." away by the text alone,
    // which is wrong when "dir" is itself a link.
    const QByteArray native = QFile::encodeName(link);
    QByteArray buffer(PATH_MAX, Qt::Uninitialized);
    const ssize_t n = ::readlink(native.constData(), buffer.data(), size_t(buffer.size()));
    if (n <= 0 || n >= buffer.size())
        return QString();
    const QString target = QFile::decodeName(buffer.left(int(n)));
    if (target.startsWith(QLatin1Char('/')))
        return target;
    return QFileInfo(link).path() + QLatin1Char('/') + target;
#endif
}

// The file a save to `path` has to write. The library puts the new file in
// place by renaming it over the name it is given: given a symbolic link, it
// would replace the link with a file of its own and leave the file the link
// leads to as it was. So a link is followed to its end, as editors do, and the
// link stays. Empty when the links go round in circles.
QString saveTarget(const QString &path)
{
    if (!isLink(path))
        return path;
    // A link to a file: that file by its real name. (Not for links that go
    // round in circles: for those Qt gives the first link back.)
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    // The link leads to a file that is not there yet: the save creates it
    // where the last link points.
    QString at = path;
    for (int hop = 0; hop < 40; ++hop) {
        if (!isLink(at)) {
            const QFileInfo end(at);
            const QString folder = QFileInfo(end.path()).canonicalFilePath();
            return folder.isEmpty() ? at : folder + QLatin1Char('/') + end.fileName();
        }
        at = linkTarget(at);
        if (at.isEmpty())
            return QString();
    }
    return QString();
}

// Whether `path` is one of the working files the library keeps in the AppData
// folder: saving there would be written and then cleaned away with them.
bool isWorkingFile(const QString &path, const QString &appData)
{
    if (appData.isEmpty())
        return false;
    const QFileInfo file(path);
    const QString name = file.fileName();
    if (name != QLatin1String("temp.km") && name != QLatin1String("km.temp"))
        return false;
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return !folder.isEmpty() && folder == QFileInfo(appData).canonicalFilePath();
}

} // namespace

fileEncrypt::fileEncrypt(QObject *parent)
    : QObject(parent)
{
}

QString fileEncrypt::plainTempFile()
{
    const QString folder = appDataFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/km.temp");
}

QString fileEncrypt::layoutFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
           + comCopyright().getCompanyName() + QStringLiteral("/Seamrun Switching Configuration Utility/");
}

bool fileEncrypt::encrypt_file(const QString &distFilePath)
{
    const QString dist = saveTarget(localPath(distFilePath));
    get_userappdata_path(); // the AppData folder must exist for the temporary files

    if (dist.isEmpty() || !QFileInfo(QFileInfo(dist).absolutePath()).isDir()
        || isWorkingFile(dist, appDataFolder())) {
        qCDebug(lcFiles) << "the path is invalid";
        return false; // the plain temporary file stays for the next attempt
    }
    if (!QFileInfo::exists(plainTempFile())) {
        qCDebug(lcFiles) << "encrypt file failed";
        return false;
    }
    // The library writes the new file beside the target and moves it over the
    // old one in one step, so a failed save leaves the previous file as it was.
    if (!Encrypt_File(nativeWide(dist).c_str())) {
        qCDebug(lcFiles) << (QFileInfo(dist).isDir() ? "rename failed" : "encrypt file failed");
        return false;
    }
    return true;
}

bool fileEncrypt::decrypt_file(const QString &distFilePath)
{
    const QString dist = localPath(distFilePath);
    get_userappdata_path();

    const QFileInfo source(dist);
    if (!source.isFile()) {
        qCDebug(lcFiles) << " decrypt_file: copy file failed";
        return false;
    }
    if (source.size() > kMaxProtectedFileSize) {
        qCDebug(lcFiles) << "decrypt_file : file too large";
        return false;
    }
    // A leftover "temp.km" of an interrupted run is removed by the library
    // before the copy, so it can never be decrypted in place of this file.
    if (!Decrypt_File(nativeWide(dist).c_str())) {
        qCDebug(lcFiles) << "decrypt_file : decrypt file failed";
        return false;
    }
    return true;
}

void fileEncrypt::delete_tempfile()
{
    QFile::remove(QUrl(get_userappdata_path()).toLocalFile());
}

QString fileEncrypt::get_userdocument_path()
{
    const QString folder = layoutFolder();
    QDir().mkpath(folder);
    return QUrl::fromLocalFile(folder).toString();
}

QString fileEncrypt::get_userappdata_path()
{
    const QString file = plainTempFile();
    if (file.isEmpty())
        return QString(); // "io" then writes and reads nothing
    QDir().mkpath(QFileInfo(file).absolutePath());
    return QUrl::fromLocalFile(file).toString();
}
