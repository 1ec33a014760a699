// The committed pictures in src/Images are exactly what the generator draws
// from the committed template table: a change of the table (or of the
// generator) without redrawing fails here. Regenerate with
//   cmake --build build --target update-artwork
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

const QString kSourceDir = QStringLiteral(SEAMRUN_SOURCE_DIR);
const QString kArtwork = QStringLiteral(SEAMRUN_ARTWORK);

// Runs the generator; returns its exit code (-1 if it did not finish).
int generate(const QString &outDir, const QString &table, QString *errors)
{
    QProcess artwork;
    artwork.start(kArtwork, {outDir, table});
    if (!artwork.waitForFinished(240000)) {
        *errors = artwork.errorString();
        return -1;
    }
    *errors = QString::fromLocal8Bit(artwork.readAllStandardError());
    return artwork.exitStatus() == QProcess::NormalExit ? artwork.exitCode() : -1;
}

// All frames of a picture, decoded to one pixel format, so two files that
// differ only in encoding compare equal.
QVector<QImage> frames(const QString &path)
{
    QVector<QImage> list;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        const QImage frame = reader.read();
        if (frame.isNull())
            return {};
        list.push_back(frame.convertToFormat(QImage::Format_ARGB32));
    }
    return list;
}

QStringList pictureNames(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("*.png"), QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
}

// Names of the pictures in `dir` whose pixels differ from those in src/Images.
QStringList differingFrom(const QString &dir, const QStringList &names)
{
    const QString committed = kSourceDir + QStringLiteral("/src/Images/");
    QStringList differing;
    for (const QString &name : names) {
        const QVector<QImage> want = frames(dir + QLatin1Char('/') + name);
        if (want.isEmpty() || want != frames(committed + name))
            differing << name;
    }
    return differing;
}

QByteArray readTable()
{
    QFile file(kSourceDir + QStringLiteral("/data/templates.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class TstArtwork : public QObject
{
    Q_OBJECT

private slots:
    void committedPicturesAreUpToDate()
    {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QString errors;
        QCOMPARE(generate(out.path(), kSourceDir + QStringLiteral("/data/templates.json"), &errors), 0);

        const QStringList drawn = pictureNames(out.path());
        QVERIFY(drawn.contains(QStringLiteral("img-uploading.gif")));
        // No picture missing, and none left over that nothing draws any more.
        QCOMPARE(pictureNames(kSourceDir + QStringLiteral("/src/Images")), drawn);
        const QStringList stale = differingFrom(out.path(), drawn);
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("redraw with the update-artwork target: ")
                                             + stale.join(QLatin1String(", "))));
        QCOMPARE(frames(out.filePath(QStringLiteral("img-uploading.gif"))).size(), 12);
    }

    // The pictures follow the table: moving one monitor of one configuration
    // redraws that configuration's tiles, and the template picture when it
    // is the template's first configuration, and nothing else.
    void picturesFollowTheTable()
    {
        QJsonDocument doc = QJsonDocument::fromJson(readTable());
        QJsonObject root = doc.object();
        QJsonObject configurations = root.value(QStringLiteral("configurations")).toObject();
        QJsonObject config = configurations.value(QStringLiteral("09-01")).toObject();
        QVERIFY(!config.isEmpty());
        QJsonArray list = config.value(QStringLiteral("monitorlist")).toArray();
        QJsonObject last = list.last().toObject();
        last[QStringLiteral("col")] = QStringLiteral("5"); // the bottom monitor steps aside
        list[list.size() - 1] = last;
        config[QStringLiteral("monitorlist")] = list;
        configurations[QStringLiteral("09-01")] = config;
        root[QStringLiteral("configurations")] = configurations;

        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QString table = out.filePath(QStringLiteral("templates.json"));
        QVERIFY(writeFile(table, QJsonDocument(root).toJson()));
        QString errors;
        QCOMPARE(generate(out.filePath(QStringLiteral("images")), table, &errors), 0);
        const QStringList changed = differingFrom(out.filePath(QStringLiteral("images")),
                                                  pictureNames(out.filePath(QStringLiteral("images"))));
        QCOMPARE(changed, QStringList({QStringLiteral("config_09_01.png"), QStringLiteral("config_09_01_hover.png"),
                                       QStringLiteral("template_09.png"), QStringLiteral("template_09_hover.png")}));
    }

    // A table the pictures cannot show is refused rather than drawn wrongly.
    void refusesBrokenTables_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("row past the grid") << QByteArray("{\"row\": \"2\", \"col\": \"3\"")
                                           << QByteArray("{\"row\": \"17\", \"col\": \"3\"") << "bad monitor";
        QTest::newRow("port 9") << QByteArray("\"portnum\": \"4\"") << QByteArray("\"portnum\": \"9\"")
                                << "bad monitor";
        QTest::newRow("listed configuration missing") << QByteArray("\"07-04\"") << QByteArray("\"07-99\"")
                                                      << "07-04 is missing";
        QTest::newRow("not JSON") << QByteArray("\"pages\": [") << QByteArray("\"pages\" [") << "templates.json";
    }

    void refusesBrokenTables()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, message);
        QByteArray data = readTable();
        QVERIFY(data.contains(from));
        data.replace(data.indexOf(from), from.size(), to);
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QString table = out.filePath(QStringLiteral("templates.json"));
        QVERIFY(writeFile(table, data));
        QString errors;
        QCOMPARE(generate(out.filePath(QStringLiteral("images")), table, &errors), 1);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QVERIFY(pictureNames(out.filePath(QStringLiteral("images"))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstArtwork)
#include "tst_artwork.moc"
