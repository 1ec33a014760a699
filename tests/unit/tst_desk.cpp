// The desk as typed values, alone: the layout file text both ways (every
// template saves byte for byte as before, member order, round trips), the
// tolerant reader of hand-made files and of the screens' values, and the
// rules - checks, numbering, coordinates, the upload plan - as tables.
#include "desk/desk.h"
#include "desk/deskfile.h"
#include "desk/deskreader.h"
#include "desk/deskrules.h"
#include "deskcells.h"
#include "readerrows.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>

// Readable failures: a desk as the text it saves as.
char *toString(const Desk &desk)
{
    return qstrdup(DeskFile::text(desk).toUtf8().constData());
}

char *toString(const Monitor &m)
{
    return qstrdup(QStringLiteral("%1,%2 port %3 #%4 %5x%6 %7")
                       .arg(m.row).arg(m.col).arg(m.port).arg(m.number).arg(m.width).arg(m.height)
                       .arg(m.orientationText()).toUtf8().constData());
}

namespace {


QByteArray readSourceFile(const QString &path)
{
    QFile file(QStringLiteral(SEAMRUN_SOURCE_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped configurations by id.
QJsonObject templateConfigurations()
{
    return QJsonDocument::fromJson(readSourceFile(QStringLiteral("data/templates.json")))
        .object()
        .value(QStringLiteral("configurations"))
        .toObject();
}

// A configuration as the editor gets it from the home page: the mouse's
// three template values and the configuration's monitor list.
QString templateText(const QJsonObject &configuration)
{
    QJsonObject record{{QStringLiteral("acceleration"), QStringLiteral("0")},
                       {QStringLiteral("speed"), QStringLiteral("0")},
                       {QStringLiteral("position"), QStringLiteral("4")},
                       {QStringLiteral("monitorlist"), configuration.value(QStringLiteral("monitorlist"))}};
    return QString::fromUtf8(QJsonDocument(QJsonArray{record}).toJson(QJsonDocument::Compact));
}

// "id text" per line: each template's saved text as the editor has always
// written it (tests/fixtures/desk/templates-saved.txt).
QList<QPair<QString, QString>> savedTemplates()
{
    QList<QPair<QString, QString>> saved;
    const QList<QByteArray> lines = readSourceFile(QStringLiteral("tests/fixtures/desk/templates-saved.txt")).split('\n');
    for (const QByteArray &line : lines) {
        const int space = line.indexOf(' ');
        if (space > 0)
            saved.append({QString::fromUtf8(line.left(space)), QString::fromUtf8(line.mid(space + 1))});
    }
    return saved;
}

} // namespace

class tst_Desk : public QObject
{
    Q_OBJECT

private slots:
    // ------------------------------------------------------ layout file text

    // Every template, opened and saved, gives the bytes it always gave; its
    // saved text reads back to the same desk.
    void templatesSaveAsBefore_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<int>("monitorCount");
        const QJsonObject configurations = templateConfigurations();
        for (const auto &entry : savedTemplates()) {
            const QJsonObject configuration = configurations.value(entry.first).toObject();
            QTest::newRow(qPrintable(entry.first))
                << templateText(configuration) << entry.second
                << configuration.value(QStringLiteral("monitorlist")).toArray().size();
        }
    }

    void templatesSaveAsBefore()
    {
        QFETCH(QString, input);
        QFETCH(QString, saved);
        QFETCH(int, monitorCount);
        const std::optional<Desk> desk = DeskFile::read(input);
        QVERIFY(desk);
        QCOMPARE(desk->monitors.size(), monitorCount);
        QCOMPARE(DeskFile::text(*desk), saved);
        QVERIFY(DeskRules::check(desk->monitors).passed());

        const std::optional<Desk> again = DeskFile::read(saved);
        QVERIFY(again);
        QCOMPARE(*again, *desk);
        QCOMPARE(DeskFile::text(*again), saved);
    }

    // The table above covers every shipped configuration, and only those.
    void everyTemplateHasItsSavedText()
    {
        QStringList saved;
        for (const auto &entry : savedTemplates())
            saved.append(entry.first);
        QStringList ids = templateConfigurations().keys();
        ids.sort();
        QCOMPARE(saved, ids);
        QCOMPARE(ids.size(), 58);
    }

    // Member order, quoting and grid order, byte for byte.
    void writtenText_data()
    {
        QTest::addColumn<QVector<Monitor>>("monitors");
        QTest::addColumn<MouseSettings>("mouse");
        QTest::addColumn<QString>("text");
        MouseSettings mouse;
        mouse.acceleration = 1;
        mouse.speed = 7;
        mouse.position = 5;
        mouse.focus = 1;
        mouse.duration = 0;
        mouse.awake = 2;
        QTest::newRow("blank desk") << QVector<Monitor>() << MouseSettings()
                                    << "[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\",\"switching_focus\":0,"
                                       "\"duration_time\":1,\"keep_awake\":0,\"monitorlist\":[]}]";
        QTest::newRow("placing order written in grid order")
            << monitorsOf("2,3,2,1 1,3,1,1,1080,1920 1,4,1,2,1080,1920 2,4,5,1") << mouse
            << "[{\"acceleration\":\"1\",\"speed\":\"7\",\"position\":\"5\",\"switching_focus\":1,\"duration_time\":0,"
               "\"keep_awake\":2,\"monitorlist\":["
               "{\"row\":\"1\",\"col\":\"3\",\"width\":\"1080\",\"height\":\"1920\",\"portnum\":\"1\",\"monitornum\":\"01\"},"
               "{\"row\":\"1\",\"col\":\"4\",\"width\":\"1080\",\"height\":\"1920\",\"portnum\":\"1\",\"monitornum\":\"02\"},"
               "{\"row\":\"2\",\"col\":\"3\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"2\",\"monitornum\":\"01\"},"
               "{\"row\":\"2\",\"col\":\"4\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"5\",\"monitornum\":\"01\"}]}]";
        QTest::newRow("two-digit numbers, no port or size yet")
            << monitorsOf("16,16,8,16,65535,65535 16,15,0,10,0,0") << MouseSettings()
            << "[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\",\"switching_focus\":0,"
               "\"duration_time\":1,\"keep_awake\":0,\"monitorlist\":["
               "{\"row\":\"16\",\"col\":\"15\",\"width\":\"0\",\"height\":\"0\",\"portnum\":\"0\",\"monitornum\":\"10\"},"
               "{\"row\":\"16\",\"col\":\"16\",\"width\":\"65535\",\"height\":\"65535\",\"portnum\":\"8\",\"monitornum\":\"16\"}]}]";
    }

    void writtenText()
    {
        QFETCH(QVector<Monitor>, monitors);
        QFETCH(MouseSettings, mouse);
        QFETCH(QString, text);
        Desk desk;
        desk.monitors = monitors;
        desk.mouse = mouse;
        QCOMPARE(DeskFile::text(desk), text);
    }

    // Written and read again, a desk comes back whole (in grid order, each
    // monitor standing as its size says), and writes the same bytes.
    void roundTrip_data()
    {
        QTest::addColumn<QVector<Monitor>>("monitors");
        QTest::addColumn<MouseSettings>("mouse");
        MouseSettings edge;
        edge.acceleration = 1;
        edge.speed = 10;
        edge.position = 255; // kept: shown as lower right, sent as stored
        edge.focus = 1;
        edge.duration = 3;
        edge.awake = 2;
        QString sixteen;
        for (int i = 0; i < 16; ++i)
            sixteen += QStringLiteral("%1,%2,%3,%4 ").arg(1 + i / 4).arg(1 + i % 4).arg(1 + i / 2).arg(1 + i % 2);
        QTest::newRow("nothing") << QVector<Monitor>() << MouseSettings();
        QTest::newRow("vertical and horizontal") << monitorsOf("3,9,3,1,2560,1440 3,10,3,2,1440,2560") << edge;
        QTest::newRow("sixteen on eight ports") << monitorsOf(sixteen) << MouseSettings();
        QTest::newRow("placing order") << monitorsOf("16,16,8,2 1,1,8,1 9,1,1,1,65535,0") << edge;
        QTest::newRow("square counts as horizontal") << monitorsOf("5,5,2,1,1920,1920") << MouseSettings();
    }

    void roundTrip()
    {
        QFETCH(QVector<Monitor>, monitors);
        QFETCH(MouseSettings, mouse);
        Desk desk;
        desk.monitors = monitors;
        desk.mouse = mouse;
        const QString text = DeskFile::text(desk);
        const std::optional<Desk> back = DeskFile::read(text);
        QVERIFY(back);
        QCOMPARE(back->monitors, DeskRules::inGridOrder(monitors));
        QCOMPARE(back->mouse, mouse);
        QCOMPARE(DeskFile::text(*back), text);
    }

    // --------------------------------------------------------- the reader

    // Hand-made files: what each one saves as (the bytes the editor has
    // always written for it), or "" when the editor refuses it.
    void handMadeFiles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("saved");
        const QString blank = QStringLiteral("[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\","
                                             "\"switching_focus\":0,\"duration_time\":1,\"keep_awake\":0,"
                                             "\"monitorlist\":[]}]");
        const auto one = [](const QString &mouse, const QString &monitor) {
            return QStringLiteral("[{") + mouse + QStringLiteral(",\"monitorlist\":[") + monitor + QStringLiteral("]}]");
        };
        const QString templateMouse = QStringLiteral("\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"4\"");
        const QString savedMouse = templateMouse
                                   + QStringLiteral(",\"switching_focus\":0,\"duration_time\":1,\"keep_awake\":0");

        QTest::newRow("numbers as numbers, members in any order")
            << "[{\"monitorlist\":[{\"monitornum\":2,\"portnum\":5,\"height\":1920,\"width\":1080,\"col\":16,\"row\":16},"
               "{\"monitornum\":\"01\",\"portnum\":\"5\",\"height\":\"1920\",\"width\":\"1080\",\"col\":\"15\",\"row\":\"16\"}],"
               "\"keep_awake\":1,\"duration_time\":3,\"switching_focus\":1,\"position\":2,\"speed\":3,\"acceleration\":1}]"
            << "[{\"acceleration\":\"1\",\"speed\":\"3\",\"position\":\"2\",\"switching_focus\":1,\"duration_time\":3,"
               "\"keep_awake\":1,\"monitorlist\":["
               "{\"row\":\"16\",\"col\":\"15\",\"width\":\"1080\",\"height\":\"1920\",\"portnum\":\"5\",\"monitornum\":\"01\"},"
               "{\"row\":\"16\",\"col\":\"16\",\"width\":\"1080\",\"height\":\"1920\",\"portnum\":\"5\",\"monitornum\":\"02\"}]}]";
        QTest::newRow("texts padded, with a point, an exponent, a sign, hex")
            << one(templateMouse, "{\"row\":\" 3 \",\"col\":\"3.0\",\"width\":\"0x780\",\"height\":\"1.08e3\","
                                  "\"portnum\":\"+2\",\"monitornum\":\"1\"}")
            << one(savedMouse, "{\"row\":\"3\",\"col\":\"3\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"2\","
                               "\"monitornum\":\"01\"}");
        QTest::newRow("octal, binary and a leading point")
            << one(templateMouse, "{\"row\":\"0x10\",\"col\":\".16e2\",\"width\":\"0\",\"height\":\"0\","
                                  "\"portnum\":\"0b11\",\"monitornum\":\"0o20\"}")
            << one(savedMouse, "{\"row\":\"16\",\"col\":\"16\",\"width\":\"0\",\"height\":\"0\",\"portnum\":\"3\","
                               "\"monitornum\":\"16\"}");
        QTest::newRow("whole JSON numbers with a point")
            << one(templateMouse, "{\"row\":3,\"col\":4.0,\"width\":1920,\"height\":1080,\"portnum\":0,\"monitornum\":1.0}")
            << one(savedMouse, "{\"row\":\"3\",\"col\":\"4\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"0\","
                               "\"monitornum\":\"01\"}");
        QTest::newRow("members the editor does not keep")
            << one(templateMouse, "{\"row\":\"1\",\"col\":\"1\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\","
                                  "\"monitornum\":\"01\",\"orientation\":\"v\",\"extra\":{\"a\":1}}")
            << one(savedMouse, "{\"row\":\"1\",\"col\":\"1\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\","
                               "\"monitornum\":\"01\"}");
        QTest::newRow("mouse values brought into range")
            << "[{\"acceleration\":\"-1\",\"speed\":\"7.5\",\"position\":\" 5 \",\"switching_focus\":\"1.0\","
               "\"duration_time\":\"0x2\",\"keep_awake\":\"1.5\",\"monitorlist\":[]}]"
            << "[{\"acceleration\":\"1\",\"speed\":\"8\",\"position\":\"5\",\"switching_focus\":1,\"duration_time\":2,"
               "\"keep_awake\":2,\"monitorlist\":[]}]";
        QTest::newRow("mouse values blank") << "[{\"acceleration\":\"\",\"speed\":\"\",\"position\":\"\","
                                               "\"switching_focus\":\"\",\"duration_time\":\"\",\"keep_awake\":\"\","
                                               "\"monitorlist\":[]}]"
                                            << blank;
        QTest::newRow("mouse values null") << "[{\"acceleration\":null,\"speed\":null,\"position\":null,"
                                              "\"switching_focus\":null,\"duration_time\":null,\"keep_awake\":null,"
                                              "\"monitorlist\":null}]"
                                           << blank;
        QTest::newRow("mouse values of other kinds")
            << "[{\"acceleration\":true,\"speed\":[3],\"position\":3.5,\"switching_focus\":true,\"duration_time\":2.5,"
               "\"keep_awake\":-3}]"
            << blank;
        QTest::newRow("mouse values infinite")
            << "[{\"acceleration\":\"Infinity\",\"speed\":\"Infinity\",\"position\":\"Infinity\","
               "\"switching_focus\":\"-0\",\"duration_time\":\"3e0\",\"keep_awake\":\"Infinity\"}]"
            << "[{\"acceleration\":\"1\",\"speed\":\"10\",\"position\":\"4\",\"switching_focus\":0,\"duration_time\":3,"
               "\"keep_awake\":2,\"monitorlist\":[]}]";
        QTest::newRow("mouse values at their edges")
            << "[{\"acceleration\":\"0.0\",\"speed\":\"-Infinity\",\"position\":\"0\",\"switching_focus\":0,"
               "\"duration_time\":\"  \",\"keep_awake\":\"2\"}]"
            << "[{\"acceleration\":\"0\",\"speed\":\"0\",\"position\":\"0\",\"switching_focus\":0,\"duration_time\":1,"
               "\"keep_awake\":2,\"monitorlist\":[]}]";
        QTest::newRow("mouse values as words and hex")
            << "[{\"acceleration\":\"abc\",\"speed\":\"10.49\",\"position\":255,\"switching_focus\":\"0x1\","
               "\"duration_time\":-0,\"keep_awake\":\"0x2\"}]"
            << "[{\"acceleration\":\"0\",\"speed\":\"10\",\"position\":\"255\",\"switching_focus\":1,\"duration_time\":0,"
               "\"keep_awake\":2,\"monitorlist\":[]}]";
        QTest::newRow("no record") << "[]" << blank;
        QTest::newRow("record not an object") << "[5]" << blank;
        QTest::newRow("a lone number") << "5" << blank;
        QTest::newRow("an object, not a list") << "{\"monitorlist\":[]}" << blank;
        QTest::newRow("record a list") << "[[1,2]]" << blank;
        QTest::newRow("later records ignored") << "[{\"monitorlist\":[]},{\"monitorlist\":[{\"row\":\"1\"}]}]" << blank;
        // A list the editor cannot hold is refused whole.
        QTest::newRow("monitor list not a list") << "[{\"monitorlist\":{\"row\":\"1\"}}]" << "";
        QTest::newRow("entry not an object") << one(templateMouse, "5") << "";
        QTest::newRow("a member missing")
            << one(templateMouse, "{\"row\":\"1\",\"col\":\"1\",\"width\":\"1920\",\"portnum\":\"1\",\"monitornum\":\"01\"}")
            << "";
        QTest::newRow("two on one cell")
            << one(templateMouse, "{\"row\":\"1\",\"col\":\"1\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\","
                                  "\"monitornum\":\"01\"},{\"row\":1,\"col\":1,\"width\":1920,\"height\":1080,"
                                  "\"portnum\":2,\"monitornum\":\"01\"}")
            << "";
        QTest::newRow("one number twice on a port")
            << one(templateMouse, "{\"row\":\"1\",\"col\":\"1\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\","
                                  "\"monitornum\":\"01\"},{\"row\":\"1\",\"col\":\"2\",\"width\":\"1920\",\"height\":\"1080\","
                                  "\"portnum\":\"1\",\"monitornum\":\"1\"}")
            << "";
        QTest::newRow("monitor number 00")
            << one(templateMouse, "{\"row\":\"1\",\"col\":\"1\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"1\","
                                  "\"monitornum\":\"00\"}")
            << "";
        QTest::newRow("size beyond two bytes")
            << one(templateMouse, "{\"row\":\"1\",\"col\":\"1\",\"width\":\"65536\",\"height\":\"1080\",\"portnum\":\"1\","
                                  "\"monitornum\":\"01\"}")
            << "";
        QTest::newRow("port 9")
            << one(templateMouse, "{\"row\":\"1\",\"col\":\"1\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"9\","
                                  "\"monitornum\":\"01\"}")
            << "";
        QString seventeen;
        for (int i = 0; i < 17; ++i)
            seventeen += QStringLiteral("%1{\"row\":%2,\"col\":%3,\"width\":1920,\"height\":1080,\"portnum\":%4,"
                                        "\"monitornum\":%5}")
                             .arg(i ? "," : "").arg(1 + i / 4).arg(1 + i % 4).arg(1 + i / 16).arg(1 + i % 16);
        QTest::newRow("seventeen monitors") << one(templateMouse, seventeen) << "";
    }

    void handMadeFiles()
    {
        QFETCH(QString, text);
        QFETCH(QString, saved);
        const std::optional<Desk> desk = DeskFile::read(text);
        QCOMPARE(desk.has_value(), !saved.isEmpty());
        if (desk)
            QCOMPARE(DeskFile::text(*desk), saved);
    }

    // The same cases the script-facing rules read (tst_layoutrules).
    void scriptNumbers_data()
    {
        ReaderRows::scriptNumbers();
    }

    void scriptNumbers()
    {
        QFETCH(QVariant, value);
        QFETCH(double, expected);
        const double got = DeskReader::number(value);
        if (std::isnan(expected))
            QVERIFY2(std::isnan(got), qPrintable(QString::number(got)));
        else
            QCOMPARE(got, expected);
    }

    void wholeFileNumbers_data()
    {
        ReaderRows::wholeFileNumbers();
    }

    void wholeFileNumbers()
    {
        QFETCH(QString, row);
        QFETCH(bool, accepted);
        const std::optional<Desk> desk = DeskFile::read(ReaderRows::layoutWithRow(row));
        QCOMPARE(desk.has_value(), accepted);
        if (accepted)
            QCOMPARE(desk->monitors.value(0).row, 3);
    }

    void layoutShapes_data()
    {
        ReaderRows::layoutShapes();
    }

    void layoutShapes()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QVariant layout;
        QCOMPARE(DeskFile::parse(text, &layout), size >= 0);
        if (size < 0)
            return;
        QCOMPARE(layout.toList().size(), size);
        QCOMPARE(DeskReader::desk(layout), Desk());
    }

    // What the editor applied of a file it never checked (a template, a
    // script's layout): the monitors before the first one that does not fit.
    void unreadMonitorsStopTheList()
    {
        const QVariantList list{
            QVariantMap{{"row", "2"}, {"col", "2"}, {"width", 1920}, {"height", 1080}, {"portnum", 1}, {"monitornum", "01"}},
            QVariantMap{{"row", "1"}, {"col", "1"}, {"width", 1920}, {"height", 1080}, {"portnum", 1}, {"monitornum", "02"}},
            QVariantMap{{"row", "x"}, {"col", "3"}, {"width", 1920}, {"height", 1080}, {"portnum", 1}, {"monitornum", "03"}},
            QVariantMap{{"row", "2"}, {"col", "4"}, {"width", 1920}, {"height", 1080}, {"portnum", 1}, {"monitornum", "04"}}};
        const QVariant layout = QVariantList{QVariantMap{{"monitorlist", list}}};
        QVERIFY(!DeskReader::acceptable(layout));
        QCOMPARE(DeskReader::monitors(layout), monitorsOf("1,1,1,2 2,2,1,1"));
    }

    // Values as the screens hand them over: numbers or texts, a place by
    // grid index alone, the orientation when given.
    void screenValues_data()
    {
        QTest::addColumn<QVariantMap>("value");
        QTest::addColumn<Monitor>("monitor");
        Monitor m;
        m.row = 3;
        m.col = 2;
        m.port = 6;
        m.number = 3;
        m.width = 1080;
        m.height = 1920;
        m.orientation = Orientation::Vertical;
        QTest::newRow("numbers") << QVariantMap{{"row", 3}, {"col", 2}, {"portnum", 6}, {"monitornum", 3},
                                                {"width", 1080}, {"height", 1920}}
                                 << m;
        QTest::newRow("texts") << QVariantMap{{"row", "3"}, {"col", " 2"}, {"portnum", "6"}, {"monitornum", "03"},
                                              {"width", "1080"}, {"height", "1920"}}
                               << m;
        QTest::newRow("place from the grid index") << QVariantMap{{"gridindex", 33}, {"portnum", 6}, {"monitornum", "03"},
                                                                  {"width", 1080}, {"height", 1920}}
                                                   << m;
        Monitor chosen = m;
        chosen.orientation = Orientation::Horizontal;
        QTest::newRow("orientation as chosen") << QVariantMap{{"gridindex", 33}, {"row", 3}, {"col", 2}, {"portnum", 6},
                                                              {"monitornum", "03"}, {"width", 1080}, {"height", 1920},
                                                              {"orientation", "h"}}
                                               << chosen;
        QTest::newRow("nothing") << QVariantMap() << Monitor();
        Monitor held;
        held.row = 1 << 20;
        held.col = -(1 << 20);
        held.port = 0;
        held.width = 1 << 20;
        QTest::newRow("beyond any grid, held") << QVariantMap{{"row", 2147483647}, {"col", -2147483647}, {"portnum", "x"},
                                                              {"width", 2147483647}}
                                               << held;
    }

    void screenValues()
    {
        QFETCH(QVariantMap, value);
        QFETCH(Monitor, monitor);
        QCOMPARE(DeskReader::monitor(value), monitor);
    }

    // --------------------------------------------------------- the checks

    void check_data()
    {
        QTest::addColumn<QString>("desk");
        QTest::addColumn<CheckOutcome::Kind>("kind");
        QTest::addColumn<int>("row"); // the incomplete monitor's cell
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("errorPort");
        QTest::newRow("no monitor") << "" << CheckOutcome::NoMonitor << 0 << 0 << "";
        QTest::newRow("single monitor") << "5,5,1,1" << CheckOutcome::Passed << 0 << 0 << "";
        QTest::newRow("no port") << "1,1,1,1 1,2,0,1" << CheckOutcome::MissingPort << 1 << 2 << "";
        QTest::newRow("no resolution") << "1,1,1,1 1,2,1,2,0,0" << CheckOutcome::MissingResolution << 1 << 2 << "";
        QTest::newRow("no height") << "1,1,1,1,1920,0" << CheckOutcome::MissingResolution << 1 << 1 << "";
        QTest::newRow("no port before no resolution of one monitor")
            << "2,2,0,1,0,0" << CheckOutcome::MissingPort << 2 << 2 << "";
        QTest::newRow("first in grid order, not in list order")
            << "3,1,0,1 1,5,1,1,0,0" << CheckOutcome::MissingResolution << 1 << 5 << "";
        QTest::newRow("incomplete before the rules")
            << "1,1,1,1 9,9,2,1,0,0" << CheckOutcome::MissingResolution << 9 << 9 << "";
        QTest::newRow("corner touch") << "1,1,1,1 2,2,2,1" << CheckOutcome::Passed << 0 << 0 << "";
        QTest::newRow("two isolated") << "1,1,1,1 1,3,2,1" << CheckOutcome::Isolated << 0 << 0 << "P1,P2";
        QTest::newRow("one isolated of three")
            << "1,1,1,1 1,2,1,2 5,5,3,1" << CheckOutcome::Isolated << 0 << 0 << "P3";
        QTest::newRow("row end and next row start")
            << "1,16,1,1 2,1,2,1" << CheckOutcome::Isolated << 0 << 0 << "P1,P2";
        QTest::newRow("bottom right corner") << "15,15,1,1 16,16,2,1" << CheckOutcome::Passed << 0 << 0 << "";
        QTest::newRow("secondary port named with P")
            << "1,1,1,1 1,2,1,2 4,4,6,1" << CheckOutcome::Isolated << 0 << 0 << "P6";
        QTest::newRow("L shape") << "1,1,1,1 2,1,1,2 2,2,1,3" << CheckOutcome::NotRectangular << 0 << 0 << "P1";
        QTest::newRow("two separate rectangles")
            << "1,1,1,1 1,2,1,2 1,3,2,1 1,4,1,3 1,5,1,4" << CheckOutcome::NotRectangular << 0 << 0 << "P1";
        QTest::newRow("two ports failing, ascending")
            << "1,1,2,1 2,1,2,2 2,2,2,3 3,1,1,1 4,1,1,2 4,2,1,3" << CheckOutcome::NotRectangular << 0 << 0 << "P1,P2";
        QTest::newRow("full rectangle of 2 x 2")
            << "1,1,1,1 1,2,1,2 2,1,1,3 2,2,1,4" << CheckOutcome::Passed << 0 << 0 << "";
        QTest::newRow("two of three differ")
            << "1,1,1,1,1920,1080 1,2,1,2,1280,1024 1,3,1,3,1280,1024" << CheckOutcome::MixedResolution << 0 << 0
            << "P1";
        QTest::newRow("two ports differ, each named once")
            << "1,1,2,1,1920,1080 1,2,2,2,1280,1024 1,3,2,3,1280,1024 2,1,1,1,1920,1080 2,2,1,2,1280,1024 "
               "2,3,1,3,1280,1024"
            << CheckOutcome::MixedResolution << 0 << 0 << "P1,P2";
        QTest::newRow("first of a port in grid order, not in list order")
            << "1,2,1,2,1280,1024 1,1,1,1,1920,1080 1,3,1,3,1920,1080" << CheckOutcome::MixedResolution << 0 << 0
            << "P1";
        QTest::newRow("vertical beside horizontal")
            << "1,1,1,1,1920,1080 1,2,1,2,1080,1920" << CheckOutcome::MixedResolution << 0 << 0 << "P1";
        QTest::newRow("ports may differ from each other")
            << "1,1,1,1,1920,1080 1,2,2,1,2560,1440" << CheckOutcome::Passed << 0 << 0 << "";
        QTest::newRow("isolated checked before shape")
            << "1,1,1,1 2,1,1,2 2,2,1,3 9,9,2,1" << CheckOutcome::Isolated << 0 << 0 << "P2";
        QTest::newRow("shape checked before resolution")
            << "1,1,1,1,1920,1080 2,1,1,2,1280,1024 2,2,1,3" << CheckOutcome::NotRectangular << 0 << 0 << "P1";
    }

    void check()
    {
        QFETCH(QString, desk);
        QFETCH(CheckOutcome::Kind, kind);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, errorPort);
        const CheckOutcome outcome = DeskRules::check(monitorsOf(desk));
        QCOMPARE(outcome.kind, kind);
        QCOMPARE(outcome.row, row);
        QCOMPARE(outcome.col, col);
        QCOMPARE(outcome.errorPort, errorPort);
        QStringList names;
        for (int p : outcome.ports)
            names.append(QStringLiteral("P%1").arg(p));
        QCOMPARE(names.join(QLatin1Char(',')), errorPort);
    }

    // The monitors a failed check points at (marked on the grid, named on
    // its page), as "row,col" in grid order.
    void monitorsAtFault_data()
    {
        QTest::addColumn<QString>("desk");
        QTest::addColumn<CheckOutcome::Kind>("kind");
        QTest::addColumn<QString>("cells");
        QTest::newRow("every monitor without a port")
            << "3,1,0,1 1,1,1,1 1,5,0,1" << CheckOutcome::MissingPort << "1,5 3,1";
        QTest::newRow("every monitor without a resolution, not those without a port")
            << "1,1,1,1,0,0 1,2,1,2 2,1,0,1,0,0 2,2,2,1,1920,0" << CheckOutcome::MissingResolution << "1,1 2,2";
        QTest::newRow("the one touching no other")
            << "1,1,1,1 1,2,1,2 5,5,3,1" << CheckOutcome::Isolated << "5,5";
        QTest::newRow("two apart, both") << "1,1,1,1 1,3,2,1" << CheckOutcome::Isolated << "1,1 1,3";
        QTest::newRow("a corner touches") << "1,1,1,1 2,2,2,1 6,6,3,1" << CheckOutcome::Isolated << "6,6";
        QTest::newRow("the whole port that leaves a hole, not the others")
            << "1,1,1,1 2,1,1,2 2,2,1,3 1,4,2,1" << CheckOutcome::NotRectangular << "1,1 2,1 2,2";
        QTest::newRow("the odd size out")
            << "1,1,1,1,1920,1080 1,2,1,2,1280,1024 1,3,1,3,1920,1080" << CheckOutcome::MixedResolution << "1,2";
        QTest::newRow("the main monitor when it is the odd one")
            << "1,1,1,1,1280,1024 1,2,1,2,1920,1080 1,3,1,3,1920,1080" << CheckOutcome::MixedResolution << "1,1";
        QTest::newRow("a tie: those unlike the main monitor")
            << "1,1,1,2,1280,1024 1,2,1,1,1920,1080" << CheckOutcome::MixedResolution << "1,1";
        QTest::newRow("on each failing port")
            << "1,1,1,1,1920,1080 1,2,1,2,1920,1080 1,3,1,3,800,600 2,1,2,1,1920,1080 2,2,2,2,800,600 2,3,2,3,800,600"
            << CheckOutcome::MixedResolution << "1,3 2,1";
        QTest::newRow("a passing desk points at none")
            << "1,1,1,1 1,2,1,2" << CheckOutcome::NotRectangular << "";
    }

    void monitorsAtFault()
    {
        QFETCH(QString, desk);
        QFETCH(CheckOutcome::Kind, kind);
        QFETCH(QString, cells);
        QStringList found;
        for (const Monitor &m : DeskRules::monitorsAtFault(monitorsOf(desk), kind))
            found.append(QStringLiteral("%1,%2").arg(m.row).arg(m.col));
        QCOMPARE(found.join(QLatin1Char(' ')), cells);
    }

    // ---------------------------------------------------------- numbering

    void nextMonitorNumber_data()
    {
        QTest::addColumn<QString>("desk");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("number");
        QTest::newRow("empty desk") << "" << 1 << 1;
        QTest::newRow("port with three") << "1,1,1,1 1,2,2,1 1,3,1,2 1,4,1,3" << 1 << 4;
        QTest::newRow("other port not counted") << "1,1,1,1 1,2,2,1 1,3,1,2 1,4,1,3" << 2 << 2;
        QTest::newRow("unused port") << "1,1,1,1" << 5 << 1;
        QTest::newRow("tenth on a port") << "1,1,6,1 1,2,6,2 1,3,6,3 1,4,6,4 1,5,6,5 1,6,6,6 1,7,6,7 1,8,6,8 1,9,6,9"
                                         << 6 << 10;
        // A file may hold a port with a gap; one above would repeat "03".
        QTest::newRow("gap is filled") << "1,1,1,1 1,2,1,3" << 1 << 2;
        QTest::newRow("only 02 on the port") << "1,1,2,2" << 2 << 1;
        QTest::newRow("a number beyond 16 is no gap") << "1,1,3,17" << 3 << 2;
    }

    void nextMonitorNumber()
    {
        QFETCH(QString, desk);
        QFETCH(int, port);
        QFETCH(int, number);
        QCOMPARE(DeskRules::nextMonitorNumber(monitorsOf(desk), port), number);
    }

    void renumberAfterRemoval_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("changes"); // index:number of each change
        // Port 1 holds 01..04 (indices 0..3), port 2 holds 01..02 (4, 5).
        QTest::newRow("delete 02 of 01..04") << 1 << 2 << "2:2 3:3";
        QTest::newRow("move 01 away") << 1 << 1 << "1:1 2:2 3:3";
        QTest::newRow("last number") << 1 << 4 << "";
        QTest::newRow("other port untouched") << 2 << 1 << "5:1";
        QTest::newRow("port without monitors") << 7 << 1 << "";
    }

    void renumberAfterRemoval()
    {
        QFETCH(int, port);
        QFETCH(int, number);
        QFETCH(QString, changes);
        QStringList got;
        for (const Renumbering &r :
             DeskRules::renumberAfterRemoval(monitorsOf("1,1,1,1 1,2,1,2 1,3,1,3 1,4,1,4 2,1,2,1 2,2,2,2"), port, number))
            got.append(QStringLiteral("%1:%2").arg(r.index).arg(r.number));
        QCOMPARE(got.join(QLatin1Char(' ')), changes);
    }

    // ------------------------------------------------------------ upload

    // "row,col,mainRow,mainCol" of each monitor, in the order given.
    void positions_data()
    {
        QTest::addColumn<QString>("desk");
        QTest::addColumn<QString>("positions");
        QTest::newRow("main monitors with a column between")
            << "2,3,1,1 2,4,1,2 2,5,2,1" << "1,1,1,1 1,2,0,0 1,3,1,2";
        QTest::newRow("a row between main monitors")
            << "1,1,1,1 2,1,1,2 3,1,2,1 4,1,2,2" << "1,1,1,1 2,1,0,0 3,1,2,1 4,1,0,0";
        QTest::newRow("rows and columns between, any order")
            << "9,9,3,2 5,5,1,1 5,6,1,2 9,8,3,1 7,7,2,1" << "5,5,0,0 1,1,1,1 1,2,0,0 5,4,3,3 3,3,2,2";
        QTest::newRow("one monitor far from the corner") << "16,16,8,1" << "1,1,1,1";
        QTest::newRow("no main monitor") << "4,4,1,2 4,5,1,3" << "1,1,0,0 1,2,0,0";
    }

    void positions()
    {
        QFETCH(QString, desk);
        QFETCH(QString, positions);
        QStringList got;
        for (const MonitorPosition &p : DeskRules::positions(monitorsOf(desk)))
            got.append(QStringLiteral("%1,%2,%3,%4").arg(p.row).arg(p.col).arg(p.mainRow).arg(p.mainCol));
        QCOMPARE(got.join(QLatin1Char(' ')), positions);
    }

    void uploadPlan_data()
    {
        QTest::addColumn<QString>("desk");
        QTest::addColumn<int>("chain");
        QTest::addColumn<UploadPlan::Action>("action");
        QTest::addColumn<int>("ports");
        const QString low = QStringLiteral("1,1,1,1 1,2,2,1");
        const QString mixed = QStringLiteral("1,1,2,1 1,2,6,1");
        const QString high = QStringLiteral("1,1,5,1 1,2,8,1");
        QTest::newRow("two switches, both units") << mixed << 2 << UploadPlan::Upload << 8;
        QTest::newRow("two switches, secondary only") << high << 2 << UploadPlan::Upload << 8;
        QTest::newRow("one switch, primary only") << low << 1 << UploadPlan::Upload << 4;
        QTest::newRow("one switch, ports 2 and 6") << mixed << 1 << UploadPlan::Confirm << 4;
        QTest::newRow("one switch, secondary only") << high << 1 << UploadPlan::HighOnly << 4;
        QTest::newRow("unknown chain, both units") << mixed << 0 << UploadPlan::Fail << 0;
        QTest::newRow("unknown chain, secondary only") << high << 0 << UploadPlan::Fail << 0;
        QTest::newRow("unknown chain, primary only") << low << 0 << UploadPlan::Upload << 4;
        QTest::newRow("chain of three, both units") << mixed << 3 << UploadPlan::Fail << 0;
    }

    void uploadPlan()
    {
        QFETCH(QString, desk);
        QFETCH(int, chain);
        QFETCH(UploadPlan::Action, action);
        QFETCH(int, ports);
        const UploadPlan plan = DeskRules::uploadPlan(monitorsOf(desk), chain);
        QCOMPARE(plan.action, action);
        QCOMPARE(plan.ports, ports);
    }

    // The words the screens compare with stay as they were.
    void uploadPlanNames()
    {
        QCOMPARE(UploadPlan::actionName(UploadPlan::Upload), QStringLiteral("upload"));
        QCOMPARE(UploadPlan::actionName(UploadPlan::Confirm), QStringLiteral("confirm"));
        QCOMPARE(UploadPlan::actionName(UploadPlan::HighOnly), QStringLiteral("high-only"));
        QCOMPARE(UploadPlan::actionName(UploadPlan::Fail), QStringLiteral("fail"));
    }
};

QTEST_GUILESS_MAIN(tst_Desk)
#include "tst_desk.moc"
