// Checks that every text a window shows is whole and in its place: not
// elided, not wider or taller than its box, not cut by a clipping item, not
// outside its panel or the window, and not on top of another visible text or
// control. Texts under a dialog's shading or under a pop-up are not part of
// the screen being looked at and are left out.
#pragma once

#include <QString>
#include <QStringList>

class QQuickWindow;

namespace fitcheck {

// One line per fault: "screen | item | "text" | what, by how many pixels".
QStringList check(QQuickWindow *window, const QString &screen);

// The same for every visible Qt Quick window of the program (the main window
// and any pop-up list, which is a window of its own).
QStringList checkAll(const QString &screen);

} // namespace fitcheck
