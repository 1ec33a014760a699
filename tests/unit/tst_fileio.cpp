#include "fileio.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

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

QTEST_GUILESS_MAIN(tst_FileIo)
#include "tst_fileio.moc"
