#include "fileio.h"
#include "../lib/pipewatch.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

class tst_FileIo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void readReportsEveryTime_data();
    void readReportsEveryTime();
    void unchangedValuesEmitNothing();
    void missingFileWarnsAndKeepsText();
    void writeTruncatesAndCreatesFolders();
    void roundTrip_data();
    void roundTrip();
    void emptySourceIsNoOp();
    void failedWriteLeavesNoFile();
    void exists_data();
    void exists();
    void onlyOrdinaryFiles_data();
    void onlyOrdinaryFiles();

private:
    QUrl urlOf(const QString &name) const { return QUrl::fromLocalFile(m_dir->filePath(name)); }
    static void put(const QString &path, const QByteArray &bytes);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_FileIo::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void tst_FileIo::put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void tst_FileIo::readReportsEveryTime_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("layout") << QByteArray("[{\"acceleration\":\"0\",\"monitorlist\":[]}]");
    QTest::newRow("crlf kept") << QByteArray("a\r\nb\r\n");
}

void tst_FileIo::readReportsEveryTime()
{
    QFETCH(QByteArray, content);
    put(m_dir->filePath("km.temp"), content);
    fileIo io;
    io.setText(QStringLiteral("previous"));
    io.setSource(urlOf("km.temp"));
    QSignalSpy changed(&io, &fileIo::textChanged);
    io.read();
    io.read(); // unchanged file: reported again
    QCOMPARE(changed.count(), 2);
    QCOMPARE(io.text(), QString::fromUtf8(content));
    QCOMPARE(changed.at(1).at(0).toString(), QString::fromUtf8(content));
}

void tst_FileIo::unchangedValuesEmitNothing()
{
    fileIo io;
    QSignalSpy sourceSpy(&io, &fileIo::sourceChanged);
    QSignalSpy textSpy(&io, &fileIo::textChanged);
    io.setSource(urlOf("a"));
    io.setSource(urlOf("a"));
    io.setText(QStringLiteral("x"));
    io.setText(QStringLiteral("x"));
    QCOMPARE(sourceSpy.count(), 1);
    QCOMPARE(textSpy.count(), 1);
    io.setProperty("text", QStringLiteral("x")); // the property path too
    QCOMPARE(textSpy.count(), 1);
}

void tst_FileIo::missingFileWarnsAndKeepsText()
{
    fileIo io;
    io.setText(QStringLiteral("kept"));
    const QString path = m_dir->filePath("new/deeper/km.temp");
    io.setSource(QUrl::fromLocalFile(path));
    QSignalSpy changed(&io, &fileIo::textChanged);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Does not exits: ") + path));
    io.read();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(io.text(), QStringLiteral("kept"));
    QVERIFY(QFileInfo(m_dir->filePath("new/deeper")).isDir()); // reading creates the folder too
}

void tst_FileIo::writeTruncatesAndCreatesFolders()
{
    const QString path = m_dir->filePath("a b/ü%20/km.temp");
    fileIo io;
    io.setSource(QUrl::fromLocalFile(path));
    io.setText(QStringLiteral("a long first text"));
    io.write();
    QCOMPARE(QFileInfo(path).size(), qint64(17));
    io.setText(QString());
    io.write();
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), qint64(0));
}

void tst_FileIo::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii json") << QStringLiteral("[{\"row\":\"1\",\"col\":\"16\"}]");
    QTest::newRow("non-ascii") << QStringLiteral("Bildschirm ü 日本 \u00A0");
    QTest::newRow("line ends") << QStringLiteral("a\nb\r\nc\r");
}

void tst_FileIo::roundTrip()
{
    QFETCH(QString, text);
    fileIo writer;
    writer.setSource(urlOf("round.txt"));
    writer.setText(text);
    writer.write();
    QFile raw(m_dir->filePath("round.txt"));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY2(!raw.peek(3).startsWith("\xEF\xBB\xBF"), "no byte-order mark");

    fileIo reader;
    reader.setSource(urlOf("round.txt"));
    reader.read();
    QCOMPARE(reader.text(), text);
}

void tst_FileIo::emptySourceIsNoOp()
{
    fileIo io;
    io.setText(QStringLiteral("x"));
    QSignalSpy changed(&io, &fileIo::textChanged);
    io.read();
    io.write();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

// A file size limit makes every write past it fail, like a full disk. Neither
// half of the new text nor the old file may stay: whatever is left there is
// what the save protects next.
void tst_FileIo::failedWriteLeavesNoFile()
{
    const QString path = m_dir->filePath(QStringLiteral("km.temp"));
    put(path, "old layout");
    fileIo io;
    io.setSource(QUrl::fromLocalFile(path));
    io.setText(QString(64 * 1024, QLatin1Char('x')));

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Cannot write: ") + path));
    io.write();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);

    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_FileIo::exists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("file") << "desk.km" << true;
    QTest::newRow("folder") << "folder" << true;
    QTest::newRow("dangling link") << "dangling.km" << true;
    QTest::newRow("nothing") << "desk" << false;
    QTest::newRow("inside a file") << "desk.km/inside.km" << false;
}

void tst_FileIo::exists()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    put(m_dir->filePath("desk.km"), "x");
    QVERIFY(QDir(m_dir->path()).mkdir("folder"));
    QVERIFY(QFile::link(m_dir->filePath("gone.km"), m_dir->filePath("dangling.km")));
    fileIo io;
    QCOMPARE(io.exists(urlOf(name)), found);
    QCOMPARE(io.exists(QUrl(QStringLiteral("https://example.org/desk.km"))), false);
}

// Only an ordinary file is read or written. A named pipe in the file's place
// would hold the window until something comes to its other end, a device
// would be read without end or replaced. Whatever is there stays as it was,
// and a read keeps the previous text. Devices through links only.
void tst_FileIo::onlyOrdinaryFiles_data()
{
    QTest::addColumn<QString>("special"); // "pipe", or the device a link leads to
    QTest::addColumn<bool>("write");
    QTest::newRow("read a named pipe") << "pipe" << false;
    // (/dev/null: read without a bound, /dev/zero would never end)
    QTest::newRow("read through a link to /dev/null") << "/dev/null" << false;
    QTest::newRow("write a named pipe") << "pipe" << true;
    QTest::newRow("write through a link to /dev/null") << "/dev/null" << true;
}

void tst_FileIo::onlyOrdinaryFiles()
{
    QFETCH(QString, special);
    QFETCH(bool, write);
    const QString name = m_dir->filePath(QStringLiteral("km.temp"));
    const QByteArray native = QFile::encodeName(name);
    if (special == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    else
        QVERIFY(QFile::link(special, name));

    fileIo io;
    io.setSource(QUrl::fromLocalFile(name));
    io.setText(QStringLiteral("previous"));
    QSignalSpy changed(&io, &fileIo::textChanged);
    bool opened = false;
    {
        std::unique_ptr<PipeWatch> watch;
        if (special == QLatin1String("pipe"))
            watch.reset(new PipeWatch(native, write ? PipeWatch::CodeWrites : PipeWatch::CodeReads));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(write ? "^Cannot write: " : "^Cannot read: "));
        if (write)
            io.write();
        else
            io.read();
        opened = watch && watch->opened();
    }
    QVERIFY2(!opened, "the named pipe was opened");
    QCOMPARE(changed.count(), 0);
    QCOMPARE(io.text(), QStringLiteral("previous"));
    struct stat st;
    QCOMPARE(::lstat(native.constData(), &st), 0);
    if (special == QLatin1String("pipe")) {
        QVERIFY(S_ISFIFO(st.st_mode));
    } else {
        QVERIFY(S_ISLNK(st.st_mode));
        QCOMPARE(QFileInfo(name).symLinkTarget(), special);
        QVERIFY(::lstat(QFile::encodeName(special).constData(), &st) == 0 && S_ISCHR(st.st_mode));
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("km.temp")});
}

QTEST_GUILESS_MAIN(tst_FileIo)
#include "tst_fileio.moc"
