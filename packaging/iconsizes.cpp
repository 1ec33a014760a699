// Scales the program's icon (drawn at 256 x 256 by tools/artwork) into the
// sizes of the hicolor icon theme:
//   iconsizes SOURCE.png OUTPUT_DIR NAME SIZE...
// writes OUTPUT_DIR/hicolor/<n>x<n>/apps/NAME.png for every SIZE.
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: iconsizes SOURCE.png OUTPUT_DIR NAME SIZE...\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "iconsizes: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size <= 0 || size > source.width()) {
            std::fprintf(stderr, "iconsizes: bad size %s\n", argv[i]);
            return 2;
        }
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = out.filePath(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        // Smooth scaling of the premultiplied image keeps the soft shadow's
        // edge free of dark fringes.
        const QImage scaled = source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                  .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_ARGB32);
        if (!out.mkpath(dir) || !scaled.save(path, "PNG")) {
            std::fprintf(stderr, "iconsizes: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
