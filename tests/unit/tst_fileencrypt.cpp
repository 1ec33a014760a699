// The save and open pipeline with the real cipher library, in the test's own
// temporary AppData and Documents folders.
#include "fileEncrypt.h"
#include "fileio.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

class tst_FileEncrypt : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void folders();
    void roundTrip_data();
    void roundTrip();
    void saveToMissingFolder();
    void saveOverExistingFile();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void foreignFileLoadsAsGarbage();
    void staleTemporaryIsNeverDecrypted();
    void sizeBound_data();
    void sizeBound();
    void deleteTempfileWithNothingThere();

private:
    bool save(const QString &text, const QString &target);
    QString load(const QString &source, bool *ok = nullptr);
    QString appData(const QString &name) const;
    static QByteArray bytesOf(const QString &path);
    static void put(const QString &path, const QByteArray &bytes);

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

QTEST_GUILESS_MAIN(tst_FileEncrypt)
#include "tst_fileencrypt.moc"
