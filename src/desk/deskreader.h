#ifndef DESKREADER_H
#define DESKREADER_H

// The one place where loosely typed values become a typed desk.
//
// Layout files are often made or edited by hand, and the editor has always
// read them the way its script reads values: a text is read as a number the
// way Number("...") reads it (" 3 ", "3.0", "0x10", ".5e1"), a missing
// member is no number, and so on. The screens hand their values over as a
// script does too (numbers, or texts where a model keeps them as such). This
// reader gives every such value that one meaning, once; everything after it
// (the rules, the writer, the upload, seamrun) works on the types of desk.h.
//
// A layout file's numbers must be whole numbers (as JSON numbers or texts;
// a blank text, null or a boolean is none, although Number() would make 0 or
// 1 of it) and fit the desk: rows and columns 1..16, ports 0..8, monitor
// numbers 1..16 and once per port, sizes 0..65535, one monitor per cell and
// at most 16. A file whose monitor list breaks any of that is refused whole,
// since applying it would leave the editor (and later the switch) with a
// desk it cannot hold. Mouse values are brought into their ranges instead
// (see mouse()).

#include "desk/desk.h"

#include <QSize>
#include <QString>
#include <QVariant>
#include <QVector>

#include <optional>

namespace DeskReader {

// ------------------------------------------------- the script's conversions

// Number(value): texts as the script reads them, null 0, a missing member
// (an invalid QVariant) NaN.
double number(const QVariant &value);
// String(value), and the text of a number as the script writes it.
QString text(const QVariant &value);
QString numberText(double n);
// ToInt32(Number(value)): what a script's number becomes as an int argument.
int toInt(const QVariant &value);

// A JSON text as a value (a list, a map, or a single number, text, boolean
// or null); false when the text is no JSON.
bool parseJson(const QString &text, QVariant *value);

// ------------------------------------------------------------ layout files

// Whether a parsed layout file is one the editor opens. Content that merely
// carries nothing (no first element, no "monitorlist", not even a list) is
// accepted and gives an empty desk; a monitor list that is no list, or an
// entry that is no object, lacks "monitornum" or does not fit the desk (see
// above), is refused.
bool acceptable(const QVariant &layout);
// The desk of a parsed layout file: its mouse settings and its monitors in
// grid order. For a layout that is not acceptable, the monitors before the
// first one that does not fit (what the editor applied of such a file).
Desk desk(const QVariant &layout);
QVector<Monitor> monitors(const QVariant &layout);
// The six mouse values of a parsed layout, each brought into its range once,
// here, so the settings dialogs show what will be saved and sent:
// acceleration and focus are on/off (acceleration counts as on when not 0,
// the focus only when 1), speed 0..10 (rounded), duration one of its codes
// 0..3 (anything else is "3 seconds", 1), keep-awake 0..2 (rounded). A
// position outside 1..5 that fits in the byte the switch takes (0..255) is
// kept as it is: the position dialog shows it as "lower right" and keeps the
// stored value unless the user chooses another. A position beyond that byte
// would arrive as another place (261 as 5, "middle"); it, and a missing or
// non-numeric value, gives the blank desk's value. Every value that leaves
// here reaches the switch unchanged.
MouseSettings mouse(const QVariant &layout);

// ---------------------------------------------------- the screens' values

// A monitor as the screens hand it over: {row, col, portnum, monitornum,
// width, height}, numbers or texts; without row and col, its place comes
// from gridindex; `orientation` ("h"/"v") when given, else from its size.
// Each value is taken as the script would pass it to an int, and held
// within +-2^20 (far beyond any grid or screen) so no arithmetic on it can
// overflow.
Monitor monitor(const QVariant &value);
QVector<Monitor> monitorList(const QVariantList &values);
// The editor's six mouse values as the screens name them (acceleration_flag,
// mouse_speed, mouse_position, switching_focus, duration_time, keep_awake),
// each taken as an int; a missing one is 0.
MouseSettings mouseSettings(const QVariantMap &settings);

// -------------------------------------------------------- resolution list

// The resolutions of the list file's text (a JSON array of {width, height},
// whole sizes 1..65535, as numbers or texts); nothing when the text is not
// such a list.
std::optional<QVector<QSize>> resolutions(const QString &jsonText);
// The size a drop-down text "w * h" names; 0 x 0 for a text that names none
// ("Select Resolution").
QSize resolution(const QString &text);

} // namespace DeskReader

#endif // DESKREADER_H
