// The committed pictures in src/Images are what the generator draws from the
// committed template table: a change of the table (or of the generator)
// without redrawing fails here. Regenerate with
//   cmake --build build --target update-artwork
//
// Pictures are compared by their decoded pixels with a stated tolerance, never
// byte for byte: the same drawing comes out a shade different on another
// machine (the CPU's blending code, library builds).
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
#include <cstdlib>
#include <memory>

namespace {

const QString kSourceDir = QStringLiteral(SEAMRUN_SOURCE_DIR);
const QString kArtwork = QStringLiteral(SEAMRUN_ARTWORK);
// Where Debian's fonts-dejavu-core (part of the set-up) puts its faces.
const QString kDejaVuDir = QStringLiteral("/usr/share/fonts/truetype/dejavu");

// The tolerance. Two drawings of a picture match when every channel of every
// pixel of every frame, premultiplied by its alpha, is within kShadeLevels
// levels (of 255) of the other. Antialiasing differs between machines by one
// level, in up to about 9,000 pixels of a picture; this allows three. A moved
// or recoloured shape, or another glyph, changes its edge pixels by tens of
// levels, and that fails.
constexpr int kShadeLevels = 3;
// Stands for a difference no shade explains: frames or sizes differ.
constexpr int kNoMatch = 256;

struct Difference
{
    int worst = 0;  // largest channel difference, in levels
    int beyond = 0; // pixels with a channel beyond kShadeLevels
};

// All frames of a picture, decoded to one pixel format, so two files that
// differ only in encoding compare equal. Empty if the file cannot be read.
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
        list.push_back(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return list;
}

Difference difference(const QVector<QImage> &a, const QVector<QImage> &b)
{
    Difference d;
    if (a.isEmpty() || a.size() != b.size())
        return {kNoMatch, 0};
    for (int f = 0; f < a.size(); ++f) {
        if (a[f].size() != b[f].size())
            return {kNoMatch, 0};
        for (int y = 0; y < a[f].height(); ++y) {
            const QRgb *p = reinterpret_cast<const QRgb *>(a[f].constScanLine(y));
            const QRgb *q = reinterpret_cast<const QRgb *>(b[f].constScanLine(y));
            for (int x = 0; x < a[f].width(); ++x) {
                const int worst = std::max({std::abs(qAlpha(p[x]) - qAlpha(q[x])), std::abs(qRed(p[x]) - qRed(q[x])),
                                            std::abs(qGreen(p[x]) - qGreen(q[x])),
                                            std::abs(qBlue(p[x]) - qBlue(q[x]))});
                d.worst = std::max(d.worst, worst);
                d.beyond += worst > kShadeLevels;
            }
        }
    }
    return d;
}

bool matches(const Difference &d)
{
    return d.worst <= kShadeLevels;
}

QStringList pictureNames(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("*.png"), QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
}

// Names of the pictures in `dir` that do not match those of the same name in
// `reference`; `report` gets each with its figures.
QStringList differing(const QString &dir, const QString &reference, QString *report = nullptr)
{
    QStringList names;
    for (const QString &name : pictureNames(dir)) {
        const Difference d = difference(frames(dir + QLatin1Char('/') + name),
                                        frames(reference + QLatin1Char('/') + name));
        if (matches(d))
            continue;
        names << name;
        if (report) {
            *report += d.worst == kNoMatch ? QStringLiteral("\n  %1: frames or size differ").arg(name)
                                           : QStringLiteral("\n  %1: %2 pixels off by up to %3 levels")
                                                 .arg(name).arg(d.beyond).arg(d.worst);
        }
    }
    return names;
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

// Changes of the table the pictures must follow, and the pictures each one
// redraws. A template picture shows its first configuration in one colour, so
// only a moved monitor of that configuration changes it.
struct TableEdit
{
    const char *tag;
    const char *configuration;
    const char *member; // of the configuration's last monitor
    const char *value;
    QStringList redrawn;
};

const std::vector<TableEdit> &tableEdits()
{
    static const std::vector<TableEdit> edits = {
        {"monitor moved", "09-01", "col", "5",
         {"config_09_01.png", "config_09_01_hover.png", "template_09.png", "template_09@2x.png",
          "template_09_hover.png", "template_09_hover@2x.png"}},
        {"port changed: colour and name", "07-02", "portnum", "3", {"config_07_02.png", "config_07_02_hover.png"}},
        {"monitor number changed", "07-04", "monitornum", "03", {"config_07_04.png", "config_07_04_hover.png"}},
    };
    return edits;
}

QByteArray editedTable()
{
    QJsonObject root = QJsonDocument::fromJson(readTable()).object();
    QJsonObject configurations = root.value(QStringLiteral("configurations")).toObject();
    for (const TableEdit &edit : tableEdits()) {
        const QString id = QLatin1String(edit.configuration);
        QJsonObject config = configurations.value(id).toObject();
        QJsonArray list = config.value(QStringLiteral("monitorlist")).toArray();
        if (list.isEmpty())
            return {};
        QJsonObject last = list.last().toObject();
        if (last.value(QLatin1String(edit.member)).toString() == QLatin1String(edit.value))
            return {}; // would change nothing
        last[QLatin1String(edit.member)] = QLatin1String(edit.value);
        list[list.size() - 1] = last;
        config[QStringLiteral("monitorlist")] = list;
        configurations[id] = config;
    }
    root[QStringLiteral("configurations")] = configurations;
    return QJsonDocument(root).toJson();
}

// A font set other than the set-up's: the only faces fontconfig knows are
// DejaVu Serif's, posing as "DejaVu Sans". A generator that took its font by
// name would set every label in serifs.
QByteArray posingFontConfig(const QString &fontDir, const QString &cacheDir)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                          "  <dir>%1</dir>\n  <cachedir>%2</cachedir>\n"
                          "  <match target=\"scan\">\n"
                          "    <test name=\"family\"><string>DejaVu Serif</string></test>\n"
                          "    <edit name=\"family\" mode=\"assign\" binding=\"same\"><string>DejaVu Sans</string></edit>\n"
                          "  </match>\n</fontconfig>\n")
        .arg(fontDir.toHtmlEscaped(), cacheDir.toHtmlEscaped())
        .toUtf8();
}

// One generator run: artwork OUTPUT_DIR TABLE.
std::unique_ptr<QProcess> startGenerator(const QString &outDir, const QString &table,
                                         const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    auto artwork = std::make_unique<QProcess>();
    artwork->setProcessEnvironment(env);
    artwork->start(kArtwork, {outDir, table});
    return artwork;
}

// Waits for a run; its exit code, or -1 if it did not finish normally.
int finish(QProcess &artwork, QString *errors)
{
    if (!artwork.waitForFinished(240000)) {
        *errors = artwork.errorString();
        artwork.kill();
        artwork.waitForFinished();
        return -1;
    }
    *errors = QString::fromLocal8Bit(artwork.readAllStandardError());
    return artwork.exitStatus() == QProcess::NormalExit ? artwork.exitCode() : -1;
}

// Pictures as changed as a machine's antialiasing could change them, or more.
QVector<QImage> altered(QVector<QImage> list, const QString &how)
{
    for (QImage &frame : list) {
        QImage out = frame;
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb *in = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb c = in[x];
                const auto off = [](int v, int by) { return std::clamp(v + by, 0, 255); };
                if (how == QLatin1String("shade")) {
                    // one level up or down, alternating
                    const int by = (x + y) % 2 ? 1 : -1;
                    line[x] = qRgba(off(qRed(c), by), off(qGreen(c), by), off(qBlue(c), by), off(qAlpha(c), by));
                } else if (how == QLatin1String("bound") && (x + y) % 2) {
                    line[x] = qRgba(off(qRed(c), kShadeLevels), qGreen(c), qBlue(c), qAlpha(c));
                } else if (how == QLatin1String("bluer") && qAlpha(c) == 255) {
                    line[x] = qRgba(qRed(c), qGreen(c), off(qBlue(c), 8), 255);
                } else if (how == QLatin1String("shifted")) {
                    line[x] = x > 0 ? in[x - 1] : qRgba(0, 0, 0, 0);
                }
            }
        }
        if (how == QLatin1String("one pixel")) {
            QRgb &c = reinterpret_cast<QRgb *>(out.scanLine(out.height() / 2))[out.width() / 2];
            const int by = qAlpha(c) > 127 ? -(kShadeLevels + 1) : kShadeLevels + 1;
            c = qRgba(qRed(c), qGreen(c), qBlue(c), qAlpha(c) + by);
        }
        frame = out;
    }
    return list;
}

} // namespace

class TstArtwork : public QObject
{
    Q_OBJECT

private slots:
    // Three runs at once: the committed table, the table with the edits
    // above, and the committed table under another font set.
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        const QByteArray edited = editedTable();
        QVERIFY2(!edited.isEmpty(), "the table no longer has the entries the edits change, or has their new values");
        QVERIFY(writeFile(m_work.filePath(QStringLiteral("edited.json")), edited));

        QDir(m_work.path()).mkpath(QStringLiteral("serif"));
        for (const QString &face : {QStringLiteral("DejaVuSerif.ttf"), QStringLiteral("DejaVuSerif-Bold.ttf")}) {
            QVERIFY2(QFile::link(kDejaVuDir + QLatin1Char('/') + face, m_work.filePath(QStringLiteral("serif/") + face)),
                     qPrintable(face));
        }
        const QString fontConfig = m_work.filePath(QStringLiteral("fonts.conf"));
        QVERIFY(writeFile(fontConfig, posingFontConfig(m_work.filePath(QStringLiteral("serif")),
                                                       m_work.filePath(QStringLiteral("fontcache")))));
        QProcessEnvironment otherFonts = QProcessEnvironment::systemEnvironment();
        otherFonts.insert(QStringLiteral("FONTCONFIG_FILE"), fontConfig);

        const QString table = kSourceDir + QStringLiteral("/data/templates.json");
        auto drawn = startGenerator(dir("drawn"), table);
        auto edits = startGenerator(dir("edited"), m_work.filePath(QStringLiteral("edited.json")));
        auto fonts = startGenerator(dir("fonts"), table, otherFonts);
        QString errors;
        QVERIFY2(finish(*drawn, &errors) == 0, qPrintable(errors));
        QVERIFY2(finish(*edits, &errors) == 0, qPrintable(errors));
        QVERIFY2(finish(*fonts, &errors) == 0, qPrintable(errors));
    }

    void committedPicturesAreUpToDate()
    {
        const QStringList drawn = pictureNames(dir("drawn"));
        QVERIFY(drawn.contains(QStringLiteral("img-uploading.gif")));
        // No picture missing, and none left over that nothing draws any more.
        QCOMPARE(pictureNames(kSourceDir + QStringLiteral("/src/Images")), drawn);
        QString report;
        const QStringList stale = differing(dir("drawn"), kSourceDir + QStringLiteral("/src/Images"), &report);
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("redraw with the update-artwork target:") + report));
        QCOMPARE(frames(dir("drawn") + QStringLiteral("/img-uploading.gif")).size(), 12);
    }

    // What the tolerance lets through and what it does not, on pictures of
    // this run: shades pass, a changed colour or position fails.
    void toleranceSeparatesShadesFromChanges_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("same");
        QTest::newRow("one level of shade, every pixel") << "btn-home.png" << "shade" << true;
        QTest::newRow("shade at the bound") << "config_07_01.png" << "bound" << true;
        QTest::newRow("one pixel past the bound") << "logo@2x.png" << "one pixel" << false;
        QTest::newRow("colour eight levels bluer") << "config_07_01.png" << "bluer" << false;
        QTest::newRow("moved one pixel") << "logo@2x.png" << "shifted" << false;
        QTest::newRow("moved one pixel, animation") << "img-uploading.gif" << "shifted" << false;
    }

    void toleranceSeparatesShadesFromChanges()
    {
        QFETCH(QString, picture);
        QFETCH(QString, how);
        QFETCH(bool, same);
        const QVector<QImage> original = frames(dir("drawn") + QLatin1Char('/') + picture);
        QVERIFY(!original.isEmpty());
        const QVector<QImage> changed = altered(original, how);
        QVERIFY(changed != original);
        const Difference d = difference(original, changed);
        QVERIFY2(matches(d) == same, qPrintable(QStringLiteral("%1 pixels off by up to %2 levels")
                                                    .arg(d.beyond).arg(d.worst)));
    }

    // The pictures follow the table: each edit redraws exactly the pictures
    // that show what it changed, compared with this run's own drawing of the
    // unchanged table.
    void picturesFollowTheTable_data()
    {
        QTest::addColumn<QStringList>("redrawn");
        for (const TableEdit &edit : tableEdits())
            QTest::newRow(edit.tag) << edit.redrawn;
    }

    void picturesFollowTheTable()
    {
        QFETCH(QStringList, redrawn);
        for (const QString &name : redrawn) {
            const Difference d = difference(frames(dir("edited") + QLatin1Char('/') + name),
                                            frames(dir("drawn") + QLatin1Char('/') + name));
            QVERIFY2(!matches(d), qPrintable(name + QLatin1String(" did not change")));
        }
    }

    void nothingElseFollowsTheEdits()
    {
        QStringList expected;
        for (const TableEdit &edit : tableEdits())
            expected << edit.redrawn;
        expected.sort();
        QCOMPARE(pictureNames(dir("edited")), pictureNames(dir("drawn")));
        QCOMPARE(differing(dir("edited"), dir("drawn")), expected);
    }

    // The generator sets its text in the font files it names, whatever the
    // machine's fonts are.
    void textIgnoresInstalledFonts()
    {
        QCOMPARE(pictureNames(dir("fonts")), pictureNames(dir("drawn")));
        QString report;
        QVERIFY2(differing(dir("fonts"), dir("drawn"), &report).isEmpty(), qPrintable(report));
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
        auto artwork = startGenerator(out.filePath(QStringLiteral("images")), table);
        QCOMPARE(finish(*artwork, &errors), 1);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QVERIFY(pictureNames(out.filePath(QStringLiteral("images"))).isEmpty());
    }

    // The home page's template pictures: under the mouse a card keeps its
    // plain frame and takes a light tint, so that hover does not look like
    // the focus ring nor like the chosen frame of the configuration tiles,
    // which keep that frame.
    void hoverTintsWhereChosenFrames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("framed");
        QTest::newRow("template") << QStringLiteral("template_01") << false;
        QTest::newRow("wide template") << QStringLiteral("template_20") << false;
        QTest::newRow("configuration") << QStringLiteral("config_01_01") << true;
    }

    void hoverTintsWhereChosenFrames()
    {
        QFETCH(QString, name);
        QFETCH(bool, framed);
        // Drawn at twice the size shown, where the frame is two pixels wide
        // (a template's picture is then scaled to the height the home page
        // shows, which leaves the frame's outer row whole); the shown size is
        // scaled from it (see the pictures' size test).
        const QString images = kSourceDir + QStringLiteral("/src/Images/");
        const QString twice = QFile::exists(images + name + QStringLiteral("@2x.png")) ? QStringLiteral("@2x") : QString();
        const QImage plain(images + name + twice + QStringLiteral(".png"));
        const QImage hover(images + name + QStringLiteral("_hover") + twice + QStringLiteral(".png"));
        QVERIFY(!plain.isNull() && !hover.isNull());
        const auto near = [](QRgb a, QRgb b) {
            return std::abs(qRed(a) - qRed(b)) <= kShadeLevels && std::abs(qGreen(a) - qGreen(b)) <= kShadeLevels
                   && std::abs(qBlue(a) - qBlue(b)) <= kShadeLevels;
        };
        // The top edge's middle, on the frame; and the ground just below it.
        const QPoint edge(plain.width() / 2, 0);
        const QPoint ground(plain.width() / 2, 14);
        QCOMPARE(near(hover.pixel(edge), plain.pixel(edge)), !framed);
        QVERIFY2(!near(hover.pixel(ground), plain.pixel(ground)), "hover shows");
        if (!framed)
            QVERIFY2(qGray(hover.pixel(ground)) > 220, "a light tint");
    }

private:
    QString dir(const char *name) const { return m_work.filePath(QLatin1String(name)); }

    QTemporaryDir m_work;
};

QTEST_GUILESS_MAIN(TstArtwork)
#include "tst_artwork.moc"
