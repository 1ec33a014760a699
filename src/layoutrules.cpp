#include "layoutrules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

// Layout values arrive loosely typed: from the screens (numbers, or texts
// where a model keeps them as such) and from layout files, which carry
// numbers either as JSON numbers or as texts. The readers below give every
// value the one meaning the screens' script has always given it: a text is
// read as a number the way Number("...") reads it, a missing member is
// undefined (never 0), and sums, comparisons and texts of numbers follow the
// same arithmetic. That keeps the rules identical whichever side calls them.

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

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

// An object in the script's sense: a map or a list (not null).
bool isObject(const QVariant &v)
{
    return isMap(v) || isList(v);
}

QVariant nullValue()
{
    return QVariant::fromValue(nullptr);
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

bool hasMember(const QVariant &object, const QString &key)
{
    if (object.userType() == QMetaType::QVariantMap)
        return object.toMap().contains(key);
    if (object.userType() == QMetaType::QVariantHash)
        return object.toHash().contains(key);
    return false;
}

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

QString numberText(double n);

// String(value).
QString text(const QVariant &v);

// Number(value).
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

// The text of a number as a script writes it: integers in full up to 1e21,
// otherwise the shortest digits that read back to the same number.
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

// A JSON string literal.
QString quoted(const QString &s)
{
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\b': out += QLatin1String("\\b"); break;
        case '\f': out += QLatin1String("\\f"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

// The whole number a layout value stands for, or NaN. Layout files carry
// numbers either as JSON numbers or as texts; a blank text, null, a boolean
// or an object is no number (Number() would turn several of them into 0).
double wholeNumber(const QVariant &value)
{
    double n;
    if (isNumber(value))
        n = value.toDouble();
    else if (isString(value) && !scriptTrim(value.toString()).isEmpty())
        n = textNumber(value.toString());
    else
        return kNaN;
    return (std::isfinite(n) && std::floor(n) == n) ? n : kNaN;
}

double numberOrNaN(const QVariant &value)
{
    if (isNumber(value))
        return value.toDouble();
    if (isString(value) && !scriptTrim(value.toString()).isEmpty())
        return textNumber(value.toString());
    return kNaN;
}

bool inRange(double n, double low, double high)
{
    return n == n && n >= low && n <= high;
}

// Math.min and Math.max: NaN wins.
double minOf(double a, double b)
{
    return (std::isnan(a) || std::isnan(b)) ? kNaN : std::min(a, b);
}

double maxOf(double a, double b)
{
    return (std::isnan(a) || std::isnan(b)) ? kNaN : std::max(a, b);
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

// ToInt32, as the bit operators see a number.
qint32 int32Of(double n)
{
    if (!std::isfinite(n))
        return 0;
    const double t = std::trunc(n);
    const double m = std::fmod(t, 4294967296.0);
    const double u = m < 0 ? m + 4294967296.0 : m;
    return static_cast<qint32>(static_cast<quint32>(u));
}

double gridIndexOf(const QVariant &m)
{
    const QVariant g = member(m, QStringLiteral("gridindex"));
    if (isNumber(g) && std::isfinite(g.toDouble()))
        return g.toDouble();
    return (number(member(m, QStringLiteral("row"))) - 1) * LayoutRules::kGridSize
           + (number(member(m, QStringLiteral("col"))) - 1);
}

double portOf(const QVariant &m)
{
    return number(member(m, QStringLiteral("portnum")));
}

// Ascending, NaN last (a list sorted by subtraction leaves NaN's place open).
void sortNumbers(std::vector<double> *values)
{
    const auto numbers = std::partition(values->begin(), values->end(), [](double v) { return !std::isnan(v); });
    std::sort(values->begin(), numbers);
}

// The distinct ports of the monitors, ascending.
std::vector<double> portsInUse(const QVariantList &monitors)
{
    std::vector<double> ports;
    bool sawNaN = false;
    for (const QVariant &m : monitors) {
        const double p = portOf(m);
        if (std::isnan(p))
            sawNaN = true;
        else if (std::find(ports.begin(), ports.end(), p) == ports.end())
            ports.push_back(p);
    }
    if (sawNaN)
        ports.push_back(kNaN);
    sortNumbers(&ports);
    return ports;
}

QVariantList numberList(const std::vector<double> &values)
{
    QVariantList list;
    for (double v : values)
        list.append(v);
    return list;
}

// The whole numbers from the first to the last of an ascending list that
// the list leaves out.
std::vector<double> gaps(const std::vector<double> &sorted)
{
    std::vector<double> missing;
    // Rows and columns are whole numbers of the grid; anything else has no
    // gaps to count (and would never end the walk).
    if (sorted.empty() || !std::isfinite(sorted.front()) || !std::isfinite(sorted.back()))
        return missing;
    for (double v = sorted.front(); v <= sorted.back(); ++v)
        if (std::find(sorted.begin(), sorted.end(), v) == sorted.end())
            missing.push_back(v);
    return missing;
}

int countBelow(const std::vector<double> &values, double limit)
{
    int n = 0;
    for (double v : values)
        if (v < limit)
            ++n;
    return n;
}

// A JSON text as a value (a list, a map, or a single number, text, boolean
// or null); false when the text is no JSON.
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

// The first element of a parsed layout when it is an object, else null.
QVariant layoutRecord(const QVariantList &list)
{
    if (list.isEmpty() || !isObject(list.first()))
        return nullValue();
    return list.first();
}

// Whether a layout's monitor list can be applied whole (see parseLayout).
bool monitorListAcceptable(const QVariant &value)
{
    if (!isList(value))
        return false;
    const QVariantList list = value.toList();
    if (list.size() > LayoutRules::kMaxMonitors)
        return false;
    QSet<int> cells;
    QSet<int> portNumbers;
    for (const QVariant &m : list) {
        if (!isObject(m))
            return false;
        const double row = wholeNumber(member(m, QStringLiteral("row")));
        const double col = wholeNumber(member(m, QStringLiteral("col")));
        const double port = wholeNumber(member(m, QStringLiteral("portnum")));
        const double monitor = wholeNumber(member(m, QStringLiteral("monitornum")));
        const double width = wholeNumber(member(m, QStringLiteral("width")));
        const double height = wholeNumber(member(m, QStringLiteral("height")));
        if (!inRange(row, 1, LayoutRules::kGridSize) || !inRange(col, 1, LayoutRules::kGridSize))
            return false;
        if (!inRange(port, 0, LayoutRules::kMaxPort) || !inRange(monitor, 1, LayoutRules::kMaxMonitors))
            return false;
        if (!inRange(width, 0, LayoutRules::kMaxPixels) || !inRange(height, 0, LayoutRules::kMaxPixels))
            return false;
        const int cell = int(row) * 100 + int(col);
        const int slot = int(port) * 100 + int(monitor);
        if (cells.contains(cell) || portNumbers.contains(slot))
            return false;
        cells.insert(cell);
        portNumbers.insert(slot);
    }
    return true;
}

} // namespace

LayoutRules::LayoutRules(QObject *parent)
    : QObject(parent)
{
}

QObject *LayoutRules::create(QQmlEngine *, QJSEngine *)
{
    return new LayoutRules;
}

QVariantList LayoutRules::inGridOrder(const QVariantList &monitors)
{
    std::vector<std::pair<double, int>> order;
    order.reserve(monitors.size());
    for (int i = 0; i < monitors.size(); ++i) {
        const double g = gridIndexOf(monitors.at(i));
        order.emplace_back(std::isnan(g) ? kInfinity : g, i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const std::pair<double, int> &a, const std::pair<double, int> &b) { return a.first < b.first; });
    QVariantList sorted;
    sorted.reserve(monitors.size());
    for (const auto &entry : order)
        sorted.append(monitors.at(entry.second));
    return sorted;
}

// ------------------------------------------------------ names and numbers

QString LayoutRules::portName(const QVariant &port) const
{
    const double p = number(port);
    if (p == 0)
        return QStringLiteral("--");
    double k = std::fmod(p, kDevicePorts);
    if (k == 0)
        k = kDevicePorts;
    return (p <= kDevicePorts ? QStringLiteral("P") : QStringLiteral("S")) + numberText(k);
}

QString LayoutRules::twoDigits(const QVariant &n) const
{
    const double v = number(n);
    return (v < 10 ? QStringLiteral("0") : QString()) + numberText(v);
}

QString LayoutRules::nextMonitorNumber(const QVariantList &entries, const QVariant &port) const
{
    const double p = number(port);
    int count = 0;
    QSet<int> used;
    for (const QVariant &e : entries) {
        if (portOf(e) != p)
            continue;
        ++count;
        const double n = number(member(e, QStringLiteral("monitornum")));
        if (inRange(n, 1, kMaxMonitors))
            used.insert(int(n));
    }
    // A port whose numbers have a gap (a file can hold 01 and 03): one above
    // would give a number already there, and the layout could not be opened
    // again once saved. The gap is filled instead.
    int next = count + 1;
    if (used.contains(next)) {
        next = 1;
        while (used.contains(next))
            ++next;
    }
    return twoDigits(next);
}

QVariantList LayoutRules::renumberAfterRemoval(const QVariantList &entries, const QVariant &port,
                                               const QVariant &removedNumber) const
{
    const double p = number(port);
    const double removed = number(removedNumber);
    QVariantList changes;
    for (const QVariant &e : entries) {
        const double n = number(member(e, QStringLiteral("monitornum")));
        if (portOf(e) == p && n > removed)
            changes.append(QVariantMap{{QStringLiteral("gridindex"), member(e, QStringLiteral("gridindex"))},
                                       {QStringLiteral("monitornum"), twoDigits(n - 1)}});
    }
    return changes;
}

// ------------------------------------------------------------- the checks

QVariant LayoutRules::firstIncomplete(const QVariantList &monitors) const
{
    for (const QVariant &m : inGridOrder(monitors)) {
        if (portOf(m) == 0)
            return QVariantMap{{QStringLiteral("gridindex"), gridIndexOf(m)}, {QStringLiteral("missing"), 0}};
        if (number(member(m, QStringLiteral("width"))) == 0 || number(member(m, QStringLiteral("height"))) == 0)
            return QVariantMap{{QStringLiteral("gridindex"), gridIndexOf(m)}, {QStringLiteral("missing"), 1}};
    }
    return nullValue();
}

QVariantList LayoutRules::isolatedPorts(const QVariantList &monitors) const
{
    QVariantList ports;
    if (monitors.size() <= 1)
        return ports;
    const QVariantList ordered = inGridOrder(monitors);
    auto key = [](double row, double col) { return numberText(row) + QLatin1Char(',') + numberText(col); };
    QSet<QString> occupied;
    for (const QVariant &m : ordered)
        occupied.insert(key(number(member(m, QStringLiteral("row"))), number(member(m, QStringLiteral("col")))));
    for (const QVariant &m : ordered) {
        const double row = number(member(m, QStringLiteral("row")));
        const double col = number(member(m, QStringLiteral("col")));
        bool touching = false;
        for (int dr = -1; dr <= 1 && !touching; ++dr) {
            for (int dc = -1; dc <= 1 && !touching; ++dc) {
                if (dr == 0 && dc == 0)
                    continue;
                const double r = row + dr;
                const double c = col + dc;
                if (r >= 1 && r <= kGridSize && c >= 1 && c <= kGridSize && occupied.contains(key(r, c)))
                    touching = true;
            }
        }
        if (!touching)
            ports.append(portOf(m));
    }
    return ports;
}

QVariantList LayoutRules::nonRectangularPorts(const QVariantList &monitors) const
{
    std::vector<double> failing;
    for (double port : portsInUse(monitors)) {
        double minRow = kInfinity, maxRow = -kInfinity, minCol = kInfinity, maxCol = -kInfinity;
        double count = 0;
        for (const QVariant &m : monitors) {
            if (portOf(m) != port)
                continue;
            const double row = number(member(m, QStringLiteral("row")));
            const double col = number(member(m, QStringLiteral("col")));
            minRow = minOf(minRow, row);
            maxRow = maxOf(maxRow, row);
            minCol = minOf(minCol, col);
            maxCol = maxOf(maxCol, col);
            ++count;
        }
        if (count != (maxRow - minRow + 1) * (maxCol - minCol + 1))
            failing.push_back(port);
    }
    return numberList(failing);
}

QVariantList LayoutRules::mixedResolutionPorts(const QVariantList &monitors) const
{
    std::vector<double> failing;
    const QVariantList ordered = inGridOrder(monitors);
    for (double port : portsInUse(ordered)) {
        const QVariant *first = nullptr;
        for (const QVariant &m : ordered) {
            if (portOf(m) != port)
                continue;
            if (!first)
                first = &m;
            else if (number(member(m, QStringLiteral("width"))) != number(member(*first, QStringLiteral("width")))
                     || number(member(m, QStringLiteral("height"))) != number(member(*first, QStringLiteral("height"))))
                failing.push_back(port);
        }
    }
    return numberList(failing);
}

QVariantMap LayoutRules::checkRule(const QVariantList &monitors) const
{
    const QVariantList found[] = {isolatedPorts(monitors), nonRectangularPorts(monitors),
                                  mixedResolutionPorts(monitors)};
    for (int i = 0; i < 3; ++i) {
        const QVariantList &ports = found[i];
        if (ports.isEmpty())
            continue;
        QStringList names;
        for (const QVariant &p : ports)
            names.append(QLatin1Char('P') + text(p));
        return {{QStringLiteral("ok"), false},
                {QStringLiteral("failed"), i + 1},
                {QStringLiteral("ports"), ports},
                {QStringLiteral("errorPort"), names.join(QLatin1Char(','))}};
    }
    return {{QStringLiteral("ok"), true},
            {QStringLiteral("failed"), 0},
            {QStringLiteral("ports"), QVariantList()},
            {QStringLiteral("errorPort"), QString()}};
}

// -------------------------------------------------------- layout file text

QString LayoutRules::layoutText(const QVariantMap &mouse, const QVariantList &monitors) const
{
    const QVariant m(mouse);
    QString out = QStringLiteral("[{")
                  + QStringLiteral("\"acceleration\":") + quoted(text(member(m, QStringLiteral("acceleration_flag"))))
                  + QStringLiteral(",\"speed\":") + quoted(text(member(m, QStringLiteral("mouse_speed"))))
                  + QStringLiteral(",\"position\":") + quoted(text(member(m, QStringLiteral("mouse_position"))))
                  + QStringLiteral(",\"switching_focus\":") + numberText(number(member(m, QStringLiteral("switching_focus"))))
                  + QStringLiteral(",\"duration_time\":") + numberText(number(member(m, QStringLiteral("duration_time"))))
                  + QStringLiteral(",\"keep_awake\":") + numberText(number(member(m, QStringLiteral("keep_awake"))))
                  + QStringLiteral(",\"monitorlist\":[");
    QStringList parts;
    for (const QVariant &monitor : inGridOrder(monitors)) {
        auto field = [&monitor](const char *name) {
            return quoted(numberText(number(member(monitor, QString::fromLatin1(name)))));
        };
        parts.append(QStringLiteral("{\"row\":") + field("row")
                     + QStringLiteral(",\"col\":") + field("col")
                     + QStringLiteral(",\"width\":") + field("width")
                     + QStringLiteral(",\"height\":") + field("height")
                     + QStringLiteral(",\"portnum\":") + field("portnum")
                     + QStringLiteral(",\"monitornum\":") + quoted(twoDigits(member(monitor, QStringLiteral("monitornum"))))
                     + QLatin1Char('}'));
    }
    return out + parts.join(QLatin1Char(',')) + QStringLiteral("]}]");
}

QVariant LayoutRules::parseLayout(const QString &layoutText) const
{
    QVariant layout;
    if (!parseJson(layoutText, &layout))
        return nullValue();
    if (isNull(layout) || (isString(layout) && layout.toString().isEmpty()))
        return nullValue();
    // Whatever is not a list holds no layout record: an empty layout. (Kept
    // as a list, so every reader takes it as one.)
    if (!isList(layout))
        return QVariantList();
    const QVariantList top = layout.toList();
    const QVariant first = top.isEmpty() ? QVariant() : top.first();
    if (!isObject(first))
        return layout;
    const QVariant list = member(first, QStringLiteral("monitorlist"));
    if (!list.isValid() || isNull(list))
        return layout;
    if (!isList(list))
        return nullValue();
    for (const QVariant &entry : list.toList())
        if (!isObject(entry) || !hasMember(entry, QStringLiteral("monitornum")))
            return nullValue();
    return monitorListAcceptable(list) ? layout : nullValue();
}

QVariantList LayoutRules::monitorsFromLayout(const QVariantList &layout) const
{
    const QVariant record = layoutRecord(layout);
    const QVariant list = member(record, QStringLiteral("monitorlist"));
    if (!isList(list))
        return QVariantList();
    QVariantList monitors;
    for (const QVariant &m : list.toList()) {
        const double row = number(member(m, QStringLiteral("row")));
        const double col = number(member(m, QStringLiteral("col")));
        const double width = number(member(m, QStringLiteral("width")));
        const double height = number(member(m, QStringLiteral("height")));
        monitors.append(QVariantMap{
            {QStringLiteral("gridindex"), (row - 1) * kGridSize + (col - 1)},
            {QStringLiteral("row"), row},
            {QStringLiteral("col"), col},
            {QStringLiteral("portnum"), number(member(m, QStringLiteral("portnum")))},
            {QStringLiteral("monitornum"), twoDigits(number(member(m, QStringLiteral("monitornum"))))},
            {QStringLiteral("width"), width},
            {QStringLiteral("height"), height},
            {QStringLiteral("orientation"), width >= height ? QStringLiteral("h") : QStringLiteral("v")}});
    }
    return inGridOrder(monitors);
}

QVariantMap LayoutRules::mouseFromLayout(const QVariantList &layout) const
{
    // The values of a layout that carries none (and of a blank layout).
    const int defaultAcceleration = 0, defaultSpeed = 0, defaultPosition = 4;
    const int defaultFocus = 0, defaultDuration = 1, defaultAwake = 0;

    const QVariant record = layoutRecord(layout);
    QVariantMap mouse;

    const double acceleration = numberOrNaN(member(record, QStringLiteral("acceleration")));
    mouse.insert(QStringLiteral("acceleration_flag"),
                 std::isnan(acceleration) ? defaultAcceleration : (acceleration != 0 ? 1 : 0));

    const double speed = numberOrNaN(member(record, QStringLiteral("speed")));
    mouse.insert(QStringLiteral("mouse_speed"),
                 std::isnan(speed) ? double(defaultSpeed) : std::min(10.0, std::max(0.0, roundHalfUp(speed))));

    // The switch takes the position as one byte: a value beyond it would
    // arrive as another place (261 as 5, "middle") while the dialog shows
    // "lower right". Such a value becomes lower right for good.
    const double position = wholeNumber(member(record, QStringLiteral("position")));
    mouse.insert(QStringLiteral("mouse_position"),
                 inRange(position, 0, 255) ? position : double(defaultPosition));

    const double focus = numberOrNaN(member(record, QStringLiteral("switching_focus")));
    mouse.insert(QStringLiteral("switching_focus"), std::isnan(focus) ? defaultFocus : (focus == 1 ? 1 : 0));

    const double duration = numberOrNaN(member(record, QStringLiteral("duration_time")));
    mouse.insert(QStringLiteral("duration_time"),
                 (duration == 0 || duration == 1 || duration == 2 || duration == 3) ? duration : double(defaultDuration));

    const double awake = numberOrNaN(member(record, QStringLiteral("keep_awake")));
    mouse.insert(QStringLiteral("keep_awake"),
                 std::isnan(awake) ? double(defaultAwake) : std::min(2.0, std::max(0.0, roundHalfUp(awake))));
    return mouse;
}

// ------------------------------------------------------------ resolutions

QVariant LayoutRules::resolutionEntries(const QString &jsonText, const QString &arrange) const
{
    QVariant parsed;
    if (!parseJson(jsonText, &parsed) || !isList(parsed))
        return nullValue();
    QVariantList texts;
    for (const QVariant &e : parsed.toList()) {
        if (!isObject(e))
            return nullValue();
        const double w = wholeNumber(member(e, QStringLiteral("width")));
        const double h = wholeNumber(member(e, QStringLiteral("height")));
        if (!inRange(w, 1, kMaxPixels) || !inRange(h, 1, kMaxPixels))
            return nullValue();
        texts.append(arrange == QLatin1String("v") ? numberText(h) + QStringLiteral(" * ") + numberText(w)
                                                   : numberText(w) + QStringLiteral(" * ") + numberText(h));
    }
    return texts;
}

QVariantMap LayoutRules::parseResolutionText(const QVariant &resolution) const
{
    const QVariantMap none{{QStringLiteral("width"), 0}, {QStringLiteral("height"), 0}};
    const QStringList parts = text(resolution).split(QStringLiteral(" * "));
    if (parts.size() != 2)
        return none;
    const double width = wholeNumber(parts.at(0));
    const double height = wholeNumber(parts.at(1));
    if (!inRange(width, 0, kMaxPixels) || !inRange(height, 0, kMaxPixels))
        return none;
    return {{QStringLiteral("width"), width}, {QStringLiteral("height"), height}};
}

// ----------------------------------------------------------------- upload

int LayoutRules::chainFromVersion(const QVariant &versionText) const
{
    if (!isString(versionText))
        return 0;
    const QString version = versionText.toString();
    // Five bytes of one digit each make five characters (the text grows by
    // another five each time the version is read again while open). A byte
    // of 10 or more shifts every character after it, and the fifth is then a
    // digit of another byte: such a text names no chain, so nothing is sent
    // rather than the records of the wrong number of switches.
    if (version.size() < 5 || version.size() % 5 != 0)
        return 0;
    for (int at = 5; at < version.size(); at += 5)
        if (version.midRef(at, 5) != version.leftRef(5))
            return 0;
    const QChar c = version.at(4);
    return c == QLatin1Char('1') ? 1 : (c == QLatin1Char('2') ? 2 : 0);
}

QVariantMap LayoutRules::uploadDecision(const QVariantList &monitors, const QVariant &chain) const
{
    const double c = number(chain);
    bool low = false;
    bool high = false;
    for (const QVariant &m : monitors) {
        if (portOf(m) > kDevicePorts)
            high = true;
        else
            low = true;
    }
    if (c != 1 && c != 2) {
        // Ports 1-4 are the primary switch's whatever the chain: only a
        // monitor behind them needs to know whether a second switch is there.
        if (high)
            return {{QStringLiteral("action"), QStringLiteral("fail")}, {QStringLiteral("ports"), 0}};
        return {{QStringLiteral("action"), QStringLiteral("upload")}, {QStringLiteral("ports"), int(kDevicePorts)}};
    }
    QString action = QStringLiteral("upload");
    if (c == 1 && high)
        action = low ? QStringLiteral("confirm") : QStringLiteral("high-only");
    return {{QStringLiteral("action"), action}, {QStringLiteral("ports"), int(c) * kDevicePorts}};
}

double LayoutRules::sortNumber(const QVariant &a, const QVariant &b) const
{
    return number(a) - number(b);
}

QVariantList LayoutRules::recalculatePositions(const QVariantList &monitors) const
{
    double minRow = 0;
    double minCol = 0;
    std::vector<double> mainRows;
    std::vector<double> mainCols;
    for (const QVariant &m : monitors) {
        const double row = number(member(m, QStringLiteral("row")));
        const double col = number(member(m, QStringLiteral("col")));
        if (minRow == 0) {
            minRow = row;
            minCol = col;
        } else {
            if (row < minRow)
                minRow = row;
            if (col < minCol)
                minCol = col;
        }
        if (number(member(m, QStringLiteral("monitornum"))) == 1) {
            if (std::find(mainRows.begin(), mainRows.end(), row) == mainRows.end())
                mainRows.push_back(row);
            if (std::find(mainCols.begin(), mainCols.end(), col) == mainCols.end())
                mainCols.push_back(col);
        }
    }
    sortNumbers(&mainRows);
    sortNumbers(&mainCols);
    const std::vector<double> gapRows = gaps(mainRows);
    const std::vector<double> gapCols = gaps(mainCols);

    QVariantList result;
    for (const QVariant &m : monitors) {
        const double row = number(member(m, QStringLiteral("row")));
        const double col = number(member(m, QStringLiteral("col")));
        double mainRow = 0;
        double mainCol = 0;
        if (!(number(member(m, QStringLiteral("monitornum"))) > 1)) {
            mainRow = row - minRow + 1 - countBelow(gapRows, row);
            mainCol = col - minCol + 1 - countBelow(gapCols, col);
        }
        result.append(QVariantMap{{QStringLiteral("relative_row"), row - minRow + 1},
                                  {QStringLiteral("relative_col"), col - minCol + 1},
                                  {QStringLiteral("main_relative_row"), mainRow},
                                  {QStringLiteral("main_relative_col"), mainCol}});
    }
    return result;
}

QVariantList LayoutRules::portRecordArgs(const QVariantMap &monitor, const QVariantMap &rel) const
{
    const QVariant m(monitor);
    const qint32 width = int32Of(number(member(m, QStringLiteral("width"))));
    const qint32 height = int32Of(number(member(m, QStringLiteral("height"))));
    return {portOf(m), number(member(m, QStringLiteral("monitornum"))),
            rel.value(QStringLiteral("relative_row")), rel.value(QStringLiteral("relative_col")),
            width & 255, width >> 8, height & 255, height >> 8,
            rel.value(QStringLiteral("main_relative_row")), rel.value(QStringLiteral("main_relative_col"))};
}
