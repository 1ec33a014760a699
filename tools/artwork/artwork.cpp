// Draws the program's pictures from code, so every one of them shares one
// visual language and can be regenerated at any time:
//   artwork OUTPUT_DIR     writes every picture into OUTPUT_DIR
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <functional>
#include <map>

namespace {

const QColor kNavy(0x08, 0x45, 0x76);    // #084576: frames, title bars, text
const QColor kSky(0x44, 0x9A, 0xBE);     // #449ABE: hover
const QColor kBlue(0x4A, 0x90, 0xE2);    // #4A90E2: accents
const QColor kOrange(0xF8, 0x9B, 0x0A);  // #F89B0A: warnings
const QColor kRed(0xD9, 0x43, 0x3B);
const QColor kGreen(0x3C, 0xA5, 0x5C);

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void cross(QPainter &p, const QRectF &r, const QColor &c, qreal width)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

QImage closeMark(const QColor &c)
{
    QImage img = canvas(20, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    cross(p, QRectF(3, 3, 14, 14), c, 2.6);
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

using Painter = std::function<QImage()>;

const std::map<QString, Painter> &pictures()
{
    static const std::map<QString, Painter> table = {
        // Sits on the dark blue title bars.
        {QStringLiteral("close.png"), [] { return closeMark(Qt::white); }},
        {QStringLiteral("img-fail.png"), failBadge},
        {QStringLiteral("img-successfully.png"), successBadge},
        {QStringLiteral("img-caveat.png"), caveatBadge},
    };
    return table;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: artwork OUTPUT_DIR\n";
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }
    for (const auto &entry : pictures()) {
        const QString path = out.filePath(entry.first);
        if (!entry.second().save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
