#include "argpath.h"

#include <QFile>
#include <QTextCodec>

namespace {

// Byte b (0x80 to 0xFF) stands in the text as U+DC00 + b.
constexpr ushort kStandInBase = 0xDC00;

bool isStandIn(QChar c)
{
    return c.unicode() >= kStandInBase + 0x80 && c.unicode() <= kStandInBase + 0xFF;
}

bool hasStandIn(const QString &text)
{
    for (const QChar c : text)
        if (isStandIn(c))
            return true;
    return false;
}

#if !defined(Q_OS_WIN)
bool localeIsUtf8()
{
    const QTextCodec *codec = QTextCodec::codecForLocale();
    return codec && codec->mibEnum() == 106;
}

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF);
// a byte that does not start a well-formed sequence becomes its stand-in.
QString decodeUtf8KeepingBytes(const QByteArray &raw)
{
    QString out;
    const auto *s = reinterpret_cast<const unsigned char *>(raw.constData());
    const int n = raw.size();
    for (int i = 0; i < n;) {
        uint c = s[i];
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        bool ok = extra >= 0 && n - i - 1 >= extra;
        if (ok && extra > 0) {
            c &= 0x3Fu >> extra;
            for (int k = 1; k <= extra && ok; ++k) {
                ok = (s[i + k] & 0xC0) == 0x80;
                c = (c << 6) | (s[i + k] & 0x3F);
            }
            static const uint kMin[4] = {0, 0x80, 0x800, 0x10000};
            ok = ok && c >= kMin[extra] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        }
        if (!ok) {
            out += QChar(ushort(kStandInBase + s[i]));
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(ushort(c));
        }
        i += extra + 1;
    }
    return out;
}
#endif

} // namespace

QString argumentText(const QByteArray &raw)
{
#if defined(Q_OS_WIN)
    return QString::fromLocal8Bit(raw);
#else
    if (localeIsUtf8())
        return decodeUtf8KeepingBytes(raw);
    const QString text = QString::fromLocal8Bit(raw);
    if (!hasStandIn(text) && QFile::encodeName(text) == raw)
        return text;
    // The locale's encoding cannot carry it: ASCII as it is, every other
    // byte as its stand-in.
    QString out;
    for (const char byte : raw) {
        const auto b = static_cast<unsigned char>(byte);
        out += b < 0x80 ? QChar(ushort(b)) : QChar(ushort(kStandInBase + b));
    }
    return out;
#endif
}

QByteArray nativePath(const QString &text)
{
    if (!hasStandIn(text))
        return QFile::encodeName(text);
    QByteArray out;
    int start = 0;
    for (int i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isStandIn(text.at(i)))
            continue;
        out += QFile::encodeName(text.mid(start, i - start));
        if (i < text.size())
            out += char(text.at(i).unicode() - kStandInBase);
        start = i + 1;
    }
    return out;
}

QString printableText(const QString &text)
{
    if (!hasStandIn(text))
        return text;
    QString out;
    for (const QChar c : text) {
        if (isStandIn(c))
            out += QStringLiteral("\\x") + QString::number(c.unicode() - kStandInBase, 16).toUpper();
        else
            out += c;
    }
    return out;
}
