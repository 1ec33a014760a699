// The save and open pipeline with the real cipher library, in the test's own
// temporary AppData and Documents folders.
#include "fileEncrypt.h"
#include "fileio.h"

#include "AppDataFolder.h"
#include "../lib/pipewatch.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <dlfcn.h>
#include <memory>
#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class tst_FileEncrypt : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cipherLoadedOnFirstUse();
    void cipherMissingFailsSaveAndOpen();
    void folders();
    void roundTrip_data();
    void roundTrip();
    void saveToMissingFolder();
    void saveOverWorkingFileRefused_data();
    void saveOverWorkingFileRefused();
    void saveOverExistingFile();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void saveKeepsPermissions_data();
    void saveKeepsPermissions();
    void saveThroughLink_data();
    void saveThroughLink();
    void saveThroughLinkLoopFails();
    void foreignFileLoadsAsGarbage();
    void staleTemporaryIsNeverDecrypted();
    void sizeBound_data();
    void sizeBound();
    void deleteTempfileWithNothingThere();
    void failedWriteNeverSavesAnOlderLayout();
    void appDataRule_data();
    void appDataRule();
    void libraryAndProgramAgree_data();
    void libraryAndProgramAgree();
    void noUsableFolderFailsSaveAndLoad();
    void onlyOrdinaryFiles_data();
    void onlyOrdinaryFiles();

private:
    bool save(const QString &text, const QString &target);
    QString load(const QString &source, bool *ok = nullptr);
    QString appData(const QString &name) const;
    static QByteArray bytesOf(const QString &path);
    static void put(const QString &path, const QByteArray &bytes);
    static int modeOf(const QString &path);
    static QString linkText(const QString &path);
    QStringList leftovers() const;

    fileEncrypt m_encrypt;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_FileEncrypt::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vesko"));
    QCoreApplication::setApplicationName(QStringLiteral("Seamrun Switching Configuration Utility"));
    QVERIFY(fileEncrypt::plainTempFile().startsWith(qEnvironmentVariable("SEAMRUN_TEST_ROOT")));
}

void tst_FileEncrypt::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QFile::remove(appData("km.temp"));
    QFile::remove(appData("temp.km"));
}

// The cipher library (and OpenSSL with it) is loaded by the first save or
// open, not at start; the first save works.
void tst_FileEncrypt::cipherLoadedOnFirstUse()
{
    const auto loaded = [](const char *name) {
        void *handle = dlopen(name, RTLD_NOW | RTLD_NOLOAD);
        if (handle)
            dlclose(handle);
        return handle != nullptr;
    };
    QVERIFY(!loaded("libEncryptAPI.so.1"));
    QVERIFY(!loaded("libcrypto.so.3"));
    const QString target = m_dir->filePath(QStringLiteral("first.km"));
    QVERIFY(save(QStringLiteral("{\"first\": true}"), target));
    QVERIFY(loaded("libEncryptAPI.so.1"));
    QCOMPARE(load(target), QStringLiteral("{\"first\": true}"));
}

// Without the cipher library (run with it hidden: fileencrypt_without_cipher)
// saving and opening say they failed, and the file saved over is kept.
void tst_FileEncrypt::cipherMissingFailsSaveAndOpen()
{
    if (!qEnvironmentVariableIsSet("SEAMRUN_TEST_NO_CIPHER"))
        QSKIP("runs only with the cipher library hidden");
    const QString target = m_dir->filePath(QStringLiteral("desk.km"));
    put(target, "the old file");
    QVERIFY(!save(QStringLiteral("[]"), target));
    QCOMPARE(bytesOf(target), QByteArray("the old file"));
    QVERIFY(leftovers().isEmpty());

    // A protected file the program ships, which opens where the library is.
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/resolution.res");
    QVERIFY(QFileInfo::exists(shipped));
    bool opened = true;
    QCOMPARE(load(shipped, &opened), QString());
    QVERIFY(!opened);
}

QString tst_FileEncrypt::appData(const QString &name) const
{
    return QFileInfo(fileEncrypt::plainTempFile()).absolutePath() + QLatin1Char('/') + name;
}

QByteArray tst_FileEncrypt::bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_FileEncrypt::put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The permission bits, -1 when there is no such file.
int tst_FileEncrypt::modeOf(const QString &path)
{
    struct stat st;
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

// What a symbolic link holds, as written; empty when it is no link.
QString tst_FileEncrypt::linkText(const QString &path)
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return n > 0 ? QFile::decodeName(QByteArray(buffer, int(n))) : QString();
}

// Staging files of a save, anywhere in the test's folder.
QStringList tst_FileEncrypt::leftovers() const
{
    QStringList found;
    QDirIterator it(m_dir->path(), {QStringLiteral("*.saving"), QStringLiteral("*.tmp")},
                    QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

// What the editor does to save: plain text through "io", then protect it.
bool tst_FileEncrypt::save(const QString &text, const QString &target)
{
    fileIo io;
    io.setSource(QUrl(m_encrypt.get_userappdata_path()));
    io.setText(text);
    io.write();
    return m_encrypt.encrypt_file(target);
}

// What the editor does to open: unprotect, read, remove the plain copy.
QString tst_FileEncrypt::load(const QString &source, bool *ok)
{
    const bool done = m_encrypt.decrypt_file(source);
    if (ok)
        *ok = done;
    if (!done)
        return QString();
    fileIo io;
    io.setSource(QUrl(m_encrypt.get_userappdata_path()));
    io.read();
    m_encrypt.delete_tempfile();
    return io.text();
}

void tst_FileEncrypt::folders()
{
    const QString docs = m_encrypt.get_userdocument_path();
    QVERIFY2(docs.startsWith(QLatin1String("file:///")), qPrintable(docs));
    QVERIFY(docs.endsWith(QLatin1String("/Vesko/Seamrun Switching Configuration Utility/")));
    const QString docsPath = QUrl(docs).toLocalFile();
    QVERIFY(QDir::isAbsolutePath(docsPath));
    QVERIFY(QFileInfo(docsPath).isDir());

    const QString temp = m_encrypt.get_userappdata_path();
    QVERIFY(temp.startsWith(QLatin1String("file:///")));
    const QString tempPath = QUrl(temp).toLocalFile();
    QVERIFY(QDir::isAbsolutePath(tempPath));
    QCOMPARE(tempPath, fileEncrypt::plainTempFile());
    QVERIFY(QFileInfo(tempPath).absoluteDir().exists());
    QVERIFY(tempPath.startsWith(qEnvironmentVariable("SEAMRUN_TEST_ROOT")));
}

void tst_FileEncrypt::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("asUrl");
    const QString layout = QStringLiteral(
        "[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\",\"monitorlist\":"
        "[{\"row\":\"2\",\"col\":\"3\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\",\"monitornum\":\"01\"}]}]");
    QTest::newRow("layout, plain path") << layout << QStringLiteral("desk.km") << false;
    QTest::newRow("layout, dialog url") << layout << QStringLiteral("desk.km") << true;
    QTest::newRow("spaces and non-ascii") << layout << QStringLiteral("Mein Büro 日本.km") << true;
    QTest::newRow("percent signs") << layout << QStringLiteral("100% desk %20.km") << true;
    QTest::newRow("empty text") << QString() << QStringLiteral("empty.km") << false;
    QTest::newRow("one block and a bit") << QStringLiteral("0123456789abcdefX") << QStringLiteral("b.km") << false;
    QTest::newRow("a few KiB") << QString(4099, QLatin1Char('x')) << QStringLiteral("big.km") << false;
}

void tst_FileEncrypt::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(bool, asUrl);
    const QString path = m_dir->filePath(QStringLiteral("sub folder/") + name);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QString target = asUrl ? QUrl::fromLocalFile(path).toString() : path;

    QVERIFY(save(text, target));
    QVERIFY(QFileInfo::exists(path));
    QVERIFY2(!bytesOf(path).contains("monitorlist"), "the file on disk must not be plain text");
    QVERIFY(!QFileInfo::exists(appData("km.temp")));
    QVERIFY(!QFileInfo::exists(appData("temp.km")));

    bool ok = false;
    QCOMPARE(load(target, &ok), text);
    QVERIFY(ok);
    QVERIFY(!QFileInfo::exists(appData("km.temp")));
    QVERIFY(!QFileInfo::exists(appData("temp.km")));
    // Nothing else was left beside the file.
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void tst_FileEncrypt::saveToMissingFolder()
{
    const QString target = m_dir->filePath(QStringLiteral("no such folder/desk.km"));
    QTest::ignoreMessage(QtDebugMsg, "the path is invalid");
    QVERIFY(!save(QStringLiteral("[]"), target));
    QVERIFY(!QFileInfo::exists(QFileInfo(target).absolutePath()));
    QVERIFY(!QFileInfo::exists(appData("temp.km")));
    QVERIFY2(QFileInfo::exists(appData("km.temp")), "the plain text stays for the next attempt");
}

// The library's own working files in the AppData folder are cleaned away
// after every save: a layout saved under one of those names would be reported
// saved and then be gone. Such a save fails as an invalid path.
void tst_FileEncrypt::saveOverWorkingFileRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("temp.km") << QStringLiteral("temp.km");
    QTest::newRow("km.temp") << QStringLiteral("km.temp");
}

void tst_FileEncrypt::saveOverWorkingFileRefused()
{
    QFETCH(QString, name);
    QTest::ignoreMessage(QtDebugMsg, "the path is invalid");
    QVERIFY(!save(QStringLiteral("[]"), appData(name)));
    // Another name in the same folder is an ordinary save.
    QVERIFY(save(QStringLiteral("[]"), appData(QStringLiteral("desk.km"))));
    QCOMPARE(load(appData(QStringLiteral("desk.km"))), QStringLiteral("[]"));
}

void tst_FileEncrypt::saveOverExistingFile()
{
    const QString target = m_dir->filePath(QStringLiteral("desk.km"));
    QVERIFY(save(QStringLiteral("first"), target));
    const QByteArray first = bytesOf(target);
    QVERIFY(save(QStringLiteral("second, longer"), target));
    QVERIFY(bytesOf(target) != first);
    QCOMPARE(load(target), QStringLiteral("second, longer"));
    QVERIFY(!QFileInfo::exists(appData("km.temp")));
    QVERIFY(!QFileInfo::exists(appData("temp.km")));
}

void tst_FileEncrypt::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("blocker"); // what stands in the way
    QTest::newRow("staging name taken by a folder") << QStringLiteral(".saving");
    QTest::newRow("target is a folder") << QString();
}

void tst_FileEncrypt::failedSaveKeepsOldFile()
{
    QFETCH(QString, blocker);
    const QString target = m_dir->filePath(QStringLiteral("desk.km"));
    if (blocker.isEmpty()) {
        QVERIFY(QDir().mkpath(target));
        put(target + QStringLiteral("/inside.txt"), "keep me");
        QTest::ignoreMessage(QtDebugMsg, "rename failed");
        QVERIFY(!save(QStringLiteral("new"), target));
        QCOMPARE(bytesOf(target + QStringLiteral("/inside.txt")), QByteArray("keep me"));
        return;
    }
    QVERIFY(save(QStringLiteral("old layout"), target));
    const QByteArray old = bytesOf(target);
    QVERIFY(QDir().mkpath(target + blocker));
    QTest::ignoreMessage(QtDebugMsg, "encrypt file failed");
    QVERIFY(!save(QStringLiteral("new layout"), target));
    QCOMPARE(bytesOf(target), old);
    QCOMPARE(load(target), QStringLiteral("old layout"));
    QVERIFY(!QFileInfo::exists(appData("temp.km")));
}

void tst_FileEncrypt::saveKeepsPermissions_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("private") << 0600;
    QTest::newRow("group may read") << 0640;
    QTest::newRow("read-only") << 0444;
    QTest::newRow("others but not the group") << 0604;
}

// Saving over a file puts a new file in its place: it must come with the
// permissions of the one it replaces, not with the usual ones of a new file.
void tst_FileEncrypt::saveKeepsPermissions()
{
    QFETCH(int, mode);
    const QString target = m_dir->filePath(QStringLiteral("desk.km"));
    QVERIFY(save(QStringLiteral("old layout"), target));
    QCOMPARE(chmod(QFile::encodeName(target).constData(), mode_t(mode)), 0);
    const mode_t oldMask = umask(022);
    const bool saved = save(QStringLiteral("new layout"), target);
    umask(oldMask);
    QVERIFY(saved);
    QCOMPARE(QString::number(modeOf(target), 8), QString::number(mode, 8));
    QCOMPARE(load(target), QStringLiteral("new layout"));
    QCOMPARE(leftovers(), QStringList());
}

void tst_FileEncrypt::saveThroughLink_data()
{
    // Links made in order, "name -> what it holds" ("@" stands for the test's
    // folder); the save goes to "desk.km", the first of them. `real` is the
    // file the save has to write, `existing` whether it is there before.
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QString>("real");
    QTest::addColumn<bool>("existing");
    QTest::newRow("link to a file in another folder")
        << QStringList{"desk.km -> real/desk.km"} << QStringLiteral("real/desk.km") << true;
    QTest::newRow("absolute link")
        << QStringList{"desk.km -> @/real/desk.km"} << QStringLiteral("real/desk.km") << true;
    QTest::newRow("chain of links")
        << QStringList{"desk.km -> mid.km", "mid.km -> real/a/../desk.km"} << QStringLiteral("real/desk.km") << true;
    QTest::newRow("through a linked folder and ..")
        << QStringList{"deep -> real/a/b", "desk.km -> deep/../desk.km"} << QStringLiteral("real/a/desk.km") << true;
    QTest::newRow("link to a file not there yet")
        << QStringList{"desk.km -> real/new.km"} << QStringLiteral("real/new.km") << false;
    QTest::newRow("not there yet, through a linked folder and ..")
        << QStringList{"deep -> real/a/b", "desk.km -> deep/../new.km"} << QStringLiteral("real/a/new.km") << false;
    QTest::newRow("not there yet, at the end of a chain")
        << QStringList{"desk.km -> @/mid.km", "mid.km -> real/new.km"} << QStringLiteral("real/new.km") << false;
}

// A layout opened through a symbolic link is saved into the file the link
// leads to, and the link stays a link (as with any editor): replacing the
// link with a file of its own would leave the real file with the old layout.
void tst_FileEncrypt::saveThroughLink()
{
    QFETCH(QStringList, links);
    QFETCH(QString, real);
    QFETCH(bool, existing);
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("real/a/b"))));
    const QString realPath = m_dir->filePath(real);
    if (existing) {
        QVERIFY(save(QStringLiteral("old layout"), realPath));
        QCOMPARE(chmod(QFile::encodeName(realPath).constData(), 0600), 0);
    }
    QStringList texts;
    for (const QString &link : links) {
        const QStringList parts = link.split(QStringLiteral(" -> "));
        QCOMPARE(parts.size(), 2);
        QString text = parts[1];
        text.replace(QLatin1Char('@'), m_dir->path());
        texts << text;
        QCOMPARE(symlink(QFile::encodeName(text).constData(),
                         QFile::encodeName(m_dir->filePath(parts[0])).constData()),
                 0);
    }
    const QString link = m_dir->filePath(QStringLiteral("desk.km"));

    QVERIFY(save(QStringLiteral("new layout"), QUrl::fromLocalFile(link).toString()));

    for (int i = 0; i < links.size(); ++i) {
        const QString name = m_dir->filePath(links[i].section(QStringLiteral(" -> "), 0, 0));
        QVERIFY2(QFileInfo(name).isSymLink(), qPrintable(name + " is no longer a link"));
        QCOMPARE(linkText(name), texts[i]);
    }
    QVERIFY(!QFileInfo(realPath).isSymLink());
    QCOMPARE(load(realPath), QStringLiteral("new layout"));
    QCOMPARE(load(link), QStringLiteral("new layout"));
    if (existing)
        QCOMPARE(QString::number(modeOf(realPath), 8), QStringLiteral("600"));
    QCOMPARE(leftovers(), QStringList());
}

void tst_FileEncrypt::saveThroughLinkLoopFails()
{
    const QString link = m_dir->filePath(QStringLiteral("desk.km"));
    QCOMPARE(symlink("loop.km", QFile::encodeName(link).constData()), 0);
    QCOMPARE(symlink("desk.km", QFile::encodeName(m_dir->filePath(QStringLiteral("loop.km"))).constData()), 0);
    QTest::ignoreMessage(QtDebugMsg, "the path is invalid");
    QVERIFY(!save(QStringLiteral("layout"), link));
    QCOMPARE(linkText(link), QStringLiteral("loop.km"));
    QCOMPARE(linkText(m_dir->filePath(QStringLiteral("loop.km"))), QStringLiteral("desk.km"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             (QStringList{"desk.km", "loop.km"}));
}

void tst_FileEncrypt::foreignFileLoadsAsGarbage()
{
    const QString path = m_dir->filePath(QStringLiteral("notes.km"));
    put(path, QByteArray("just some text, never protected\n").repeated(20));
    bool ok = false;
    const QString text = load(path, &ok);
    QVERIFY(ok);
    QVERIFY(!text.contains(QLatin1String("just some text")));
    QVERIFY(QJsonDocument::fromJson(text.toUtf8()).isNull());
}

void tst_FileEncrypt::staleTemporaryIsNeverDecrypted()
{
    // A protected "temp.km" left behind by an interrupted run.
    const QString staleSource = m_dir->filePath(QStringLiteral("stale.km"));
    QVERIFY(save(QStringLiteral("STALE"), staleSource));
    QVERIFY(QFile::copy(staleSource, appData("temp.km")));

    const QString chosen = m_dir->filePath(QStringLiteral("chosen.km"));
    QVERIFY(save(QStringLiteral("CHOSEN"), chosen));
    QVERIFY(QFile::copy(staleSource, appData("temp.km")));
    QCOMPARE(load(chosen), QStringLiteral("CHOSEN"));

    // The chosen file vanished: fail, rather than show the stale layout.
    QVERIFY(QFile::copy(staleSource, appData("temp.km")));
    bool ok = true;
    QTest::ignoreMessage(QtDebugMsg, " decrypt_file: copy file failed");
    load(m_dir->filePath(QStringLiteral("gone.km")), &ok);
    QVERIFY(!ok);
    QVERIFY(!QFileInfo::exists(appData("km.temp")));
}

void tst_FileEncrypt::sizeBound_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("at the bound") << fileEncrypt::kMaxProtectedFileSize << true;
    QTest::newRow("one byte over") << fileEncrypt::kMaxProtectedFileSize + 1 << false;
    QTest::newRow("a picture picked by mistake") << qint64(8) * 1024 * 1024 << false;
}

void tst_FileEncrypt::sizeBound()
{
    QFETCH(qint64, size);
    QFETCH(bool, accepted);
    const QString path = m_dir->filePath(QStringLiteral("large.km"));
    put(path, QByteArray(int(size), 'z'));
    if (!accepted)
        QTest::ignoreMessage(QtDebugMsg, "decrypt_file : file too large");
    QCOMPARE(m_encrypt.decrypt_file(path), accepted);
    QCOMPARE(QFileInfo::exists(appData("km.temp")), accepted);
    QVERIFY(!QFileInfo::exists(appData("temp.km")));
    m_encrypt.delete_tempfile();
}

void tst_FileEncrypt::deleteTempfileWithNothingThere()
{
    m_encrypt.delete_tempfile();
    QVERIFY(!QFileInfo::exists(appData("km.temp")));
    put(appData("km.temp"), "plain");
    m_encrypt.delete_tempfile();
    QVERIFY(!QFileInfo::exists(appData("km.temp")));
}

// Layout A is saved to a folder that does not exist, which leaves its plain
// text in "km.temp"; then layout B is saved while the disk is full (a file
// size limit stands in for it). B's plain text cannot be written, so the save
// must fail, rather than protect A's leftover text under B's name.
void tst_FileEncrypt::failedWriteNeverSavesAnOlderLayout()
{
    QTest::ignoreMessage(QtDebugMsg, "the path is invalid");
    QVERIFY(!save(QStringLiteral("layout A"), m_dir->filePath(QStringLiteral("missing/a.km"))));
    QVERIFY(QFileInfo::exists(appData("km.temp")));

    const QString target = m_dir->filePath(QStringLiteral("b.km"));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096; // room for layout A protected, not for layout B
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Cannot write: ") + appData("km.temp")));
    QTest::ignoreMessage(QtDebugMsg, "encrypt file failed");
    const bool savedB = save(QString(64 * 1024, QLatin1Char('B')), target);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    QVERIFY2(!savedB, "a save whose text never reached the disk reported success");
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(!QFileInfo::exists(appData("km.temp")));
    QVERIFY(!QFileInfo::exists(appData("temp.km")));
}

void tst_FileEncrypt::appDataRule_data()
{
    QTest::addColumn<QByteArray>("xdg"); // "-" stands for unset
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QByteArray>("account");
    QTest::addColumn<QString>("folder"); // empty: no usable folder
    const QString app = QStringLiteral("/Vesko/Seamrun Switching Configuration Utility");
    QTest::newRow("data home set") << QByteArray("/x/data") << QByteArray("/h") << QByteArray("/a")
                                   << QStringLiteral("/x/data") + app;
    QTest::newRow("data home with trailing slash") << QByteArray("/x/data//") << QByteArray("-")
                                                   << QByteArray("-") << QStringLiteral("/x/data") + app;
    QTest::newRow("home") << QByteArray("-") << QByteArray("/h/") << QByteArray("/a")
                          << QStringLiteral("/h/.local/share") + app;
    QTest::newRow("empty data home") << QByteArray("") << QByteArray("/h") << QByteArray("/a")
                                     << QStringLiteral("/h/.local/share") + app;
    QTest::newRow("relative data home is ignored") << QByteArray("data") << QByteArray("/h") << QByteArray("/a")
                                                   << QStringLiteral("/h/.local/share") + app;
    QTest::newRow("HOME unset: the account's home") << QByteArray("-") << QByteArray("-") << QByteArray("/a")
                                                    << QStringLiteral("/a/.local/share") + app;
    QTest::newRow("relative HOME: the account's home") << QByteArray("-") << QByteArray("h") << QByteArray("/a")
                                                       << QStringLiteral("/a/.local/share") + app;
    QTest::newRow("home is the root") << QByteArray("-") << QByteArray("/") << QByteArray("-")
                                      << QStringLiteral("/.local/share") + app;
    QTest::newRow("nothing usable") << QByteArray("-") << QByteArray("-") << QByteArray("-") << QString();
    QTest::newRow("only relative values") << QByteArray("d") << QByteArray("h") << QByteArray("a") << QString();
}

void tst_FileEncrypt::appDataRule()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, account);
    QFETCH(QString, folder);
    auto value = [](const QByteArray &v) { return v == "-" ? nullptr : v.constData(); };
    std::string out;
    QCOMPARE(km::AppDataFolderFrom(value(xdg), value(home), value(account), out), !folder.isEmpty());
    if (!folder.isEmpty())
        QCOMPARE(QString::fromStdString(out), folder);
}

void tst_FileEncrypt::libraryAndProgramAgree_data()
{
    QTest::addColumn<QByteArray>("xdg"); // "-": unset; "root": the test's data folder
    QTest::addColumn<QByteArray>("home"); // "-": unset; "root": the test's home
    QTest::newRow("as set up") << QByteArray("root") << QByteArray("root");
    QTest::newRow("HOME unset") << QByteArray("root") << QByteArray("-");
    QTest::newRow("no XDG_DATA_HOME") << QByteArray("-") << QByteArray("root");
    QTest::newRow("relative XDG_DATA_HOME") << QByteArray("data") << QByteArray("root");
}

// The program writes "km.temp" where the library reads it, and the library
// leaves the opened text where the program reads it, in every environment.
void tst_FileEncrypt::libraryAndProgramAgree()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    auto set = [](const char *name, const QByteArray &value, const QByteArray &root) {
        if (value == "-")
            qunsetenv(name);
        else
            qputenv(name, value == "root" ? root : value);
    };
    set("XDG_DATA_HOME", xdg, savedXdg);
    set("HOME", home, savedHome);
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path())); // a relative folder would land here

    const QString target = m_dir->filePath(QStringLiteral("desk.km"));
    const bool saved = save(QStringLiteral("layout"), target);
    bool loaded = false;
    const QString text = load(target, &loaded);
    const QString temp = fileEncrypt::plainTempFile();

    QDir::setCurrent(cwd);
    qputenv("XDG_DATA_HOME", savedXdg);
    qputenv("HOME", savedHome);

    QVERIFY(saved);
    QVERIFY(loaded);
    QCOMPARE(text, QStringLiteral("layout"));
    QVERIFY2(QDir::isAbsolutePath(temp), qPrintable(temp));
    QVERIFY2(temp.startsWith(qEnvironmentVariable("SEAMRUN_TEST_ROOT")), qPrintable(temp));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"desk.km"});
}

// An account without a home folder, and no HOME or XDG_DATA_HOME: there is no
// AppData folder, so saving and opening fail as they do for an unusable folder,
// and nothing is written anywhere else. Runs in a child process under an
// unknown user id.
void tst_FileEncrypt::noUsableFolderFailsSaveAndLoad()
{
    if (geteuid() != 0)
        QSKIP("taking on an account without a home folder needs root");
    uid_t uid = 54321;
    while (getpwuid(uid))
        ++uid;

    const QString layout = m_dir->filePath(QStringLiteral("desk.km"));
    QVERIFY(save(QStringLiteral("layout"), layout)); // a real file to open
    const QString work = m_dir->filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(work));
    QVERIFY(QFile::setPermissions(work, QFile::ReadOther | QFile::WriteOther | QFile::ExeOther
                                            | QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // The other account must reach them: let it through this test's own folders.
    const QString root = QDir(qEnvironmentVariable("SEAMRUN_TEST_ROOT")).absolutePath();
    QVERIFY(m_dir->path().startsWith(root));
    for (QDir dir(m_dir->path()); dir.absolutePath().startsWith(root); dir.cdUp()) {
        const QString path = dir.absolutePath();
        QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOther | QFile::ReadOther));
        if (path == root)
            break;
    }
    QVERIFY(QFile::setPermissions(layout, QFile::ReadOther | QFile::ReadOwner | QFile::WriteOwner));

    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        if (setgid(uid) != 0 || setuid(uid) != 0 || chdir(work.toLocal8Bit().constData()) != 0)
            _exit(100);
        unsetenv("HOME");
        unsetenv("XDG_DATA_HOME");
        int failures = 0;
        if (!fileEncrypt::plainTempFile().isEmpty() || !m_encrypt.get_userappdata_path().isEmpty())
            failures |= 1;
        if (save(QStringLiteral("other"), work + QStringLiteral("/new.km")))
            failures |= 2;
        bool ok = true;
        load(layout, &ok);
        if (ok)
            failures |= 4;
        _exit(failures);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

// A layout is saved only over an ordinary file or under a new name, and
// opened only from an ordinary file: a named pipe or a device under the name
// stays as it was, and nothing else appears beside it. Devices are reached
// through links only.
void tst_FileEncrypt::onlyOrdinaryFiles_data()
{
    QTest::addColumn<QString>("special"); // "pipe", or the device a link leads to
    QTest::addColumn<bool>("saving");
    QTest::newRow("save over a named pipe") << "pipe" << true;
    QTest::newRow("save through a link to /dev/null") << "/dev/null" << true;
    QTest::newRow("open a named pipe") << "pipe" << false;
    QTest::newRow("open through a link to /dev/zero") << "/dev/zero" << false;
}

void tst_FileEncrypt::onlyOrdinaryFiles()
{
    QFETCH(QString, special);
    QFETCH(bool, saving);
    const QString name = m_dir->filePath(QStringLiteral("desk.km"));
    const QByteArray native = QFile::encodeName(name);
    if (special == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    else
        QVERIFY(QFile::link(special, name));

    bool done = true;
    bool opened = false;
    {
        std::unique_ptr<PipeWatch> watch;
        if (special == QLatin1String("pipe"))
            watch.reset(new PipeWatch(native, saving ? PipeWatch::CodeWrites : PipeWatch::CodeReads));
        if (saving)
            done = save(QStringLiteral("[{\"monitorlist\":[]}]"), name);
        else
            load(name, &done);
        opened = watch && watch->opened();
    }
    QVERIFY2(!opened, "the named pipe was opened");
    QVERIFY(!done);
    struct stat st;
    QCOMPARE(::lstat(native.constData(), &st), 0);
    if (special == QLatin1String("pipe")) {
        QVERIFY(S_ISFIFO(st.st_mode));
    } else {
        QCOMPARE(linkText(name), special);
        QVERIFY(::lstat(QFile::encodeName(special).constData(), &st) == 0 && S_ISCHR(st.st_mode));
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("desk.km")});
    QCOMPARE(leftovers(), QStringList());
}

QTEST_GUILESS_MAIN(tst_FileEncrypt)
#include "tst_fileencrypt.moc"
