#ifndef LAYOUTRULES_H
#define LAYOUTRULES_H

// The layout editor's rules for the screens: the singleton "Layout" of the
// module Seamrun.Layout. The rules themselves are the typed functions of
// src/desk/ (deskrules.h, the file text in deskfile.h); this object is their
// face towards the script. Each call reads its loosely typed arguments once,
// through the desk reader (deskreader.h: texts as numbers, as the script
// reads them), calls the typed rule and hands the result back in the shape
// the screens have always read. Inputs are never changed; every result is a
// new value.
//
// A monitor is a map {gridindex, row, col, portnum, monitornum, width,
// height} whose members may be numbers or texts ("3"); monitornum is the
// two-digit text "01".."16" ("01" is the port's main monitor); gridindex =
// (row - 1) * 16 + (col - 1), read when row and col are missing.

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

class QQmlEngine;
class QJSEngine;

class LayoutRules : public QObject
{
    Q_OBJECT
public:
    explicit LayoutRules(QObject *parent = nullptr);

    // The singleton's factory for qmlRegisterSingletonType.
    static QObject *create(QQmlEngine *, QJSEngine *);

    // ----------------------------------------------------- names and numbers

    // "--" for no port, "P1".."P4" on the primary switch, "S1".."S4" on the
    // secondary one.
    Q_INVOKABLE QString portName(const QVariant &port) const;
    // "01".."16"; a value that is no whole number is written as the script
    // writes it, after the same "0" below 10.
    Q_INVOKABLE QString twoDigits(const QVariant &n) const;
    // The number a new monitor on `port` gets: one above the monitors already
    // there (numbers within a port are kept contiguous from "01"), or, when a
    // loaded file left a gap and that number is taken, the lowest free one.
    Q_INVOKABLE QString nextMonitorNumber(const QVariantList &entries, const QVariant &port) const;
    // After monitor `number` leaves `port` (deleted or moved to another
    // port), every monitor above it on that port moves one number down.
    // Returns the changes only: [{gridindex, monitornum}].
    Q_INVOKABLE QVariantList renumberAfterRemoval(const QVariantList &entries, const QVariant &port,
                                                  const QVariant &number) const;

    // ------------------------------------------------------------ the checks

    // The first monitor in grid order that cannot be saved yet: missing 0
    // when it has no port, missing 1 when it has no resolution (a width or a
    // height of 0). null when none.
    Q_INVOKABLE QVariant firstIncomplete(const QVariantList &monitors) const;
    // Ports of the monitors that touch no other monitor (sides and corners
    // count), one entry per isolated monitor, in grid order. A single
    // monitor is never isolated.
    Q_INVOKABLE QVariantList isolatedPorts(const QVariantList &monitors) const;
    // Ports (ascending) whose monitors leave a hole in their bounding
    // rectangle: an L shape, or two separate blocks.
    Q_INVOKABLE QVariantList nonRectangularPorts(const QVariantList &monitors) const;
    // For each port (ascending), the port once for every monitor whose size
    // differs from the port's first monitor in grid order.
    Q_INVOKABLE QVariantList mixedResolutionPorts(const QVariantList &monitors) const;
    // The three rules in order, stopping at the first that fails: failed 1 =
    // a monitor touches no other, 2 = a port's monitors are no full
    // rectangle, 3 = a port mixes resolutions. errorPort is the text the
    // error pages show ("P1,P3"). {ok, failed, ports, errorPort}.
    Q_INVOKABLE QVariantMap checkRule(const QVariantList &monitors) const;

    // ------------------------------------------------------ layout file text

    // The layout file text: compact JSON, members in a fixed order, the
    // mouse's first three values and every monitor member as JSON strings.
    Q_INVOKABLE QString layoutText(const QVariantMap &mouse, const QVariantList &monitors) const;
    // The parsed layout of a layout file text, or null when the file is not
    // acceptable (DeskReader::acceptable: text that is no JSON, a monitor
    // list entry without "monitornum", or a monitor list the editor cannot
    // hold). Content that merely carries nothing is accepted and gives an
    // empty layout. The layout is a list.
    Q_INVOKABLE QVariant parseLayout(const QString &text) const;
    // The monitors of a parsed layout in grid order, numbers as numbers, the
    // monitor number as two digits and the orientation ("h" when width >=
    // height, else "v") as `orientation`. [] when the layout holds none.
    Q_INVOKABLE QVariantList monitorsFromLayout(const QVariantList &layout) const;
    // The six mouse values of a parsed layout, each brought into its range
    // once, as DeskReader::mouse does: {acceleration_flag, mouse_speed,
    // mouse_position, switching_focus, duration_time, keep_awake}.
    Q_INVOKABLE QVariantMap mouseFromLayout(const QVariantList &layout) const;

    // ----------------------------------------------------------- resolutions

    // The drop-down texts of the resolution list text: "w * h" for a
    // horizontal monitor, "h * w" for a vertical one. null when the text is
    // not a JSON array of {width, height} with whole sizes above 0.
    Q_INVOKABLE QVariant resolutionEntries(const QString &jsonText, const QString &arrange) const;
    // {width, height} of a drop-down text; 0 and 0 for a text that names no
    // resolution ("Select Resolution").
    Q_INVOKABLE QVariantMap parseResolutionText(const QVariant &text) const;

    // ---------------------------------------------------------------- upload

    // The number of chained switches from the firmware version text (the
    // decimal values of the reply's version bytes run together, "10612"):
    // its fifth character. 0 for any text that names neither 1 nor 2
    // switches, or whose bytes did not each give one digit; the upload must
    // then stop before anything is sent or removed.
    Q_INVOKABLE int chainFromVersion(const QVariant &versionText) const;
    // What an upload does with these monitors on a chain of `chain`
    // switches (DeskRules::uploadPlan): {action, ports}, the action as the
    // words "upload" (all monitors on ports up to `ports`), "confirm" (one
    // switch, monitors on both switches' ports: ask, then upload ports 1-4
    // only), "high-only" (one switch, only secondary ports: refuse) or
    // "fail" (an unknown chain and monitors above port 4).
    Q_INVOKABLE QVariantMap uploadDecision(const QVariantList &monitors, const QVariant &chain) const;
    // Ascending order of numbers, for sort().
    Q_INVOKABLE double sortNumber(const QVariant &a, const QVariant &b) const;
    // The coordinates an upload sends, per monitor (same order as given):
    // relative_row/col place every monitor in the smallest grid holding the
    // layout, from (1, 1) at the top left; main_relative_row/col place the
    // ports' main monitors (number 1) in that grid with the rows and columns
    // between main monitors that hold none squeezed out; other monitors get
    // 0 and 0 there.
    Q_INVOKABLE QVariantList recalculatePositions(const QVariantList &monitors) const;
    // The ten arguments of the device object's port record call, in order.
    Q_INVOKABLE QVariantList portRecordArgs(const QVariantMap &monitor, const QVariantMap &rel) const;
};

#endif // LAYOUTRULES_H
