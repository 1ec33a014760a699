// Draws the program's pictures from code, so every one of them shares one
// visual language and can be regenerated at any time:
//   artwork OUTPUT_DIR [TEMPLATES_JSON]
// writes every picture into OUTPUT_DIR. The template and configuration
// pictures are drawn from the same template table the screens build layouts
// from (data/templates.json unless another file is given), so a picture can
// never show an arrangement the layout does not have.
//
// Most pictures are drawn at twice the size the screens show them, so they
// stay sharp when scaled. Text uses DejaVu Sans only, loaded from the font
// files the set-up installs (fonts-dejavu-core) rather than found by name, so
// the output does not depend on which other fonts a machine has.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

#ifndef SEAMRUN_TEMPLATES_JSON
#define SEAMRUN_TEMPLATES_JSON "data/templates.json"
#endif
// Where Debian's fonts-dejavu-core puts the faces the pictures are set in.
#ifndef SEAMRUN_ARTWORK_FONT_DIR
#define SEAMRUN_ARTWORK_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace {

const QColor kNavy(0x08, 0x45, 0x76);    // #084576: frames, title bars, text
const QColor kSky(0x44, 0x9A, 0xBE);     // #449ABE: hover
const QColor kBlue(0x4A, 0x90, 0xE2);    // #4A90E2: accents, placed monitors
const QColor kOrange(0xF8, 0x9B, 0x0A);  // #F89B0A: warnings, the pointer
const QColor kRed(0xD9, 0x43, 0x3B);
const QColor kGreen(0x3C, 0xA5, 0x5C);
const QColor kPanel(0xF1, 0xF1, 0xF1);   // dialog panels and the add marker's cell
const QColor kLine(0xCB, 0xD6, 0xE0);    // quiet frames
const QColor kTint(0xE8, 0xF3, 0xFA);    // background of a hovered card
const QColor kMuted(0xC9, 0xD3, 0xDC);   // disabled controls

const QString kFamily = QStringLiteral("DejaVu Sans");
// The regular and the bold face of kFamily, the only two the pictures use.
const char *const kFaceFiles[2] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"};

// One colour per port. Ports 1-4 (P1-P4) and 5-8 (S1-S4) sit side by side in
// the larger configurations, so all eight must be told apart at a glance.
const QColor kPortColours[8] = {
    QColor(0x4A, 0x90, 0xE2), // P1 blue
    QColor(0xF8, 0x9B, 0x0A), // P2 orange
    QColor(0x3C, 0xA5, 0x5C), // P3 green
    QColor(0x8E, 0x6C, 0xC9), // P4 violet
    QColor(0x08, 0x45, 0x76), // S1 navy
    QColor(0xDD, 0x5C, 0x7B), // S2 rose
    QColor(0x1F, 0xA7, 0xA0), // S3 teal
    QColor(0xA2, 0x78, 0x4C), // S4 brown
};

// ---------------------------------------------------------------------------
// The template table

struct Monitor
{
    int row = 0;
    int col = 0;
    int port = 0;
    QString number;
};

struct Template
{
    QString number; // "00" .. "20"
    int page = 0;   // 1 .. 3, decides the picture's proportions
    int configCount = 0;
};

struct Table
{
    std::vector<Template> templates;
    std::map<QString, QVector<Monitor>> configurations; // "07-02" -> monitors
};

bool readCount(const QJsonValue &value, int low, int high, int *out)
{
    bool ok = false;
    const int n = value.toString().toInt(&ok);
    if (!ok || n < low || n > high)
        return false;
    *out = n;
    return true;
}

// Reads the table and refuses anything the pictures could not show
// faithfully; the full rule set of a layout is checked by the tests.
bool loadTable(const QString &path, Table *table, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject()) {
        *error = QStringLiteral("%1: %2").arg(path, parseError.errorString());
        return false;
    }
    const QJsonObject root = doc.object();
    const QJsonArray pages = root.value(QStringLiteral("pages")).toArray();
    if (pages.size() != 3) {
        *error = QStringLiteral("%1: expected three template pages").arg(path);
        return false;
    }
    const QRegularExpression twoDigits(QStringLiteral("^\\d\\d$"));
    for (int page = 0; page < pages.size(); ++page) {
        for (const QJsonValue &entry : pages.at(page).toArray()) {
            Template t;
            t.number = entry.toObject().value(QStringLiteral("tempNum")).toString();
            t.page = page + 1;
            if (!twoDigits.match(t.number).hasMatch()
                || !readCount(entry.toObject().value(QStringLiteral("configCount")), 0, 99, &t.configCount)) {
                *error = QStringLiteral("%1: bad template entry on page %2").arg(path).arg(page + 1);
                return false;
            }
            table->templates.push_back(t);
        }
    }
    const QJsonObject configurations = root.value(QStringLiteral("configurations")).toObject();
    for (auto it = configurations.begin(); it != configurations.end(); ++it) {
        QVector<Monitor> monitors;
        for (const QJsonValue &value : it.value().toObject().value(QStringLiteral("monitorlist")).toArray()) {
            const QJsonObject m = value.toObject();
            Monitor monitor;
            monitor.number = m.value(QStringLiteral("monitornum")).toString();
            if (!readCount(m.value(QStringLiteral("row")), 1, 16, &monitor.row)
                || !readCount(m.value(QStringLiteral("col")), 1, 16, &monitor.col)
                || !readCount(m.value(QStringLiteral("portnum")), 1, 8, &monitor.port)
                || !twoDigits.match(monitor.number).hasMatch()) {
                *error = QStringLiteral("%1: bad monitor in %2").arg(path, it.key());
                return false;
            }
            monitors.push_back(monitor);
        }
        if (monitors.isEmpty()) {
            *error = QStringLiteral("%1: %2 has no monitors").arg(path, it.key());
            return false;
        }
        table->configurations[it.key()] = monitors;
    }
    for (const Template &t : table->templates) {
        for (int c = 1; c <= t.configCount; ++c) {
            const QString id = QStringLiteral("%1-%2").arg(t.number).arg(c, 2, 10, QLatin1Char('0'));
            if (!table->configurations.count(id)) {
                *error = QStringLiteral("%1: configuration %2 is missing").arg(path, id);
                return false;
            }
        }
    }
    return true;
}

QString portName(int port)
{
    return (port <= 4 ? QStringLiteral("P") : QStringLiteral("S")) + QString::number((port - 1) % 4 + 1);
}

// ---------------------------------------------------------------------------
// Drawing helpers

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void smooth(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont uiFont(qreal pixelSize, bool bold)
{
    QFont font(kFamily);
    font.setPixelSize(std::max(1, int(std::floor(pixelSize))));
    font.setBold(bold);
    // A condensed face of the same family (fonts-dejavu-extra) would match a
    // font of any width equally well.
    font.setStretch(QFont::Unstretched);
    // Hinting depends on the machine's settings; unhinted outlines do not.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Registers the two faces from their files. A face registered by the
// application takes the place of an installed face of the same family and
// style, so the files decide, not fontconfig. Checks that the painter really
// gets these files: another face would change every picture with text.
bool loadFaces(QString *error)
{
    for (int i = 0; i < 2; ++i) {
        const QString path = QStringLiteral(SEAMRUN_ARTWORK_FONT_DIR "/") + QLatin1String(kFaceFiles[i]);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0 || !QFontDatabase::applicationFontFamilies(id).contains(kFamily)) {
            *error = QStringLiteral("cannot load the font %1 (Debian: fonts-dejavu-core)").arg(path);
            return false;
        }
        const QRawFont file(path, 32, QFont::PreferNoHinting);
        const QRawFont used = QRawFont::fromFont(uiFont(32, i == 1));
        if (!file.isValid() || file.fontTable("head").isEmpty()
            || used.fontTable("head") != file.fontTable("head")) {
            *error = QStringLiteral("text would be drawn in %1 %2 instead of %3")
                         .arg(used.familyName(), used.styleName(), path);
            return false;
        }
    }
    return true;
}

// The largest font (up to `limit` pixels) in which `text` fits into `box`.
QFont fittedFont(const QString &text, const QSizeF &box, bool bold, qreal limit)
{
    for (qreal size = std::floor(limit); size > 4; size -= 1) {
        const QFont font = uiFont(size, bold);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.capHeight() * 1.45 <= box.height())
            return font;
    }
    return uiFont(4, bold);
}

// Text centred on its cap height, which reads as centred for the upper-case
// and digit labels used here (drawText's centring includes descenders).
void centredText(QPainter &p, const QPointF &centre, const QString &text)
{
    const QFontMetricsF metrics(p.font());
    const qreal width = metrics.horizontalAdvance(text);
    p.drawText(QPointF(centre.x() - width / 2, centre.y() + metrics.capHeight() / 2), text);
}

void cross(QPainter &p, const QRectF &r, const QColor &c, qreal width)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

void tick(QPainter &p, const QRectF &r, const QColor &c, qreal width)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(r.left(), r.top() + r.height() * 0.55);
    path.lineTo(r.left() + r.width() * 0.38, r.bottom());
    path.lineTo(r.right(), r.top());
    p.drawPath(path);
}

void plus(QPainter &p, const QPointF &c, qreal half, const QColor &colour, qreal width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - half), QPointF(c.x(), c.y() + half));
}

// A small round verdict badge: green tick or red cross.
void verdict(QPainter &p, const QPointF &c, qreal radius, bool good)
{
    p.setPen(QPen(Qt::white, radius * 0.22));
    p.setBrush(good ? kGreen : kRed);
    p.drawEllipse(c, radius, radius);
    const qreal s = radius * 0.42;
    if (good)
        tick(p, QRectF(c.x() - s, c.y() - s * 0.8, 2 * s, 1.6 * s), Qt::white, radius * 0.24);
    else
        cross(p, QRectF(c.x() - s * 0.8, c.y() - s * 0.8, 1.6 * s, 1.6 * s), Qt::white, radius * 0.24);
}

// The classic arrow pointer with its tip at `tip`, `size` high.
QPainterPath pointerPath(const QPointF &tip, qreal size)
{
    const qreal u = size / 16.0;
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(tip + QPointF(0, 14 * u));
    path.lineTo(tip + QPointF(3.4 * u, 10.8 * u));
    path.lineTo(tip + QPointF(5.8 * u, 16 * u));
    path.lineTo(tip + QPointF(8.2 * u, 15 * u));
    path.lineTo(tip + QPointF(5.9 * u, 9.9 * u));
    path.lineTo(tip + QPointF(10.2 * u, 9.9 * u));
    path.closeSubpath();
    return path;
}

void drawPointer(QPainter &p, const QPointF &tip, qreal size, const QColor &fill, const QColor &outline)
{
    p.setPen(QPen(outline, size * 0.085, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(pointerPath(tip, size));
}

// A monitor seen from the front: dark bezel around a panel with a soft sheen.
void drawScreen(QPainter &p, const QRectF &r, const QColor &panel, const QColor &bezel)
{
    const qreal radius = std::max(1.5, r.height() * 0.09);
    const qreal b = std::max(1.5, r.height() * 0.07);
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawRoundedRect(r, radius, radius);
    const QRectF inner = r.adjusted(b, b, -b, -b);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, panel.lighter(116));
    g.setColorAt(1, panel);
    p.setBrush(g);
    p.drawRoundedRect(inner, radius * 0.45, radius * 0.45);
}

QRectF screenPanel(const QRectF &r)
{
    const qreal b = std::max(1.5, r.height() * 0.07);
    return r.adjusted(b, b, -b, -b);
}

// How a card is drawn: plain; under the mouse (a light tint on the plain
// frame, as the home page's templates show it); or chosen (the highlighted
// frame the configuration tiles use for the selected one). The home page
// marks the keyboard's tile with its focus ring, never with the chosen
// frame, so that hover and focus do not look alike.
enum class Card { Plain, Hovered, Chosen };

// A card: the common ground of the template and configuration pictures.
void drawCard(QPainter &p, const QRectF &r, Card look, qreal radius, bool dashed = false)
{
    const bool chosen = look == Card::Chosen;
    const qreal pen = chosen ? 5 : 2;
    const QRectF inner = r.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    QPen frame(chosen ? kSky : kLine, pen);
    if (dashed && !chosen) {
        frame = QPen(QColor(0xA9, 0xBF, 0xD1), 3, Qt::CustomDashLine, Qt::RoundCap);
        frame.setDashPattern({4, 3});
    }
    p.setPen(frame);
    p.setBrush(look == Card::Plain ? QColor(Qt::white) : kTint);
    p.drawRoundedRect(inner, radius, radius);
    if (chosen) {
        // A fine inner line in the accent blue lifts the frame off the tint.
        p.setPen(QPen(kBlue, 1.5));
        p.setBrush(Qt::NoBrush);
        const qreal in = pen / 2 + 1;
        p.drawRoundedRect(inner.adjusted(in, in, -in, -in), radius - in, radius - in);
    }
}

// Lays the grid cells of a set of monitors out in `area`: every cell 16:9,
// a narrow gap between neighbours, the arrangement centred. Where cells would
// be too flat to carry a label (`minHeight`), they may grow taller, up to 4:5,
// as far as the area allows. `maxWidth` keeps a small arrangement from
// looking heavier than its neighbours.
class Arrangement
{
public:
    Arrangement(const QVector<Monitor> &monitors, const QRectF &area, qreal gapRatio = 0.08, qreal minHeight = 0,
                qreal maxWidth = 1e9)
        : m_gap(gapRatio)
    {
        m_minRow = m_minCol = 17;
        int maxRow = 0, maxCol = 0;
        for (const Monitor &m : monitors) {
            m_minRow = std::min(m_minRow, m.row);
            m_minCol = std::min(m_minCol, m.col);
            maxRow = std::max(maxRow, m.row);
            maxCol = std::max(maxCol, m.col);
        }
        const int rows = maxRow - m_minRow + 1;
        const int cols = maxCol - m_minCol + 1;
        const qreal aspect = 9.0 / 16.0;
        m_w = std::min(area.width() / (cols + (cols - 1) * m_gap),
                       area.height() / (rows * aspect + (rows - 1) * m_gap));
        m_w = std::min(m_w, maxWidth);
        m_h = m_w * aspect;
        if (m_h < minHeight) {
            const qreal room = (area.height() - (rows - 1) * m_gap * m_w) / rows;
            m_h = std::min({minHeight, m_w * 0.8, room});
        }
        const QSizeF size(cols * m_w + (cols - 1) * m_gap * m_w, rows * m_h + (rows - 1) * m_gap * m_w);
        m_bounds = QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
    }

    QRectF cell(int row, int col) const
    {
        const qreal step = m_gap * m_w;
        return QRectF(m_bounds.left() + (col - m_minCol) * (m_w + step),
                      m_bounds.top() + (row - m_minRow) * (m_h + step), m_w, m_h);
    }

    QRectF bounds() const { return m_bounds; }

private:
    qreal m_gap;
    int m_minRow, m_minCol;
    qreal m_w = 0, m_h = 0;
    QRectF m_bounds;
};

// ---------------------------------------------------------------------------
// Fixed pictures

QImage closeMark(const QColor &c)
{
    QImage img = canvas(20, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    cross(p, QRectF(3, 3, 14, 14), c, 2.6);
    return img;
}

// The minimise bar: 11 x 1 on the title bar, drawn at twice that.
QImage minimiseMark()
{
    QImage img = canvas(22, 2);
    img.fill(Qt::white);
    return img;
}

// Round badge 90 x 90 (shown at 45 x 45) with a symbol drawn by `symbol`.
QImage badge(const QColor &fill, const std::function<void(QPainter &)> &symbol)
{
    QImage img = canvas(90, 90);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(QRectF(3, 3, 84, 84));
    symbol(p);
    return img;
}

QImage failBadge()
{
    return badge(kRed, [](QPainter &p) { cross(p, QRectF(30, 30, 30, 30), Qt::white, 8); });
}

QImage successBadge()
{
    return badge(kGreen, [](QPainter &p) {
        p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(26, 47);
        tick.lineTo(40, 60);
        tick.lineTo(65, 32);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    });
}

QImage caveatBadge()
{
    QImage img = canvas(90, 90);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(45, 6);
    triangle.lineTo(86, 82);
    triangle.lineTo(4, 82);
    triangle.closeSubpath();
    p.setPen(QPen(kOrange, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kOrange);
    p.drawPath(triangle);
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(45, 32), QPointF(45, 56));
    p.drawPoint(QPointF(45, 70));
    return img;
}

// The product mark: two screens on a navy tile with the orange pointer
// crossing the seam between them, which is what the switch does.
void drawMark(QPainter &p, const QRectF &r)
{
    const qreal s = r.width();
    auto at = [&](qreal x, qreal y) { return QPointF(r.left() + x * s, r.top() + y * s); };
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x0E, 0x5E, 0x9C));
    g.setColorAt(1, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, s * 0.22, s * 0.22);
    p.setBrush(QColor(255, 255, 255, 240));
    p.drawRoundedRect(QRectF(at(0.14, 0.27), QSizeF(0.335 * s, 0.30 * s)), s * 0.035, s * 0.035);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(at(0.525, 0.27), QSizeF(0.335 * s, 0.30 * s)), s * 0.035, s * 0.035);
    p.setBrush(kSky);
    p.drawRoundedRect(QRectF(at(0.14, 0.66), QSizeF(0.72 * s, 0.055 * s)), s * 0.027, s * 0.027);
    drawPointer(p, at(0.46, 0.33), 0.36 * s, kOrange, kNavy);
}

// The wordmark beside the mark; `height` is the picture's height. The small
// logo leaves the model line out: it would be too small to read.
QImage logo(int width, int height, bool withModel)
{
    QImage img = canvas(width, height);
    QPainter p(&img);
    smooth(p);
    const qreal m = height * 0.04;
    drawMark(p, QRectF(m, m, height - 2 * m, height - 2 * m));
    const qreal left = height * 1.13;
    const qreal room = width - left - m;
    QFont name = fittedFont(QStringLiteral("Seamrun"), QSizeF(room, height * 0.6), true, height * (withModel ? 0.43 : 0.5));
    QFont model = uiFont(name.pixelSize() * 0.44, true);
    model.setLetterSpacing(QFont::PercentageSpacing, 118);
    const QFontMetricsF nameMetrics(name);
    const QFontMetricsF modelMetrics(model);
    const qreal gap = height * 0.10;
    const qreal block = withModel ? nameMetrics.capHeight() + gap + modelMetrics.capHeight() : nameMetrics.capHeight();
    const qreal top = (height - block) / 2;
    p.setFont(name);
    p.setPen(kNavy);
    p.drawText(QPointF(left, top + nameMetrics.capHeight()), QStringLiteral("Seamrun"));
    if (withModel) {
        p.setFont(model);
        p.setPen(kSky);
        p.drawText(QPointF(left + height * 0.02, top + block), QStringLiteral("OrrinKM"));
    }
    return img;
}

// The program icon for the desktop entry: the mark on a soft shadow.
QImage programIcon()
{
    QImage img = canvas(256, 256);
    QPainter p(&img);
    smooth(p);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(QColor(8, 40, 70, 9));
        const qreal grow = 8 - i;
        p.drawRoundedRect(QRectF(16 - grow, 22 - grow, 224 + 2 * grow, 224 + 2 * grow), 50 + grow, 50 + grow);
    }
    drawMark(p, QRectF(16, 14, 224, 224));
    return img;
}

// Round page arrows, 32 x 32 on the home page.
QImage pageArrow(bool right, bool enabled)
{
    QImage img = canvas(64, 64);
    QPainter p(&img);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? kNavy : kMuted);
    p.drawEllipse(QRectF(4, 4, 56, 56));
    p.setPen(QPen(Qt::white, 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal x = right ? 28 : 36;
    const qreal d = right ? 9 : -9;
    QPainterPath chevron;
    chevron.moveTo(x, 20);
    chevron.lineTo(x + d, 32);
    chevron.lineTo(x, 44);
    p.drawPath(chevron);
    return img;
}

// The "next" button of the connection dialog, 32 x 32.
QImage nextButton(bool hover)
{
    QImage img = canvas(64, 64);
    QPainter p(&img);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? kSky : kNavy);
    p.drawEllipse(QRectF(3, 3, 58, 58));
    p.setPen(QPen(Qt::white, 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(19, 32), QPointF(44, 32));
    p.setBrush(Qt::NoBrush);
    QPainterPath head;
    head.moveTo(34, 21);
    head.lineTo(45, 32);
    head.lineTo(34, 43);
    p.drawPath(head);
    return img;
}

// Home button of the editor's top row, 24 x 24: a house, navy or hover blue.
QImage homeButton(bool hover)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    smooth(p);
    const QColor c = hover ? kSky : kNavy;
    if (hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(kTint);
        p.drawEllipse(QRectF(1, 1, 46, 46));
    }
    p.setPen(QPen(c, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath roof;
    roof.moveTo(8, 23);
    roof.lineTo(24, 9);
    roof.lineTo(40, 23);
    p.drawPath(roof);
    QPainterPath body;
    body.moveTo(13, 20);
    body.lineTo(13, 38);
    body.lineTo(35, 38);
    body.lineTo(35, 20);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(20.5, 27, 7, 11), 1.5, 1.5);
    return img;
}

// Open icon on the highlighted (#449ABE) row of the recent-file list, 16 x 16.
QImage openIcon()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    smooth(p);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath back;
    back.moveTo(4, 25);
    back.lineTo(4, 7);
    back.lineTo(11, 7);
    back.lineTo(14, 10);
    back.lineTo(24, 10);
    back.lineTo(24, 14);
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(4, 25);
    front.lineTo(9, 14);
    front.lineTo(29, 14);
    front.lineTo(24, 25);
    front.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(front);
    return img;
}

// Add marker in an empty grid cell (on #f1f1f1), shown at 64 x 64.
QImage addMarker()
{
    QImage img = canvas(128, 128);
    QPainter p(&img);
    smooth(p);
    QPen dash(kSky, 3, Qt::CustomDashLine, Qt::RoundCap);
    dash.setDashPattern({3, 2.5});
    p.setPen(dash);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(8, 22, 112, 70), 9, 9);
    p.setPen(QPen(kSky, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 104), QPointF(76, 104));
    p.setPen(Qt::NoPen);
    p.setBrush(kSky);
    p.drawEllipse(QPointF(64, 57), 21, 21);
    plus(p, QPointF(64, 57), 10, Qt::white, 5);
    return img;
}

// The picture on a placed monitor's tile (the tile itself is the placed-monitor
// blue): a light screen on its stand, landscape or portrait, drawn at twice
// the shown size.
QImage tileMonitor(bool portrait)
{
    const QSize size = portrait ? QSize(120, 168) : QSize(180, 132);
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    smooth(p);
    const qreal standHeight = 22;
    const QRectF screen(4, 4, size.width() - 8, size.height() - 8 - standHeight);
    // Stand: neck and foot, behind the screen's lower edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    const qreal cx = screen.center().x();
    p.drawRect(QRectF(cx - 7, screen.bottom() - 2, 14, standHeight - 6));
    p.drawRoundedRect(QRectF(cx - 30, size.height() - 10, 60, 7), 3.5, 3.5);
    drawScreen(p, screen, QColor(0xD6, 0xE8, 0xFA), Qt::white);
    // A soft diagonal sheen so the panel reads as glass.
    const QRectF panel = screenPanel(screen);
    QPainterPath sheen;
    sheen.moveTo(panel.left() + panel.width() * 0.55, panel.top());
    sheen.lineTo(panel.right(), panel.top());
    sheen.lineTo(panel.right(), panel.top() + panel.height() * 0.45);
    sheen.closeSubpath();
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(sheen);
    return img;
}

// Delete button at a tile's top right: a white disc with a navy cross, drawn
// at twice its 20 x 20 size.
QImage deleteButton()
{
    QImage img = canvas(40, 40);
    QPainter p(&img);
    smooth(p);
    p.setPen(QPen(kNavy, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(2, 2, 36, 36));
    cross(p, QRectF(13, 13, 14, 14), kNavy, 4);
    return img;
}

// Illustration of the monitor-number choice the missing-selection notice asks
// for: a monitor's port button still showing "--" and the open list.
QImage checkNumber()
{
    QImage img = canvas(320, 128);
    QPainter p(&img);
    smooth(p);
    const QRectF tile(4, 14, 150, 100);
    p.setPen(QPen(kRed, 4));
    p.setBrush(kBlue);
    p.drawRoundedRect(tile, 8, 8);
    const QRectF button(24, 44, 102, 40);
    p.setPen(QPen(kNavy, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(button, 8, 8);
    p.setFont(uiFont(22, true));
    p.setPen(kNavy);
    centredText(p, QPointF(button.left() + 38, button.center().y()), QStringLiteral("--"));
    QPainterPath caret;
    caret.moveTo(button.right() - 32, button.center().y() - 4);
    caret.lineTo(button.right() - 16, button.center().y() - 4);
    caret.lineTo(button.right() - 24, button.center().y() + 5);
    caret.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawPath(caret);
    // The open list beside it: P1 highlighted under the pointer.
    const QRectF list(176, 8, 116, 112);
    p.setPen(QPen(kNavy, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(list, 6, 6);
    const QStringList names = {QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("P3")};
    p.setFont(uiFont(21, true));
    for (int i = 0; i < names.size(); ++i) {
        const QRectF row(list.left() + 5, list.top() + 5 + i * 34.5, list.width() - 10, 33);
        if (i == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(kSky);
            p.drawRoundedRect(row, 4, 4);
        }
        p.setPen(i == 0 ? QColor(Qt::white) : kNavy);
        centredText(p, row.center(), names.at(i));
    }
    p.setPen(QPen(kSky, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(button.right() + 6, button.center().y()), QPointF(list.left() - 8, button.center().y()));
    drawPointer(p, QPointF(262, 26), 40, Qt::white, kNavy);
    return img;
}

// The mouse-position illustrations, 155 x 90: a monitor with the pointer
// where the mouse appears after a switch. `where` is a fraction of the screen.
QImage positionPicture(const QPointF &where)
{
    QImage img = canvas(310, 180);
    QPainter p(&img);
    smooth(p);
    // Stand first, so the monitor's lower edge covers the neck.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9C, 0xB3, 0xC7));
    p.drawRect(QRectF(143, 150, 24, 18));
    p.drawRoundedRect(QRectF(105, 164, 100, 12), 6, 6);
    const QRectF body(26, 4, 258, 150);
    p.setBrush(kNavy);
    p.drawRoundedRect(body, 11, 11);
    const QRectF screen = body.adjusted(8, 8, -8, -8);
    QLinearGradient g(screen.topLeft(), screen.bottomRight());
    g.setColorAt(0, QColor(0xF4, 0xF9, 0xFD));
    g.setColorAt(1, QColor(0xCF, 0xE3, 0xF1));
    p.setBrush(g);
    p.drawRoundedRect(screen, 5, 5);
    const QPointF tip(screen.left() + where.x() * screen.width(), screen.top() + where.y() * screen.height());
    QRadialGradient halo(tip, 30);
    halo.setColorAt(0, QColor(0xF8, 0x9B, 0x0A, 150));
    halo.setColorAt(1, QColor(0xF8, 0x9B, 0x0A, 0));
    p.setBrush(halo);
    p.drawEllipse(tip, 30, 30);
    p.setPen(QPen(kOrange, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(tip, 13, 13);
    drawPointer(p, tip, 44, kNavy, Qt::white);
    return img;
}

// The switch seen from the front: a body with four port sockets. Ports are
// centred at (i + 0.5) / 4 of the width.
void drawSwitchFront(QPainter &p, const QRectF &r, const QColor &body)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, body.lighter(125));
    g.setColorAt(1, body);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    const qreal radius = r.height() * 0.16;
    p.drawRoundedRect(r, radius, radius);
    const qreal pitch = r.width() / 4;
    const qreal w = std::min(pitch * 0.56, r.height() * 0.9);
    const qreal h = r.height() * 0.36;
    for (int i = 0; i < 4; ++i) {
        const QPointF c(r.left() + (i + 0.5) * pitch, r.center().y() + r.height() * 0.06);
        const QRectF socket(c.x() - w / 2, c.y() - h / 2, w, h);
        p.setBrush(QColor(0x03, 0x22, 0x3C));
        p.drawRoundedRect(socket, h * 0.2, h * 0.2);
        p.setBrush(QColor(0xB8, 0xC9, 0xD8));
        p.drawRect(QRectF(socket.left() + w * 0.18, socket.top() + h * 0.28, w * 0.64, h * 0.26));
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawEllipse(QPointF(c.x(), r.top() + r.height() * 0.17), h * 0.1, h * 0.1);
    }
}

// Port indicator background of the editor's status list, 180 x 44.
QImage portStrip(bool secondary)
{
    QImage img = canvas(360, 88);
    QPainter p(&img);
    smooth(p);
    drawSwitchFront(p, QRectF(2, 2, 356, 84), secondary ? QColor(0x2C, 0x78, 0xA6) : kNavy);
    return img;
}

// Connection picture of the upload dialog, 260 x 86: this computer, the USB
// cable and the switch; `connected` picks success or failure.
QImage connectionPicture(bool connected)
{
    QImage img = canvas(520, 172);
    QPainter p(&img);
    smooth(p);
    // Laptop.
    const QRectF lid(30, 16, 150, 100);
    drawScreen(p, lid, connected ? kBlue : QColor(0x8F, 0xA3, 0xB5), kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9C, 0xB3, 0xC7));
    QPainterPath base;
    base.moveTo(16, 120);
    base.lineTo(194, 120);
    base.lineTo(186, 132);
    base.lineTo(24, 132);
    base.closeSubpath();
    p.drawPath(base);
    // Switch.
    drawSwitchFront(p, QRectF(336, 70, 168, 62), kNavy);
    p.setPen(kNavy);
    p.setFont(uiFont(17, true));
    centredText(p, QPointF(420, 152), QStringLiteral("OrrinKM"));
    // Cable from the laptop's side to the switch's top.
    const QPointF from(194, 112), to(364, 70);
    QPainterPath cable;
    cable.moveTo(from);
    cable.cubicTo(QPointF(260, 112), QPointF(300, 30), to + QPointF(0, -26));
    cable.lineTo(to);
    const QColor wire = connected ? kSky : QColor(0x9A, 0xA9, 0xB6);
    p.setBrush(Qt::NoBrush);
    if (connected) {
        p.setPen(QPen(wire, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cable);
    } else {
        // The cable parts in the middle; both ends hang loose.
        const qreal len = cable.length();
        QPainterPath first, second;
        first.moveTo(cable.pointAtPercent(0));
        second.moveTo(cable.pointAtPercent(cable.percentAtLength(len * 0.64)));
        for (int i = 1; i <= 40; ++i) {
            first.lineTo(cable.pointAtPercent(cable.percentAtLength(len * 0.36 * i / 40)));
            second.lineTo(cable.pointAtPercent(cable.percentAtLength(len * (0.64 + 0.36 * i / 40))));
        }
        QPen pen(wire, 6, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.drawPath(first);
        p.drawPath(second);
    }
    const QPointF mid = cable.pointAtPercent(cable.percentAtLength(cable.length() / 2));
    verdict(p, mid, 20, connected);
    return img;
}

// One example of the layout rules for the tutorial and error pages: a small
// grid with monitors coloured by port, and the verdict badge.
struct ExampleCell
{
    int row, col, port;
    qreal scale = 1.0; // < 1: a monitor of another resolution
};

void drawExample(QPainter &p, const QRectF &r, int rows, int cols, const std::vector<ExampleCell> &cells, bool good,
                 const std::vector<QPoint> &marked = {})
{
    p.setPen(QPen(kLine, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 12, 12);
    QVector<Monitor> frame;
    frame.push_back(Monitor{1, 1, 1, QString()});
    frame.push_back(Monitor{rows, cols, 1, QString()});
    const Arrangement grid(frame, r.adjusted(22, 26, -22, -26), 0.07);
    // Empty grid cells, faint, so gaps and shapes read as positions on a grid.
    QPen empty(QColor(0xB5, 0xC4, 0xD2), 1.6, Qt::CustomDashLine);
    empty.setDashPattern({3, 3});
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            p.setPen(empty);
            p.setBrush(QColor(0xF5, 0xF8, 0xFA));
            p.drawRoundedRect(grid.cell(row, col), 4, 4);
        }
    }
    for (const QPoint &cell : marked) {
        p.setPen(QPen(kRed, 3, Qt::DashLine));
        p.setBrush(QColor(0xD9, 0x43, 0x3B, 30));
        p.drawRoundedRect(grid.cell(cell.y(), cell.x()).adjusted(-3, -3, 3, 3), 6, 6);
    }
    for (const ExampleCell &c : cells) {
        QRectF box = grid.cell(c.row, c.col);
        if (c.scale < 1.0) {
            const QSizeF size = box.size() * c.scale;
            box = QRectF(QPointF(box.center().x() - size.width() / 2, box.bottom() - size.height()), size);
        }
        drawScreen(p, box, kPortColours[c.port - 1], kNavy);
        const QRectF panel = screenPanel(box);
        p.setFont(fittedFont(portName(c.port), panel.size() * 0.8, true, panel.height() * 0.5));
        p.setPen(Qt::white);
        centredText(p, panel.center(), portName(c.port));
    }
    verdict(p, QPointF(r.right() - 20, r.top() + 20), 15, good);
}

// Two examples side by side, 380 x 110 shown: each example 180 wide, the
// second starting at x = 200.
QImage examplePair(const std::function<void(QPainter &, const QRectF &, const QRectF &)> &draw)
{
    QImage img = canvas(760, 220);
    QPainter p(&img);
    smooth(p);
    draw(p, QRectF(0, 0, 360, 220), QRectF(400, 0, 360, 220));
    return img;
}

QImage tutorialAllowed()
{
    return examplePair([](QPainter &p, const QRectF &a, const QRectF &b) {
        drawExample(p, a, 2, 3, {{1, 1, 1}, {1, 2, 1}, {2, 1, 1}, {2, 2, 1}, {1, 3, 2}, {2, 3, 2}}, true);
        drawExample(p, b, 2, 3, {{1, 1, 1}, {1, 2, 1}, {1, 3, 1}, {2, 1, 2}, {2, 2, 2}, {2, 3, 2}}, true);
    });
}

QImage tutorialNotAllowed()
{
    return examplePair([](QPainter &p, const QRectF &a, const QRectF &b) {
        // P1 in an L shape; P1 split into two separate rectangles. The other
        // ports are sound, so only P1 is at fault.
        drawExample(p, a, 2, 3, {{1, 1, 1}, {2, 1, 1}, {2, 2, 1}, {1, 2, 2}, {1, 3, 2}, {2, 3, 3}}, false);
        drawExample(p, b, 2, 3, {{1, 1, 1}, {2, 1, 1}, {1, 2, 2}, {2, 2, 2}, {1, 3, 1}, {2, 3, 1}}, false);
    });
}

QImage errorRectangle()
{
    return examplePair([](QPainter &p, const QRectF &a, const QRectF &b) {
        drawExample(p, a, 2, 3, {{1, 1, 1}, {1, 2, 1}, {2, 1, 1}, {2, 2, 1}, {1, 3, 2}, {2, 3, 2}}, true);
        drawExample(p, b, 2, 3, {{1, 1, 1}, {1, 2, 1}, {2, 1, 1}, {2, 2, 2}, {1, 3, 3}, {2, 3, 3}}, false);
    });
}

QImage errorIsolated()
{
    return examplePair([](QPainter &p, const QRectF &a, const QRectF &b) {
        drawExample(p, a, 2, 3, {{1, 1, 1}, {1, 2, 1}, {2, 1, 1}, {2, 2, 1}, {2, 3, 2}}, true);
        drawExample(p, b, 2, 3, {{1, 1, 1}, {2, 1, 1}, {1, 3, 2}, {2, 3, 2}}, false, {QPoint(2, 1), QPoint(2, 2)});
    });
}

QImage errorResolution()
{
    return examplePair([](QPainter &p, const QRectF &a, const QRectF &b) {
        drawExample(p, a, 2, 3, {{1, 1, 1}, {1, 2, 1}, {2, 1, 2}, {2, 2, 2}, {1, 3, 3}, {2, 3, 3}}, true);
        drawExample(p, b, 2, 3, {{1, 1, 1}, {1, 2, 1, 0.72}, {2, 1, 2}, {2, 2, 2}, {1, 3, 3}, {2, 3, 3}}, false);
    });
}

// ---------------------------------------------------------------------------
// Template and configuration pictures

// Template cells are 230 x 150 on the first home page and 300 x 150 on the
// others; the configuration screen shows the same picture 120 high.
QSize templateSize(const Template &t)
{
    return t.page == 1 ? QSize(460, 300) : QSize(600, 300);
}

QImage blankCanvasPicture(const QSize &size, bool hover)
{
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    smooth(p);
    drawCard(p, QRectF(QPointF(0, 0), size), hover ? Card::Hovered : Card::Plain, 18, true);
    // Above the middle: the home page writes "Add blank canvas" below it.
    const QPointF c(size.width() / 2.0, size.height() * 0.42);
    const qreal r = size.height() * 0.17;
    p.setPen(QPen(kSky, 5));
    p.setBrush(hover ? kSky : QColor(Qt::white));
    p.drawEllipse(c, r, r);
    plus(p, c, r * 0.48, hover ? QColor(Qt::white) : kSky, 7);
    return img;
}

QImage templatePicture(const QVector<Monitor> &monitors, const QSize &size, bool hover)
{
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    smooth(p);
    drawCard(p, QRectF(QPointF(0, 0), size), hover ? Card::Hovered : Card::Plain, 18);
    const qreal h = size.height();
    const QRectF area(size.width() * 0.1, h * 0.11, size.width() * 0.8, h * 0.70);
    const Arrangement grid(monitors, area, 0.08, 0, area.width() / 3.2);
    const QRectF b = grid.bounds();
    // The desk the screens stand on.
    p.setPen(Qt::NoPen);
    p.setBrush(hover ? QColor(0xA9, 0xCF, 0xE6) : QColor(0xD5, 0xDF, 0xE8));
    p.drawRoundedRect(QRectF(b.left() - b.width() * 0.07, b.bottom() + h * 0.045, b.width() * 1.14, h * 0.035),
                      h * 0.017, h * 0.017);
    for (const Monitor &m : monitors)
        drawScreen(p, grid.cell(m.row, m.col), kBlue, kNavy);
    return img;
}

QImage configurationPicture(const QVector<Monitor> &monitors, const QSize &size, bool hover)
{
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    smooth(p);
    drawCard(p, QRectF(QPointF(0, 0), size), hover ? Card::Chosen : Card::Plain, 16);
    const qreal m = 16;
    const Arrangement grid(monitors, QRectF(m, m, size.width() - 2 * m, size.height() - 2 * m), 0.07, 46, size.width() * 0.36);
    for (const Monitor &monitor : monitors) {
        const QRectF box = grid.cell(monitor.row, monitor.col);
        drawScreen(p, box, kPortColours[monitor.port - 1], kNavy);
        // The port's name over the monitor's number, or both on one line
        // where the monitor is too flat for two, whichever reads larger.
        const QRectF panel = screenPanel(box).adjusted(2, 1, -2, -1);
        const QString name = portName(monitor.port);
        const QString line = name + QStringLiteral(" ") + monitor.number;
        const QFont two = fittedFont(name, QSizeF(panel.width(), panel.height() / 2.1), true, panel.height() * 0.3);
        const QFont one = fittedFont(line, panel.size(), true, panel.height() * 0.5);
        p.setPen(Qt::white);
        if (two.pixelSize() >= one.pixelSize()) {
            const QFontMetricsF metrics(two);
            const qreal step = metrics.capHeight() * 0.95;
            p.setFont(two);
            centredText(p, panel.center() - QPointF(0, step), name);
            QFont number = two;
            number.setBold(false);
            p.setFont(number);
            centredText(p, panel.center() + QPointF(0, step), monitor.number);
        } else {
            p.setFont(one);
            centredText(p, panel.center(), line);
        }
    }
    return img;
}

// ---------------------------------------------------------------------------
// The waiting animation

// 12 frames of a dot ring turning around an upload arrow, on a disc of the
// dialog's panel colour so the anti-aliased edges blend with the panel behind
// (a GIF has on/off transparency only).
std::vector<QImage> uploadingFrames()
{
    std::vector<QImage> frames;
    const int count = 12;
    const QPointF c(100, 100);
    for (int f = 0; f < count; ++f) {
        QImage img = canvas(200, 200);
        QPainter p(&img);
        smooth(p);
        p.setPen(Qt::NoPen);
        p.setBrush(kPanel);
        p.drawEllipse(c, 68, 68);
        for (int i = 0; i < count; ++i) {
            // Dot i trails the head of the ring by `age` steps.
            const int age = (f - i + count) % count;
            const qreal angle = (i * 360.0 / count - 90) * M_PI / 180;
            const QPointF at = c + QPointF(std::cos(angle), std::sin(angle)) * 52;
            QColor colour = age == 0 ? kNavy : age < 4 ? kSky : QColor(0xC6, 0xDB, 0xE8);
            const qreal r = age == 0 ? 9.5 : age < 4 ? 8.5 - age * 0.7 : 5.5;
            p.setBrush(colour);
            p.drawEllipse(at, r, r);
        }
        // Upload arrow into a tray.
        p.setPen(QPen(kNavy, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(100, 113), QPointF(100, 78));
        QPainterPath head;
        head.moveTo(87, 91);
        head.lineTo(100, 78);
        head.lineTo(113, 91);
        p.drawPath(head);
        QPainterPath tray;
        tray.moveTo(80, 108);
        tray.lineTo(80, 121);
        tray.lineTo(120, 121);
        tray.lineTo(120, 108);
        p.drawPath(tray);
        p.end();
        // Settle the edge of the disc to fully opaque or fully clear here,
        // so the GIF writer has no partial transparency to decide about.
        QImage plain = img.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < plain.height(); ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(plain.scanLine(y));
            for (int x = 0; x < plain.width(); ++x)
                line[x] = qAlpha(line[x]) >= 128 ? (line[x] | 0xFF000000u) : 0u;
        }
        frames.push_back(plain);
    }
    return frames;
}

// Qt writes no GIFs; ImageMagick assembles the frames drawn above.
bool writeGif(const std::vector<QImage> &frames, int delayCentiseconds, const QString &path, QString *error)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        *error = QStringLiteral("cannot create a temporary folder");
        return false;
    }
    QStringList args = {QStringLiteral("-delay"), QString::number(delayCentiseconds), QStringLiteral("-loop"),
                        QStringLiteral("0"), QStringLiteral("-dispose"), QStringLiteral("Background")};
    for (size_t i = 0; i < frames.size(); ++i) {
        const QString frame = dir.filePath(QStringLiteral("frame%1.png").arg(i, 2, 10, QLatin1Char('0')));
        if (!frames[i].save(frame, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(frame);
            return false;
        }
        args << frame;
    }
    args << QStringLiteral("+dither") << path;
    QProcess convert;
    convert.start(QStringLiteral("convert"), args);
    if (!convert.waitForFinished(120000) || convert.exitStatus() != QProcess::NormalExit || convert.exitCode() != 0) {
        *error = QStringLiteral("ImageMagick's convert failed to write %1: %2")
                     .arg(path, QString::fromLocal8Bit(convert.readAllStandardError()) + convert.errorString());
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------

using Painter = std::function<QImage()>;

std::vector<std::pair<QString, Painter>> pictures(const Table &table)
{
    std::vector<std::pair<QString, Painter>> list = {
        // Title bars (dark blue).
        {QStringLiteral("close.png"), [] { return closeMark(Qt::white); }},
        {QStringLiteral("min.png"), minimiseMark},
        // Notices.
        {QStringLiteral("img-fail.png"), failBadge},
        {QStringLiteral("img-successfully.png"), successBadge},
        {QStringLiteral("img-caveat.png"), caveatBadge},
        {QStringLiteral("img-checknumber.png"), checkNumber},
        // Home page and editor frame.
        {QStringLiteral("logo-small.png"), [] { return logo(240, 60, false); }},
        {QStringLiteral("seamrun-config.png"), programIcon},
        {QStringLiteral("icon-open.png"), openIcon},
        {QStringLiteral("btn-home.png"), [] { return homeButton(false); }},
        {QStringLiteral("btn-home-h.png"), [] { return homeButton(true); }},
        // Mouse position dialog.
        {QStringLiteral("img-upperleft.png"), [] { return positionPicture(QPointF(0.13, 0.16)); }},
        {QStringLiteral("img-upperright.png"), [] { return positionPicture(QPointF(0.80, 0.16)); }},
        {QStringLiteral("img-lowerleft.png"), [] { return positionPicture(QPointF(0.13, 0.56)); }},
        {QStringLiteral("img-lowerright.png"), [] { return positionPicture(QPointF(0.80, 0.56)); }},
        {QStringLiteral("img-middle.png"), [] { return positionPicture(QPointF(0.47, 0.36)); }},
        // Editor.
        {QStringLiteral("img-orrinkm-P-0.png"), [] { return portStrip(false); }},
        {QStringLiteral("img-orrinkm-S-0.png"), [] { return portStrip(true); }},
        {QStringLiteral("btn-addamonitor.png"), addMarker},
        {QStringLiteral("img-monitor-h.png"), [] { return tileMonitor(false); }},
        {QStringLiteral("img-monitor-v.png"), [] { return tileMonitor(true); }},
        {QStringLiteral("btn-delete.png"), deleteButton},
        {QStringLiteral("tutorial-allowed.png"), tutorialAllowed},
        {QStringLiteral("tutorial-not-allowed.png"), tutorialNotAllowed},
        {QStringLiteral("error-rectangle.png"), errorRectangle},
        {QStringLiteral("error-isolated.png"), errorIsolated},
        {QStringLiteral("error-resolution.png"), errorResolution},
        // Upload dialog.
        {QStringLiteral("img-check-s.png"), [] { return connectionPicture(true); }},
        {QStringLiteral("img-check-f.png"), [] { return connectionPicture(false); }},
        {QStringLiteral("btn-next-n.png"), [] { return nextButton(false); }},
        {QStringLiteral("btn-next-h.png"), [] { return nextButton(true); }},
    };

    // What the home page shows in its first frame (logo, page arrows and a
    // whole page of template pictures) comes at the size shown as well
    // ("name.png", what a standard screen decodes and draws as it is)
    // beside the one drawn at twice that ("name@2x.png", which the screens
    // take on a high-density screen).
    const auto addBothSizes = [&list](const QString &name, const Painter &draw) {
        list.emplace_back(name + QStringLiteral("@2x.png"), draw);
        list.emplace_back(name + QStringLiteral(".png"), [draw] {
            const QImage twice = draw();
            return twice.scaled(twice.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        });
    };
    addBothSizes(QStringLiteral("logo"), [] { return logo(480, 120, true); });
    addBothSizes(QStringLiteral("arrow-left"), [] { return pageArrow(false, true); });
    addBothSizes(QStringLiteral("arrow-right"), [] { return pageArrow(true, true); });
    addBothSizes(QStringLiteral("arrow-left-disabled"), [] { return pageArrow(false, false); });
    addBothSizes(QStringLiteral("arrow-right-disabled"), [] { return pageArrow(true, false); });
    for (const Template &t : table.templates) {
        const QSize size = templateSize(t);
        // The home page shows a template's picture 134 px high (its cell less
        // the margins): it comes at that size, so that the page draws it as
        // it is decoded, without scaling it at every paint.
        const QSize shown(2 * qRound(size.width() * 134.0 / size.height()), 2 * 134);
        const auto atShownSize = [shown](const QImage &drawn) {
            return drawn.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        const QString base = QStringLiteral("template_") + t.number;
        if (t.configCount == 0) {
            addBothSizes(base, [size, atShownSize] { return atShownSize(blankCanvasPicture(size, false)); });
            addBothSizes(base + QStringLiteral("_hover"),
                         [size, atShownSize] { return atShownSize(blankCanvasPicture(size, true)); });
            continue;
        }
        const QVector<Monitor> first = table.configurations.at(t.number + QStringLiteral("-01"));
        addBothSizes(base, [first, size, atShownSize] { return atShownSize(templatePicture(first, size, false)); });
        addBothSizes(base + QStringLiteral("_hover"),
                     [first, size, atShownSize] { return atShownSize(templatePicture(first, size, true)); });
        // Tiles are 150 x 120, and 300 x 120 for the long row of template 20.
        const QSize tile = t.number == QLatin1String("20") ? QSize(600, 240) : QSize(300, 240);
        for (int c = 1; c <= t.configCount; ++c) {
            const QString count = QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0'));
            const QVector<Monitor> monitors = table.configurations.at(t.number + QLatin1Char('-') + count);
            const QString name = QStringLiteral("config_%1_%2").arg(t.number, count);
            list.emplace_back(name + QStringLiteral(".png"),
                              [monitors, tile] { return configurationPicture(monitors, tile, false); });
            list.emplace_back(name + QStringLiteral("_hover.png"),
                              [monitors, tile] { return configurationPicture(monitors, tile, true); });
        }
    }
    return list;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs fonts but no screen; run anywhere, also without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2 && argc != 3) {
        err << "usage: artwork OUTPUT_DIR [TEMPLATES_JSON]\n";
        return 2;
    }
    const QString dataPath = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(SEAMRUN_TEMPLATES_JSON);
    Table table;
    QString error;
    if (!loadTable(dataPath, &table, &error)) {
        err << error << "\n";
        return 1;
    }
    if (!loadFaces(&error)) {
        err << error << "\n";
        return 1;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }
    for (const auto &entry : pictures(table)) {
        const QString path = out.filePath(entry.first);
        if (!entry.second().save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    if (!writeGif(uploadingFrames(), 8, out.filePath(QStringLiteral("img-uploading.gif")), &error)) {
        err << error << "\n";
        return 1;
    }
    return 0;
}
