#include "desk/deskrules.h"

#include <QStringList>

#include <algorithm>

namespace {

// The distinct ports of the monitors, ascending.
QVector<int> portsInUse(const QVector<Monitor> &monitors)
{
    QVector<int> ports;
    for (const Monitor &m : monitors)
        if (!ports.contains(m.port))
            ports.append(m.port);
    std::sort(ports.begin(), ports.end());
    return ports;
}

bool onGrid(int row, int col)
{
    return row >= 1 && row <= Desk::kGridSize && col >= 1 && col <= Desk::kGridSize;
}

// How many whole numbers between the first and the last of `mains`
// (ascending, distinct) that `mains` leaves out lie below `limit`: the rows
// or columns between main monitors that hold none, before `limit`. Counted
// rather than listed, so no span is ever walked.
int gapsBelow(const QVector<int> &mains, int limit)
{
    if (mains.isEmpty())
        return 0;
    const qint64 last = std::min<qint64>(qint64(limit) - 1, mains.last());
    if (last < mains.first())
        return 0;
    const auto taken = std::upper_bound(mains.begin(), mains.end(), last) - mains.begin();
    return int(last - mains.first() + 1 - taken);
}

CheckOutcome failure(CheckOutcome::Kind kind, const QVector<int> &ports)
{
    CheckOutcome outcome;
    outcome.kind = kind;
    outcome.ports = ports;
    QStringList names;
    names.reserve(ports.size());
    // The error pages name every port as "P" and its number, S1-S4 included.
    for (int p : ports)
        names.append(QLatin1Char('P') + QString::number(p));
    outcome.errorPort = names.join(QLatin1Char(','));
    return outcome;
}

} // namespace

QString Monitor::numberText() const
{
    return DeskRules::twoDigits(number);
}

QString UploadPlan::actionName(Action action)
{
    switch (action) {
    case Upload: return QStringLiteral("upload");
    case Confirm: return QStringLiteral("confirm");
    case HighOnly: return QStringLiteral("high-only");
    case Fail: return QStringLiteral("fail");
    }
    return QString();
}

namespace DeskRules {

// ------------------------------------------------------- names and numbers

QString portName(int port)
{
    if (port == 0)
        return QStringLiteral("--");
    int k = port % Desk::kDevicePorts;
    if (k == 0)
        k = Desk::kDevicePorts;
    return (port <= Desk::kDevicePorts ? QLatin1Char('P') : QLatin1Char('S')) + QString::number(k);
}

QString twoDigits(int n)
{
    return n < 10 ? QLatin1Char('0') + QString::number(n) : QString::number(n);
}

Orientation orientationOf(int width, int height)
{
    return width >= height ? Orientation::Horizontal : Orientation::Vertical;
}

QVector<Monitor> inGridOrder(const QVector<Monitor> &monitors)
{
    QVector<Monitor> sorted = monitors;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Monitor &a, const Monitor &b) { return a.gridIndex() < b.gridIndex(); });
    return sorted;
}

int nextMonitorNumber(const QVector<Monitor> &monitors, int port)
{
    int count = 0;
    bool used[Desk::kMaxMonitors + 2] = {};
    for (const Monitor &m : monitors) {
        if (m.port != port)
            continue;
        ++count;
        if (m.number >= 1 && m.number <= Desk::kMaxMonitors)
            used[m.number] = true;
    }
    // A port whose numbers have a gap (a file can hold 01 and 03): one above
    // would give a number already there, and the layout could not be opened
    // again once saved. The gap is filled instead.
    int next = count + 1;
    if (next <= Desk::kMaxMonitors && used[next]) {
        next = 1;
        while (used[next])
            ++next;
    }
    return next;
}

QVector<Renumbering> renumberAfterRemoval(const QVector<Monitor> &monitors, int port, int number)
{
    QVector<Renumbering> changes;
    for (int i = 0; i < monitors.size(); ++i) {
        const Monitor &m = monitors.at(i);
        if (m.port == port && m.number > number)
            changes.append({i, m.number - 1});
    }
    return changes;
}

// -------------------------------------------------------------- the checks

CheckOutcome firstIncomplete(const QVector<Monitor> &monitors)
{
    CheckOutcome outcome;
    const Monitor *first = nullptr;
    for (const Monitor &m : monitors) {
        if ((m.port == 0 || m.width == 0 || m.height == 0)
            && (!first || m.gridIndex() < first->gridIndex()))
            first = &m;
    }
    if (first) {
        outcome.kind = first->port == 0 ? CheckOutcome::MissingPort : CheckOutcome::MissingResolution;
        outcome.row = first->row;
        outcome.col = first->col;
    }
    return outcome;
}

namespace {

// The monitors that touch no other (sides and corners count), in grid
// order. A single monitor is never isolated.
QVector<Monitor> isolatedMonitors(const QVector<Monitor> &monitors)
{
    QVector<Monitor> isolated;
    if (monitors.size() <= 1)
        return isolated;
    bool occupied[Desk::kGridSize + 2][Desk::kGridSize + 2] = {};
    for (const Monitor &m : monitors)
        if (onGrid(m.row, m.col))
            occupied[m.row][m.col] = true;
    for (const Monitor &m : inGridOrder(monitors)) {
        bool touching = false;
        for (int r = m.row - 1; r <= m.row + 1 && !touching; ++r)
            for (int c = m.col - 1; c <= m.col + 1 && !touching; ++c)
                touching = (r != m.row || c != m.col) && onGrid(r, c) && occupied[r][c];
        if (!touching)
            isolated.append(m);
    }
    return isolated;
}

} // namespace

QVector<int> isolatedPorts(const QVector<Monitor> &monitors)
{
    QVector<int> ports;
    for (const Monitor &m : isolatedMonitors(monitors))
        ports.append(m.port);
    return ports;
}

QVector<int> nonRectangularPorts(const QVector<Monitor> &monitors)
{
    QVector<int> failing;
    for (int port : portsInUse(monitors)) {
        int minRow = 0, maxRow = 0, minCol = 0, maxCol = 0;
        int count = 0;
        for (const Monitor &m : monitors) {
            if (m.port != port)
                continue;
            if (count++ == 0) {
                minRow = maxRow = m.row;
                minCol = maxCol = m.col;
            } else {
                minRow = std::min(minRow, m.row);
                maxRow = std::max(maxRow, m.row);
                minCol = std::min(minCol, m.col);
                maxCol = std::max(maxCol, m.col);
            }
        }
        // Distinct cells inside the bounding box fill it exactly when their
        // count equals its area.
        if (count != (maxRow - minRow + 1) * (maxCol - minCol + 1))
            failing.append(port);
    }
    return failing;
}

QVector<int> mixedResolutionPorts(const QVector<Monitor> &monitors)
{
    QVector<int> failing;
    const QVector<Monitor> ordered = inGridOrder(monitors);
    for (int port : portsInUse(ordered)) {
        const Monitor *first = nullptr;
        for (const Monitor &m : ordered) {
            if (m.port != port)
                continue;
            if (!first)
                first = &m;
            else if (m.width != first->width || m.height != first->height) {
                // Each failing port is named once.
                failing.append(port);
                break;
            }
        }
    }
    return failing;
}

CheckOutcome checkRules(const QVector<Monitor> &monitors)
{
    QVector<int> ports = isolatedPorts(monitors);
    if (!ports.isEmpty())
        return failure(CheckOutcome::Isolated, ports);
    ports = nonRectangularPorts(monitors);
    if (!ports.isEmpty())
        return failure(CheckOutcome::NotRectangular, ports);
    ports = mixedResolutionPorts(monitors);
    if (!ports.isEmpty())
        return failure(CheckOutcome::MixedResolution, ports);
    return CheckOutcome();
}

CheckOutcome check(const QVector<Monitor> &monitors)
{
    if (monitors.isEmpty()) {
        CheckOutcome outcome;
        outcome.kind = CheckOutcome::NoMonitor;
        return outcome;
    }
    const CheckOutcome incomplete = firstIncomplete(monitors);
    if (!incomplete.passed())
        return incomplete;
    return checkRules(monitors);
}

QVector<Monitor> monitorsAtFault(const QVector<Monitor> &monitors, CheckOutcome::Kind kind)
{
    const QVector<Monitor> ordered = inGridOrder(monitors);
    QVector<Monitor> found;
    switch (kind) {
    case CheckOutcome::MissingPort:
        for (const Monitor &m : ordered)
            if (m.port == 0)
                found.append(m);
        break;
    case CheckOutcome::MissingResolution:
        for (const Monitor &m : ordered)
            if (m.port != 0 && (m.width == 0 || m.height == 0))
                found.append(m);
        break;
    case CheckOutcome::Isolated:
        found = isolatedMonitors(ordered);
        break;
    case CheckOutcome::NotRectangular: {
        const QVector<int> ports = nonRectangularPorts(ordered);
        for (const Monitor &m : ordered)
            if (ports.contains(m.port))
                found.append(m);
        break;
    }
    case CheckOutcome::MixedResolution:
        for (int port : mixedResolutionPorts(ordered)) {
            QVector<Monitor> onPort;
            for (const Monitor &m : ordered)
                if (m.port == port)
                    onPort.append(m);
            const auto sameSize = [](const Monitor &a, const Monitor &b) {
                return a.width == b.width && a.height == b.height;
            };
            const auto howMany = [&](const Monitor &like) {
                return std::count_if(onPort.cbegin(), onPort.cend(), [&](const Monitor &o) { return sameSize(o, like); });
            };
            // The size most monitors of the port have; on a tie, the main
            // monitor's (or the first's, in grid order).
            const Monitor *reference = &onPort.first();
            for (const Monitor &m : onPort)
                if (m.isMain())
                    reference = &m;
            for (const Monitor &m : onPort)
                if (howMany(m) > howMany(*reference))
                    reference = &m;
            for (const Monitor &m : onPort)
                if (!sameSize(m, *reference))
                    found.append(m);
        }
        break;
    default:
        break;
    }
    std::sort(found.begin(), found.end(),
              [](const Monitor &a, const Monitor &b) { return a.gridIndex() < b.gridIndex(); });
    return found;
}

// ------------------------------------------------------------------ upload

int chainFromVersion(const QString &version)
{
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

UploadPlan uploadPlan(const QVector<Monitor> &monitors, int chain)
{
    bool low = false;
    bool high = false;
    for (const Monitor &m : monitors) {
        if (m.port > Desk::kDevicePorts)
            high = true;
        else
            low = true;
    }
    UploadPlan plan;
    if (chain != 1 && chain != 2) {
        // Ports 1-4 are the primary switch's whatever the chain: only a
        // monitor behind them needs to know whether a second switch is there.
        plan.action = high ? UploadPlan::Fail : UploadPlan::Upload;
        plan.ports = high ? 0 : Desk::kDevicePorts;
        return plan;
    }
    if (chain == 1 && high)
        plan.action = low ? UploadPlan::Confirm : UploadPlan::HighOnly;
    plan.ports = chain * Desk::kDevicePorts;
    return plan;
}

QVector<MonitorPosition> positions(const QVector<Monitor> &monitors)
{
    // Rows and columns count from 1, so 0 means "not set yet".
    int minRow = 0;
    int minCol = 0;
    QVector<int> mainRows;
    QVector<int> mainCols;
    for (const Monitor &m : monitors) {
        if (minRow == 0) {
            minRow = m.row;
            minCol = m.col;
        } else {
            minRow = std::min(minRow, m.row);
            minCol = std::min(minCol, m.col);
        }
        if (m.isMain()) {
            if (!mainRows.contains(m.row))
                mainRows.append(m.row);
            if (!mainCols.contains(m.col))
                mainCols.append(m.col);
        }
    }
    std::sort(mainRows.begin(), mainRows.end());
    std::sort(mainCols.begin(), mainCols.end());

    QVector<MonitorPosition> result;
    result.reserve(monitors.size());
    for (const Monitor &m : monitors) {
        MonitorPosition p;
        p.row = m.row - minRow + 1;
        p.col = m.col - minCol + 1;
        // Only the main monitors have main coordinates (a number of 0, never
        // saved, counts as main here as it always has).
        if (m.number <= 1) {
            p.mainRow = p.row - gapsBelow(mainRows, m.row);
            p.mainCol = p.col - gapsBelow(mainCols, m.col);
        }
        result.append(p);
    }
    return result;
}

PortRecordArgs portRecordArgs(const Monitor &m, const MonitorPosition &p)
{
    return {m.port, m.number, p.row, p.col, m.width & 255, m.width >> 8, m.height & 255, m.height >> 8,
            p.mainRow, p.mainCol};
}

} // namespace DeskRules
