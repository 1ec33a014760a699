// The template table as the screens read it (qrc:/data/templates.json): every
// configuration must be a layout the editor accepts unchanged, the home
// page's list must match the configurations, and every picture name the
// screens build from the table must be served.
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QtTest>

#include <algorithm>

namespace {

QJsonObject loadTable()
{
    QFile file(QStringLiteral(":/data/templates.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// A monitor member must be a JSON string of decimal digits, as the layout
// file writes it; returns -1 otherwise.
int number(const QJsonObject &monitor, const char *member)
{
    const QJsonValue value = monitor.value(QLatin1String(member));
    if (!value.isString())
        return -1;
    bool ok = false;
    const int n = value.toString().toInt(&ok);
    return ok ? n : -1;
}

// The rules the editor checks before it saves or uploads a layout, plus the
// shape of a template layout. Returns one line per fault.
QStringList layoutFaults(const QJsonArray &monitorlist)
{
    QStringList faults;
    const QStringList members = {QStringLiteral("row"), QStringLiteral("col"), QStringLiteral("width"),
                                 QStringLiteral("height"), QStringLiteral("portnum"), QStringLiteral("monitornum")};
    struct Cell
    {
        int row, col, port;
        QString number;
    };
    QVector<Cell> cells;
    QSet<int> occupied;
    for (const QJsonValue &value : monitorlist) {
        const QJsonObject m = value.toObject();
        QStringList keys = m.keys();
        QStringList expected = members;
        std::sort(keys.begin(), keys.end());
        std::sort(expected.begin(), expected.end());
        if (keys != expected) {
            faults << QStringLiteral("members %1").arg(keys.join(QLatin1Char(',')));
            continue;
        }
        const Cell cell{number(m, "row"), number(m, "col"), number(m, "portnum"),
                        m.value(QStringLiteral("monitornum")).toString()};
        if (m.value(QStringLiteral("width")) != QJsonValue(QStringLiteral("1920"))
            || m.value(QStringLiteral("height")) != QJsonValue(QStringLiteral("1080")))
            faults << QStringLiteral("resolution at %1,%2").arg(cell.row).arg(cell.col);
        if (cell.row < 1 || cell.row > 16 || cell.col < 1 || cell.col > 16) {
            faults << QStringLiteral("outside the grid at %1,%2").arg(cell.row).arg(cell.col);
            continue;
        }
        if (cell.port < 1 || cell.port > 8)
            faults << QStringLiteral("port %1 at %2,%3").arg(m.value(QStringLiteral("portnum")).toVariant().toString())
                          .arg(cell.row).arg(cell.col);
        if (occupied.contains(cell.row * 16 + cell.col))
            faults << QStringLiteral("two monitors at %1,%2").arg(cell.row).arg(cell.col);
        occupied.insert(cell.row * 16 + cell.col);
        cells.push_back(cell);
    }
    // No monitor may stand apart: each needs a neighbour among its eight
    // surrounding cells once there is more than one.
    if (cells.size() > 1) {
        for (const Cell &c : cells) {
            bool touching = false;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc)
                    if ((dr || dc) && occupied.contains((c.row + dr) * 16 + c.col + dc))
                        touching = true;
            if (!touching)
                faults << QStringLiteral("isolated at %1,%2").arg(c.row).arg(c.col);
        }
    }
    QSet<int> ports;
    for (const Cell &c : cells)
        ports.insert(c.port);
    for (int port : ports) {
        int minRow = 17, maxRow = 0, minCol = 17, maxCol = 0;
        QStringList numbers;
        for (const Cell &c : cells) {
            if (c.port != port)
                continue;
            minRow = std::min(minRow, c.row);
            maxRow = std::max(maxRow, c.row);
            minCol = std::min(minCol, c.col);
            maxCol = std::max(maxCol, c.col);
            numbers << c.number;
        }
        // Distinct cells inside the bounding box: the box is full exactly
        // when their count equals its area.
        if (numbers.size() != (maxRow - minRow + 1) * (maxCol - minCol + 1))
            faults << QStringLiteral("port %1 not a full rectangle").arg(port);
        numbers.sort();
        QStringList expected;
        for (int i = 1; i <= numbers.size(); ++i)
            expected << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        if (numbers != expected)
            faults << QStringLiteral("port %1 numbered %2").arg(port).arg(numbers.join(QLatin1Char(',')));
    }
    return faults;
}

QJsonArray monitors(const QString &compact)
{
    // "row,col:port/number ..." as the table is written by hand.
    QJsonArray list;
    for (const QString &entry : compact.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList rc = entry.section(QLatin1Char(':'), 0, 0).split(QLatin1Char(','));
        const QStringList pn = entry.section(QLatin1Char(':'), 1).split(QLatin1Char('/'));
        list.append(QJsonObject{{QStringLiteral("row"), rc.at(0)},
                                {QStringLiteral("col"), rc.at(1)},
                                {QStringLiteral("width"), QStringLiteral("1920")},
                                {QStringLiteral("height"), QStringLiteral("1080")},
                                {QStringLiteral("portnum"), pn.at(0)},
                                {QStringLiteral("monitornum"), pn.at(1)}});
    }
    return list;
}

struct Listed
{
    QString number;
    int page;
    int configCount;
};

QVector<Listed> templateList(const QJsonObject &table)
{
    QVector<Listed> list;
    const QJsonArray pages = table.value(QStringLiteral("pages")).toArray();
    for (int page = 0; page < pages.size(); ++page)
        for (const QJsonValue &entry : pages.at(page).toArray())
            list.push_back({entry[QStringLiteral("tempNum")].toString(), page + 1,
                            entry[QStringLiteral("configCount")].toString().toInt()});
    return list;
}

} // namespace

class TstTemplates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_table = loadTable();
        QVERIFY2(!m_table.isEmpty(), "qrc:/data/templates.json missing or not a JSON object");
    }

    // The checks themselves must see each kind of fault, or the table test
    // below would pass whatever the table holds.
    void rulesCatchFaults_data()
    {
        QTest::addColumn<QJsonArray>("layout");
        QTest::addColumn<QString>("fault");
        QTest::newRow("sound, corners touch") << monitors("2,3:1/01 2,4:1/02 3,5:2/01") << QString();
        QTest::newRow("single monitor") << monitors("5,5:1/01") << QString();
        QTest::newRow("outside the grid") << monitors("16,16:1/01 16,17:1/02") << "outside the grid at 16,17";
        QTest::newRow("two in one cell") << monitors("2,3:1/01 2,3:2/01") << "two monitors at 2,3";
        QTest::newRow("isolated") << monitors("2,3:1/01 2,4:1/02 2,6:2/01") << "isolated at 2,6";
        QTest::newRow("L shape") << monitors("2,3:1/01 3,3:1/02 3,4:1/03 2,4:2/01") << "port 1 not a full rectangle";
        QTest::newRow("two rectangles")
            << monitors("2,3:1/01 2,4:2/01 2,5:1/02") << "port 1 not a full rectangle";
        QTest::newRow("number gap") << monitors("2,3:1/01 2,4:1/03") << "port 1 numbered 01,03";
        QTest::newRow("number twice") << monitors("2,3:1/01 2,4:1/01") << "port 1 numbered 01,01";
        QTest::newRow("port 9") << monitors("2,3:9/01") << "port 9 at 2,3";
        QTest::newRow("port 0") << monitors("2,3:0/01") << "port 0 at 2,3";
        QJsonArray numeric = monitors("2,3:1/01");
        QJsonObject m = numeric.at(0).toObject();
        m[QStringLiteral("row")] = 2;
        numeric[0] = m;
        QTest::newRow("number instead of text") << numeric << "outside the grid at -1,3";
        QJsonArray other = monitors("2,3:1/01");
        m = other.at(0).toObject();
        m[QStringLiteral("width")] = QStringLiteral("1280");
        other[0] = m;
        QTest::newRow("other resolution") << other << "resolution at 2,3";
    }

    void rulesCatchFaults()
    {
        QFETCH(QJsonArray, layout);
        QFETCH(QString, fault);
        const QStringList faults = layoutFaults(layout);
        if (fault.isEmpty())
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
        else
            QVERIFY2(faults.contains(fault), qPrintable(faults.join(QLatin1String("; "))));
    }

    // Every configuration opens in the editor and passes its checks as it is,
    // and uses exactly the ports the table lists for it.
    void configurationsAreSoundLayouts()
    {
        const QJsonObject configurations = m_table.value(QStringLiteral("configurations")).toObject();
        QVERIFY(!configurations.isEmpty());
        const QRegularExpression id(QStringLiteral("^(\\d\\d)-(\\d\\d)$"));
        for (auto it = configurations.begin(); it != configurations.end(); ++it) {
            QVERIFY2(id.match(it.key()).hasMatch(), qPrintable(it.key()));
            const QJsonArray list = it.value()[QStringLiteral("monitorlist")].toArray();
            QVERIFY2(!list.isEmpty() && list.size() <= 16, qPrintable(it.key()));
            const QStringList faults = layoutFaults(list);
            QVERIFY2(faults.isEmpty(), qPrintable(it.key() + QLatin1String(": ") + faults.join(QLatin1String("; "))));

            QList<int> used;
            for (const QJsonValue &m : list)
                if (!used.contains(number(m.toObject(), "portnum")))
                    used << number(m.toObject(), "portnum");
            std::sort(used.begin(), used.end());
            QList<int> listed;
            for (const QJsonValue &port : it.value()[QStringLiteral("ports")].toArray())
                listed << port.toInt();
            QVERIFY2(used == listed, qPrintable(it.key() + QLatin1String(": ports differ from the list")));
        }
    }

    // The home page's list: templates 00 to 20 once each, page 1 fits its
    // 4 x 3 grid, the blank canvas has no configuration, and the count of each
    // template is exactly the configurations "NN-01" ... "NN-count" there are.
    void templateListMatchesConfigurations()
    {
        const QVector<Listed> list = templateList(m_table);
        QCOMPARE(m_table.value(QStringLiteral("pages")).toArray().size(), 3);
        QStringList numbers;
        for (const Listed &t : list)
            numbers << t.number;
        QStringList expected;
        for (int i = 0; i <= 20; ++i)
            expected << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        QStringList sorted = numbers;
        sorted.sort();
        QCOMPARE(sorted, expected);
        QCOMPARE(numbers.first(), QStringLiteral("00"));
        QVERIFY(std::count_if(list.begin(), list.end(), [](const Listed &t) { return t.page == 1; }) <= 12);

        const QJsonObject configurations = m_table.value(QStringLiteral("configurations")).toObject();
        QSet<QString> claimed;
        for (const Listed &t : list) {
            QCOMPARE(t.configCount == 0, t.number == QLatin1String("00"));
            for (int c = 1; c <= t.configCount; ++c)
                claimed.insert(QStringLiteral("%1-%2").arg(t.number).arg(c, 2, 10, QLatin1Char('0')));
        }
        const QStringList keys = configurations.keys();
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()), claimed);
    }

    // Every picture the screens request, at twice the size they show it (the
    // screens scale it down), or at the proportions of the cells it fills.
    void picturesAreServed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const QVector<QPair<QString, QSize>> fixed = {
            {"close.png", {20, 20}},
            {"min.png", {22, 2}},
            {"img-fail.png", {90, 90}},
            {"img-successfully.png", {90, 90}},
            {"img-caveat.png", {90, 90}},
            {"img-checknumber.png", {320, 128}},
            {"img-upperleft.png", {310, 180}},
            {"img-upperright.png", {310, 180}},
            {"img-lowerleft.png", {310, 180}},
            {"img-lowerright.png", {310, 180}},
            {"img-middle.png", {310, 180}},
            {"img-orrinkm-P-0.png", {360, 88}},
            {"img-orrinkm-S-0.png", {360, 88}},
            {"btn-addamonitor.png", {128, 128}},
            {"img-monitor-h.png", {180, 132}},
            {"img-monitor-v.png", {120, 168}},
            {"btn-delete.png", {40, 40}},
            {"img-check-s.png", {520, 172}},
            {"img-check-f.png", {520, 172}},
            {"btn-next-n.png", {64, 64}},
            {"btn-next-h.png", {64, 64}},
            {"img-uploading.gif", {200, 200}},
            {"tutorial-allowed.png", {760, 220}},
            {"tutorial-not-allowed.png", {760, 220}},
            {"error-isolated.png", {760, 220}},
            {"error-rectangle.png", {760, 220}},
            {"error-resolution.png", {760, 220}},
            // The home page's pictures at the size shown and at twice that.
            {"logo.png", {240, 60}},
            {"logo@2x.png", {480, 120}},
            {"logo-small.png", {240, 60}},
            {"arrow-left.png", {32, 32}},
            {"arrow-left@2x.png", {64, 64}},
            {"arrow-right.png", {32, 32}},
            {"arrow-right@2x.png", {64, 64}},
            {"arrow-left-disabled.png", {32, 32}},
            {"arrow-left-disabled@2x.png", {64, 64}},
            {"arrow-right-disabled.png", {32, 32}},
            {"arrow-right-disabled@2x.png", {64, 64}},
            {"icon-open.png", {32, 32}},
            {"btn-home.png", {48, 48}},
            {"btn-home-h.png", {48, 48}},
            {"seamrun-config.png", {256, 256}},
        };
        for (const auto &picture : fixed)
            QTest::newRow(qPrintable(picture.first)) << picture.first << picture.second;

        // Names exactly as the screens build them from the table.
        for (const Listed &t : templateList(loadTable())) {
            // Template pictures at the size shown (134 px high in a cell of
            // 230 x 150 or 300 x 150 less 8 px margins) and at twice that.
            const QSize cell = t.page == 1 ? QSize(205, 134) : QSize(268, 134);
            for (const QString &end : {QStringLiteral(".png"), QStringLiteral("_hover.png")}) {
                const QString name = QStringLiteral("template_") + t.number + end;
                QTest::newRow(qPrintable(name)) << name << cell;
                const QString twice = QStringLiteral("template_") + t.number + end.chopped(4) + QStringLiteral("@2x.png");
                QTest::newRow(qPrintable(twice)) << twice << cell * 2;
                for (int c = 1; c <= t.configCount; ++c) {
                    const QString count = QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0'));
                    const QString tile = QStringLiteral("config_") + t.number + QLatin1Char('_') + count + end;
                    QTest::newRow(qPrintable(tile))
                        << tile << (t.number == QLatin1String("20") ? QSize(600, 240) : QSize(300, 240));
                }
            }
        }
    }

    void picturesAreServed()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QImageReader reader(QStringLiteral(":/Images/") + name);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(name + QLatin1String(": ") + reader.errorString()));
        QCOMPARE(image.size(), size);
    }

private:
    QJsonObject m_table;
};

QTEST_GUILESS_MAIN(TstTemplates)
#include "tst_templates.moc"
