#ifndef SCREENARRANGEMENT_H
#define SCREENARRANGEMENT_H
// This computer's screens as the desktop arranges them, turned into cells of
// the editor's grid: "This computer's screens" places them on the port this
// computer is on, as they stand on the desk.

#include <QRectF>
#include <QVector>

struct DesktopScreen
{
    QRectF geometry;        // where the desktop puts it, in its own (logical) units
    qreal pixelRatio = 1;   // device pixels per logical unit
    bool primary = false;
};

struct ScreenCell
{
    int row = 0; // from 0, within the group
    int col = 0;
    int width = 0; // device pixels
    int height = 0;
    bool primary = false;
};

namespace ScreenArrangement {

// The screens' cells, the primary screen first and the others in grid order
// (row by row), so that numbering them in this order makes the primary the
// port's main monitor. Screens whose spans across overlap share a column,
// those whose spans down overlap share a row; a screen on a cell already
// taken (a mirror) is left out. Sizes are logical size x pixel ratio,
// rounded.
QVector<ScreenCell> cells(const QVector<DesktopScreen> &screens);

// The screens of this desktop (QGuiApplication::screens()).
QVector<DesktopScreen> desktopScreens();

} // namespace ScreenArrangement

#endif // SCREENARRANGEMENT_H
