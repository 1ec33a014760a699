#include "desk/deskreader.h"

#include "desk/deskrules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

// ------------------------------------------------------------ value kinds

bool isNumber(const QVariant &v)
{
    switch (v.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

bool isString(const QVariant &v)
{
    return v.userType() == QMetaType::QString;
}

bool isNull(const QVariant &v)
{
    return v.userType() == QMetaType::Nullptr
           || (v.userType() == QMetaType::VoidStar && v.value<void *>() == nullptr);
}

bool isMap(const QVariant &v)
{
    return v.userType() == QMetaType::QVariantMap || v.userType() == QMetaType::QVariantHash;
}

bool isList(const QVariant &v)
{
    return v.userType() == QMetaType::QVariantList || v.userType() == QMetaType::QStringList;
}

// object.key: the member, or undefined (an invalid QVariant).
QVariant member(const QVariant &object, const QString &key)
{
    if (object.userType() == QMetaType::QVariantMap)
        return object.toMap().value(key);
    if (object.userType() == QMetaType::QVariantHash)
        return object.toHash().value(key);
    return QVariant();
}

// --------------------------------------------------- texts read as numbers

// Whitespace as a script's trim() knows it.
bool isScriptSpace(QChar c)
{
    return c.isSpace() || c.unicode() == 0xFEFF;
}

QString scriptTrim(const QString &text)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && isScriptSpace(text.at(begin)))
        ++begin;
    while (end > begin && isScriptSpace(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

double radixNumber(const QString &digits, int radix)
{
    if (digits.isEmpty())
        return kNaN;
    double value = 0;
    for (const QChar c : digits) {
        const int d = c.isDigit() ? c.digitValue()
                      : (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('z'))
                          ? c.toLower().unicode() - 'a' + 10
                          : radix;
        if (d < 0 || d >= radix || c.unicode() > 0x7f)
            return kNaN;
        value = value * radix + d;
    }
    return value;
}

// [+-] digits [. [digits]] [exponent], or [+-] . digits [exponent]: the
// decimal numbers a text may hold.
bool isDecimalLiteral(const QString &t)
{
    int i = 0;
    const int n = t.size();
    auto digits = [&]() {
        const int from = i;
        while (i < n && t.at(i) >= QLatin1Char('0') && t.at(i) <= QLatin1Char('9'))
            ++i;
        return i - from;
    };
    if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        ++i;
    int mantissa = digits();
    if (i < n && t.at(i) == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (t.at(i) == QLatin1Char('e') || t.at(i) == QLatin1Char('E'))) {
        ++i;
        if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == n;
}

// Number("text").
double textNumber(const QString &text)
{
    const QString t = scriptTrim(text);
    if (t.isEmpty())
        return 0;
    if (t == QLatin1String("Infinity") || t == QLatin1String("+Infinity"))
        return kInfinity;
    if (t == QLatin1String("-Infinity"))
        return -kInfinity;
    if (t.size() > 2 && t.at(0) == QLatin1Char('0')) {
        const QChar kind = t.at(1).toLower();
        if (kind == QLatin1Char('x'))
            return radixNumber(t.mid(2), 16);
        if (kind == QLatin1Char('o'))
            return radixNumber(t.mid(2), 8);
        if (kind == QLatin1Char('b'))
            return radixNumber(t.mid(2), 2);
    }
    if (!isDecimalLiteral(t))
        return kNaN;
    bool ok = false;
    const double value = QLocale::c().toDouble(t, &ok);
    if (ok)
        return value;
    // Out of range for a double: the sign decides, as it does for a script.
    return t.startsWith(QLatin1Char('-')) ? -kInfinity : kInfinity;
}

// ToInt32, as the bit operators and int arguments see a number.
qint32 int32Of(double n)
{
    if (!std::isfinite(n))
        return 0;
    const double t = std::trunc(n);
    const double m = std::fmod(t, 4294967296.0);
    const double u = m < 0 ? m + 4294967296.0 : m;
    return static_cast<qint32>(static_cast<quint32>(u));
}

// --------------------------------------------------------- a file's values

// A layout file's value as a number: JSON numbers, and texts that are not
// blank; anything else (null, a boolean, an object) is no number, though
// Number() would turn several of them into 0 or 1.
double fileNumber(const QVariant &value)
{
    if (isNumber(value))
        return value.toDouble();
    if (isString(value) && !scriptTrim(value.toString()).isEmpty())
        return textNumber(value.toString());
    return kNaN;
}

bool inRange(double n, double low, double high)
{
    return n >= low && n <= high; // false for NaN
}

// The whole number `value` stands for, when it lies in low..high.
bool wholeIn(const QVariant &value, int low, int high, int *out)
{
    const double n = fileNumber(value);
    if (!inRange(n, low, high) || std::floor(n) != n)
        return false;
    *out = int(n);
    return true;
}

// Math.round: halves go up.
double roundHalfUp(double x)
{
    if (!std::isfinite(x))
        return x;
    double r = std::floor(x);
    if (x - r >= 0.5)
        r += 1;
    return r;
}

// The first element of a parsed layout when it is an object (a map, or a
// list, which has no members), else an invalid value.
QVariant layoutRecord(const QVariant &layout)
{
    if (!isList(layout))
        return QVariant();
    const QVariantList list = layout.toList();
    if (list.isEmpty() || !(isMap(list.first()) || isList(list.first())))
        return QVariant();
    return list.first();
}

// One monitor list entry, when it is one the desk can hold by itself.
bool fileMonitor(const QVariant &entry, Monitor *m)
{
    if (!isMap(entry))
        return false;
    if (!wholeIn(member(entry, QStringLiteral("row")), 1, Desk::kGridSize, &m->row)
        || !wholeIn(member(entry, QStringLiteral("col")), 1, Desk::kGridSize, &m->col)
        || !wholeIn(member(entry, QStringLiteral("portnum")), 0, Desk::kMaxPort, &m->port)
        || !wholeIn(member(entry, QStringLiteral("monitornum")), 1, Desk::kMaxMonitors, &m->number)
        || !wholeIn(member(entry, QStringLiteral("width")), 0, Desk::kMaxPixels, &m->width)
        || !wholeIn(member(entry, QStringLiteral("height")), 0, Desk::kMaxPixels, &m->height))
        return false;
    m->orientation = DeskRules::orientationOf(m->width, m->height);
    return true;
}

// The monitors of a monitor list, in its order, up to the first that does
// not fit (by itself or beside those before it); true when that is all.
bool fileMonitors(const QVariant &list, QVector<Monitor> *monitors)
{
    if (!isList(list))
        return false;
    const QVariantList entries = list.toList();
    bool cells[Desk::kGridSize * Desk::kGridSize] = {};
    bool numbers[Desk::kMaxPort + 1][Desk::kMaxMonitors + 1] = {};
    for (const QVariant &entry : entries) {
        Monitor m;
        if (monitors->size() == Desk::kMaxMonitors || !fileMonitor(entry, &m) || cells[m.gridIndex()]
            || numbers[m.port][m.number])
            return false;
        cells[m.gridIndex()] = true;
        numbers[m.port][m.number] = true;
        monitors->append(m);
    }
    return true;
}

// A value from the screens as an int, held where no sum or product of a few
// of them can overflow.
int screenInt(const QVariant &value)
{
    const int limit = 1 << 20;
    return std::max(-limit, std::min(limit, DeskReader::toInt(value)));
}

} // namespace

namespace DeskReader {

// ------------------------------------------------- the script's conversions

double number(const QVariant &v)
{
    if (!v.isValid())
        return kNaN;
    if (isNull(v))
        return 0;
    if (v.userType() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    if (isNumber(v))
        return v.toDouble();
    if (isString(v))
        return textNumber(v.toString());
    if (isList(v))
        return textNumber(text(v)); // [] is 0, [7] is 7, [1, 2] is NaN
    return kNaN;
}

// Integers in full up to 1e21, otherwise the shortest digits that read back
// to the same number.
QString numberText(double n)
{
    if (std::isnan(n))
        return QStringLiteral("NaN");
    if (std::isinf(n))
        return n > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (n == 0)
        return QStringLiteral("0");
    if (std::floor(n) == n && std::fabs(n) < 9007199254740992.0)
        return QString::number(static_cast<qint64>(n));

    // d.ddde[+-]x: the shortest significant digits and the exponent.
    const QString e = QString::number(std::fabs(n), 'e', QLocale::FloatingPointShortest);
    const int at = e.indexOf(QLatin1Char('e'));
    QString digits = e.left(at);
    digits.remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    const int k = digits.size();
    const int point = e.mid(at + 1).toInt() + 1; // digits before the decimal point
    QString out;
    if (k <= point && point <= 21) {
        out = digits + QString(point - k, QLatin1Char('0'));
    } else if (0 < point && point <= 21) {
        out = digits.left(point) + QLatin1Char('.') + digits.mid(point);
    } else if (-6 < point && point <= 0) {
        out = QStringLiteral("0.") + QString(-point, QLatin1Char('0')) + digits;
    } else {
        const int exponent = point - 1;
        out = digits.left(1) + (k > 1 ? QLatin1Char('.') + digits.mid(1) : QString()) + QLatin1Char('e')
              + (exponent >= 0 ? QLatin1Char('+') : QLatin1Char('-')) + QString::number(std::abs(exponent));
    }
    return n < 0 ? QLatin1Char('-') + out : out;
}

QString text(const QVariant &v)
{
    if (!v.isValid())
        return QStringLiteral("undefined");
    if (isNull(v))
        return QStringLiteral("null");
    if (v.userType() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (isNumber(v))
        return numberText(v.toDouble());
    if (isString(v))
        return v.toString();
    if (isList(v)) {
        QStringList parts;
        for (const QVariant &item : v.toList())
            parts.append(!item.isValid() || isNull(item) ? QString() : text(item));
        return parts.join(QLatin1Char(','));
    }
    if (isMap(v))
        return QStringLiteral("[object Object]");
    return v.toString();
}

int toInt(const QVariant &value)
{
    return int32Of(number(value));
}

bool parseJson(const QString &text, QVariant *value)
{
    // JSON knows no byte order mark (the parser below would skip one).
    if (text.startsWith(QChar(0xFEFF)))
        return false;
    const QByteArray utf8 = text.toUtf8();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(utf8, &error);
    if (error.error == QJsonParseError::NoError) {
        *value = document.isArray() ? QVariant(document.array().toVariantList())
                                    : QVariant(document.object().toVariantMap());
        return true;
    }
    // A lone number, text, boolean or null is JSON too.
    const QJsonDocument wrapped = QJsonDocument::fromJson("[" + utf8 + "]", &error);
    if (error.error != QJsonParseError::NoError || !wrapped.isArray() || wrapped.array().size() != 1)
        return false;
    *value = wrapped.array().first().toVariant();
    return true;
}

// ------------------------------------------------------------ layout files

bool acceptable(const QVariant &layout)
{
    if (!layout.isValid() || isNull(layout) || (isString(layout) && layout.toString().isEmpty()))
        return false;
    const QVariant list = member(layoutRecord(layout), QStringLiteral("monitorlist"));
    if (!list.isValid() || isNull(list))
        return true;
    QVector<Monitor> monitors;
    return fileMonitors(list, &monitors);
}

QVector<Monitor> monitors(const QVariant &layout)
{
    QVector<Monitor> monitors;
    fileMonitors(member(layoutRecord(layout), QStringLiteral("monitorlist")), &monitors);
    return DeskRules::inGridOrder(monitors);
}

MouseSettings mouse(const QVariant &layout)
{
    const MouseSettings blank;
    const QVariant record = layoutRecord(layout);
    const auto value = [&record](const char *name) { return fileNumber(member(record, QLatin1String(name))); };
    MouseSettings mouse;

    const double acceleration = value("acceleration");
    mouse.acceleration = std::isnan(acceleration) ? blank.acceleration : (acceleration != 0 ? 1 : 0);

    const double speed = value("speed");
    mouse.speed = std::isnan(speed) ? blank.speed : int(std::min(10.0, std::max(0.0, roundHalfUp(speed))));

    const double position = value("position");
    mouse.position = (inRange(position, 0, 255) && std::floor(position) == position) ? int(position)
                                                                                    : blank.position;

    const double focus = value("switching_focus");
    mouse.focus = std::isnan(focus) ? blank.focus : (focus == 1 ? 1 : 0);

    const double duration = value("duration_time");
    mouse.duration = (duration == 0 || duration == 1 || duration == 2 || duration == 3) ? int(duration)
                                                                                        : blank.duration;

    const double awake = value("keep_awake");
    mouse.awake = std::isnan(awake) ? blank.awake : int(std::min(2.0, std::max(0.0, roundHalfUp(awake))));
    return mouse;
}

Desk desk(const QVariant &layout)
{
    Desk desk;
    desk.monitors = monitors(layout);
    desk.mouse = mouse(layout);
    return desk;
}

// ---------------------------------------------------- the screens' values

Monitor monitor(const QVariant &value)
{
    Monitor m;
    const QVariant row = member(value, QStringLiteral("row"));
    const QVariant col = member(value, QStringLiteral("col"));
    const QVariant gridIndex = member(value, QStringLiteral("gridindex"));
    if (!row.isValid() && !col.isValid() && gridIndex.isValid()) {
        const int g = screenInt(gridIndex);
        // Floor division: the cell's row and column for any index.
        const int r = g >= 0 ? g / Desk::kGridSize : -((-g + Desk::kGridSize - 1) / Desk::kGridSize);
        m.row = r + 1;
        m.col = g - r * Desk::kGridSize + 1;
    } else {
        m.row = screenInt(row);
        m.col = screenInt(col);
    }
    m.port = screenInt(member(value, QStringLiteral("portnum")));
    m.number = screenInt(member(value, QStringLiteral("monitornum")));
    m.width = screenInt(member(value, QStringLiteral("width")));
    m.height = screenInt(member(value, QStringLiteral("height")));
    const QVariant orientation = member(value, QStringLiteral("orientation"));
    if (isString(orientation) && orientation.toString() == QLatin1String("v"))
        m.orientation = Orientation::Vertical;
    else if (isString(orientation) && orientation.toString() == QLatin1String("h"))
        m.orientation = Orientation::Horizontal;
    else
        m.orientation = DeskRules::orientationOf(m.width, m.height);
    return m;
}

QVector<Monitor> monitorList(const QVariantList &values)
{
    QVector<Monitor> monitors;
    monitors.reserve(values.size());
    for (const QVariant &v : values)
        monitors.append(monitor(v));
    return monitors;
}

MouseSettings mouseSettings(const QVariantMap &settings)
{
    const auto value = [&settings](const char *name) { return toInt(settings.value(QLatin1String(name))); };
    MouseSettings mouse;
    mouse.acceleration = value("acceleration_flag");
    mouse.speed = value("mouse_speed");
    mouse.position = value("mouse_position");
    mouse.focus = value("switching_focus");
    mouse.duration = value("duration_time");
    mouse.awake = value("keep_awake");
    return mouse;
}

// -------------------------------------------------------- resolution list

std::optional<QVector<QSize>> resolutions(const QString &jsonText)
{
    QVariant parsed;
    if (!parseJson(jsonText, &parsed) || !isList(parsed))
        return std::nullopt;
    QVector<QSize> sizes;
    for (const QVariant &e : parsed.toList()) {
        int width = 0;
        int height = 0;
        if (!isMap(e) || !wholeIn(member(e, QStringLiteral("width")), 1, Desk::kMaxPixels, &width)
            || !wholeIn(member(e, QStringLiteral("height")), 1, Desk::kMaxPixels, &height))
            return std::nullopt;
        sizes.append(QSize(width, height));
    }
    return sizes;
}

QSize resolution(const QString &text)
{
    const QStringList parts = text.split(QStringLiteral(" * "));
    int width = 0;
    int height = 0;
    if (parts.size() != 2 || !wholeIn(parts.at(0), 0, Desk::kMaxPixels, &width)
        || !wholeIn(parts.at(1), 0, Desk::kMaxPixels, &height))
        return QSize(0, 0);
    return QSize(width, height);
}

} // namespace DeskReader
