#include "desk/screenarrangement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace ScreenArrangement {
namespace {

// Groups the screens along one axis: sorted by their middles, a screen whose
// middle lies before the far edge of the group's first screen joins that
// group, else it starts the next. Returns each screen's group.
QVector<int> groups(const QVector<DesktopScreen> &screens, bool across)
{
    const int n = screens.size();
    QVector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    const auto middle = [&](int i) {
        const QRectF &g = screens.at(i).geometry;
        return across ? g.center().x() : g.center().y();
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return middle(a) < middle(b); });
    QVector<int> group(n, 0);
    int current = -1;
    qreal farEdge = 0;
    for (int i : order) {
        const QRectF &g = screens.at(i).geometry;
        if (current < 0 || middle(i) >= farEdge) {
            ++current;
            farEdge = across ? g.right() : g.bottom();
        }
        group[i] = current;
    }
    return group;
}

} // namespace

QVector<ScreenCell> cells(const QVector<DesktopScreen> &screens)
{
    const QVector<int> cols = groups(screens, true);
    const QVector<int> rows = groups(screens, false);
    QVector<ScreenCell> all;
    for (int i = 0; i < screens.size(); ++i) {
        const DesktopScreen &s = screens.at(i);
        ScreenCell cell;
        cell.row = rows.at(i);
        cell.col = cols.at(i);
        cell.width = int(std::lround(s.geometry.width() * s.pixelRatio));
        cell.height = int(std::lround(s.geometry.height() * s.pixelRatio));
        cell.primary = s.primary;
        all.append(cell);
    }
    // The primary first, then row by row: a mirror of a screen already
    // placed (same cell) is left out.
    std::stable_sort(all.begin(), all.end(), [](const ScreenCell &a, const ScreenCell &b) {
        if (a.primary != b.primary)
            return a.primary;
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });
    QVector<ScreenCell> placed;
    for (const ScreenCell &cell : all) {
        const bool taken = std::any_of(placed.cbegin(), placed.cend(), [&](const ScreenCell &p) {
            return p.row == cell.row && p.col == cell.col;
        });
        if (!taken)
            placed.append(cell);
    }
    return placed;
}

QVector<DesktopScreen> desktopScreens()
{
    QVector<DesktopScreen> screens;
    const QScreen *primary = QGuiApplication::primaryScreen();
    const auto all = QGuiApplication::screens();
    for (const QScreen *screen : all)
        screens.append({QRectF(screen->geometry()), screen->devicePixelRatio(), screen == primary});
    return screens;
}

} // namespace ScreenArrangement
