#include "fileEncrypt.h"
#include "nativepath.h"
#include "logcategories.h"
#include "ordinaryfile.h"

#include "AppDataFolder.h"
#include "CipherExports.h"
#include "FollowLinks.h"
#include "copyright.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_WIN
#  include <QLibrary>
#else
#  include <dlfcn.h>
#  include <link.h>
#  include <string>
#  include <vector>
#endif

namespace {

// The cipher library, loaded the first time a file is saved or opened: it
// brings OpenSSL with it, which the program's start has no use for. Both
// entries are null when it cannot be loaded, and saving and opening then
// fail as any failed save or open does.
struct Cipher
{
    using FileCall = bool (*)(const KmPathChar *);
    FileCall encryptFile = nullptr;
    FileCall decryptFile = nullptr;
};

#ifndef Q_OS_WIN
// Opens `file` from the folders the dynamic linker searches for the program's
// own libraries (its run path, with $ORIGIN resolved, then the system's), by
// full path. A plain dlopen() of the name does the same, but takes the run
// path of whoever calls it, which is not the program where dlopen() is
// wrapped (as under AddressSanitizer).
void *openFromProgramSearchPath(const char *file)
{
    void *program = ::dlopen(nullptr, RTLD_NOW);
    if (!program)
        return nullptr;
    Dl_serinfo size{};
    if (::dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0 || size.dls_size < sizeof(Dl_serinfo))
        return nullptr;
    std::vector<char> buffer(size.dls_size);
    auto *info = reinterpret_cast<Dl_serinfo *>(buffer.data());
    if (::dlinfo(program, RTLD_DI_SERINFOSIZE, info) != 0 || ::dlinfo(program, RTLD_DI_SERINFO, info) != 0)
        return nullptr;
    for (unsigned i = 0; i < info->dls_cnt; ++i) {
        const std::string path = std::string(info->dls_serpath[i].dls_name) + '/' + file;
        if (void *library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
            return library;
    }
    return nullptr;
}
#endif

const Cipher &cipher()
{
    static const Cipher loaded = [] {
        Cipher calls;
#ifdef Q_OS_WIN
        QLibrary library(QStringLiteral("EncryptAPI"));
        if (!library.load()) {
            qCWarning(lcFiles).noquote() << "cannot load the cipher library:" << library.errorString();
            return calls;
        }
        calls.encryptFile = reinterpret_cast<Cipher::FileCall>(library.resolve("Encrypt_File"));
        calls.decryptFile = reinterpret_cast<Cipher::FileCall>(library.resolve("Decrypt_File"));
#else
        // Found as a linked library would be: through the program's run path
        // (beside it in the build, its library folder when installed) or the
        // system's folders. It stays loaded for the rest of the run.
        void *library = ::dlopen("libEncryptAPI.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            const QByteArray why = ::dlerror();
            library = openFromProgramSearchPath("libEncryptAPI.so.1");
            if (!library) {
                qCWarning(lcFiles).noquote() << "cannot load the cipher library:"
                                             << (why.isEmpty() ? QByteArray("not found") : why);
                return calls;
            }
        }
        calls.encryptFile = reinterpret_cast<Cipher::FileCall>(::dlsym(library, "Encrypt_File"));
        calls.decryptFile = reinterpret_cast<Cipher::FileCall>(::dlsym(library, "Decrypt_File"));
#endif
        if (!calls.encryptFile || !calls.decryptFile) {
            qCWarning(lcFiles) << "the cipher library lacks its file calls";
            calls = Cipher();
        }
        return calls;
    }();
    return loaded;
}

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

// The file a save to `path` has to write: through its symbolic links, if it
// is one (the library renames the new file over the name it is given, which
// would replace the link and leave the file it leads to as it was). Empty when
// the links cannot be read or go round in circles.
QString saveTarget(const QString &path)
{
#if defined(_WIN32)
    const QFileInfo info(path);
    return info.isSymLink() ? info.canonicalFilePath() : path;
#else
    std::string resolved;
    if (!km::FollowLinks(QFile::encodeName(path).toStdString(), resolved))
        return QString();
    return QFile::decodeName(QByteArray::fromStdString(resolved));
#endif
}

// Whether `path` is one of the working files the library keeps beside the
// plain temporary file (that one and "temp.km"): a layout saved there would be
// written and then cleaned away with them.
bool isWorkingFile(const QString &path, const QString &plainTemp)
{
    if (plainTemp.isEmpty())
        return false;
    const QFileInfo file(path);
    const QFileInfo plain(plainTemp);
    if (file.fileName() != plain.fileName() && file.fileName() != QLatin1String("temp.km"))
        return false;
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return !folder.isEmpty() && folder == QFileInfo(plain.absolutePath()).canonicalFilePath();
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
        || isWorkingFile(dist, plainTempFile())) {
        qCDebug(lcFiles) << "the path is invalid";
        return false; // the plain temporary file stays for the next attempt
    }
    if (!QFileInfo::exists(plainTempFile())) {
        qCDebug(lcFiles) << "encrypt file failed";
        return false;
    }
    // The library writes the new file beside the target and moves it over the
    // old one in one step, so a failed save leaves the previous file as it was.
    // It replaces only an ordinary file: a named pipe or a device node under
    // the name stays as it is, and the save fails.
    if (!cipher().encryptFile || !cipher().encryptFile(nativeWide(dist).c_str())) {
        QString what;
        if (QFileInfo(dist).isDir())
            qCDebug(lcFiles) << "rename failed";
        else if (!files::mayWriteFile(QFile::encodeName(dist), &what))
            qCDebug(lcFiles).noquote() << QStringLiteral("not an ordinary file: ") + what;
        else
            qCDebug(lcFiles) << "encrypt file failed";
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
    if (!cipher().decryptFile || !cipher().decryptFile(nativeWide(dist).c_str())) {
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
