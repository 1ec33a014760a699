#ifndef DESKRULES_H
#define DESKRULES_H

// The layout editor's rules as pure functions over the typed desk: port
// names and monitor numbering, the checks before a save or an upload, the
// coordinates an upload sends and what an upload may send on a chain of
// switches. The screens (through the "Layout" singleton), the upload and
// seamrun all call these, so each rule exists once. Inputs are never
// changed; every result is a new value.

#include "desk/desk.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <array>

// The first thing that keeps a desk from being saved or uploaded, in the
// order the editor looks: no monitor at all, a monitor without its port or
// resolution (the first in grid order), then the three rules.
class CheckOutcome
{
    Q_GADGET
public:
    enum Kind {
        Passed,
        NoMonitor,
        MissingPort,       // the editor asks "Please select a number."
        MissingResolution, // the editor asks "Please select a resolution."
        Isolated,          // a monitor touches no other (edit_page_error2)
        NotRectangular,    // a port's monitors do not fill a rectangle (edit_page_error1)
        MixedResolution,   // a port's monitors differ in size (edit_page_error3)
    };
    Q_ENUM(Kind)

    Kind kind = Passed;
    int row = 0;          // MissingPort, MissingResolution: the monitor's cell
    int col = 0;
    QVector<int> ports;   // Isolated .. MixedResolution: the offending ports, as found
    QString errorPort;    // the same as the error pages show them: "P1,P1"

    bool passed() const { return kind == Passed; }
    int gridIndex() const { return (row - 1) * Desk::kGridSize + (col - 1); }

    bool operator==(const CheckOutcome &o) const
    {
        return kind == o.kind && row == o.row && col == o.col && ports == o.ports && errorPort == o.errorPort;
    }
    bool operator!=(const CheckOutcome &o) const { return !(*this == o); }
};

// What an upload does on a chain of switches.
class UploadPlan
{
    Q_GADGET
public:
    enum Action {
        Upload,   // send the monitors on ports up to `ports`
        Confirm,  // one switch, monitors on both switches' ports: ask, then send ports 1-4 only
        HighOnly, // one switch, monitors on the secondary switch's ports only: refuse
        Fail,     // the chain is unknown and the desk uses ports above 4: send nothing
    };
    Q_ENUM(Action)

    Action action = Upload;
    int ports = 0; // monitors on ports up to this one are sent (0 with Fail)

    // "upload", "confirm", "high-only", "fail": the words the screens read.
    static QString actionName(Action action);

    bool operator==(const UploadPlan &o) const { return action == o.action && ports == o.ports; }
    bool operator!=(const UploadPlan &o) const { return !(*this == o); }
};

// Where an upload places a monitor: `row`, `col` in the smallest grid that
// holds the desk, from (1, 1) at the top left; `mainRow`, `mainCol` place the
// ports' main monitors in that grid with the rows and columns between main
// monitors that hold none squeezed out (0 and 0 for every other monitor).
struct MonitorPosition
{
    int row = 0;
    int col = 0;
    int mainRow = 0;
    int mainCol = 0;

    bool operator==(const MonitorPosition &o) const
    {
        return row == o.row && col == o.col && mainRow == o.mainRow && mainCol == o.mainCol;
    }
};

// A monitor whose number changes: `index` into the monitors given.
struct Renumbering
{
    int index = 0;
    int number = 0;

    bool operator==(const Renumbering &o) const { return index == o.index && number == o.number; }
};

// The ten values of a port record, in the order the record carries them:
// port, monitor number, x, y, width low/high byte, height low/high byte,
// main x, main y.
using PortRecordArgs = std::array<int, 10>;

namespace DeskRules {

// ------------------------------------------------------- names and numbers

// "--" for no port, "P1".."P4" on the primary switch, "S1".."S4" on the
// secondary one.
QString portName(int port);
// "01" .. "16": a "0" before numbers below 10.
QString twoDigits(int n);
// "h" when at least as wide as high, else "v": how a loaded monitor stands.
Orientation orientationOf(int width, int height);

// The monitors in grid order (stable: equal places keep their order).
QVector<Monitor> inGridOrder(const QVector<Monitor> &monitors);

// The number a new monitor on `port` gets: one above the monitors already
// there (numbers within a port are kept contiguous from 1), or, when a
// loaded file left a gap and that number is taken, the lowest free one.
int nextMonitorNumber(const QVector<Monitor> &monitors, int port);
// After monitor `number` leaves `port` (deleted or moved to another port),
// every monitor above it on that port moves one number down. Only the
// changes, in the order of `monitors`.
QVector<Renumbering> renumberAfterRemoval(const QVector<Monitor> &monitors, int port, int number);

// -------------------------------------------------------------- the checks

// The first monitor in grid order that cannot be saved yet: MissingPort when
// it has no port, MissingResolution when its width or height is 0; Passed
// when there is none.
CheckOutcome firstIncomplete(const QVector<Monitor> &monitors);
// The ports of the monitors that touch no other monitor (sides and corners
// count), one entry per isolated monitor, in grid order. A single monitor is
// never isolated.
QVector<int> isolatedPorts(const QVector<Monitor> &monitors);
// Ports (ascending) whose monitors leave a hole in their bounding
// rectangle: an L shape, or two separate blocks.
QVector<int> nonRectangularPorts(const QVector<Monitor> &monitors);
// For each port (ascending), the port once for every monitor whose size
// differs from the port's first monitor in grid order.
QVector<int> mixedResolutionPorts(const QVector<Monitor> &monitors);
// The three rules in order, stopping at the first that fails: Isolated,
// NotRectangular, MixedResolution (or Passed).
CheckOutcome checkRules(const QVector<Monitor> &monitors);
// Everything the editor checks before a save or an upload, in its order:
// NoMonitor, then firstIncomplete, then checkRules.
CheckOutcome check(const QVector<Monitor> &monitors);
// The monitors a failed check points at, in grid order: those without a
// port (MissingPort) or without a resolution (MissingResolution), those
// that touch no other (Isolated), every monitor of a port that leaves a hole
// in its rectangle (NotRectangular), and on a port of mixed sizes those
// whose size differs from the port's most common one (MixedResolution; on a
// tie, from its main monitor's). None for the other kinds.
QVector<Monitor> monitorsAtFault(const QVector<Monitor> &monitors, CheckOutcome::Kind kind);

// ------------------------------------------------------------------ upload

// The number of chained switches from the firmware version text (the
// decimal values of the reply's version bytes run together, "10612"): its
// fifth character. 0 for any text that names neither 1 nor 2 switches, or
// whose bytes did not each give one digit; the upload must then stop before
// anything is sent or removed.
int chainFromVersion(const QString &version);
// What an upload does with these monitors on a chain of `chain` switches
// (0: unknown). An unknown chain matters only to monitors above port 4:
// guessing would send the wrong switch's records or drop monitors from the
// desk, so such a desk fails; a desk on ports 1-4 goes to those ports.
UploadPlan uploadPlan(const QVector<Monitor> &monitors, int chain);
// Where each monitor goes, in the order given (see MonitorPosition).
QVector<MonitorPosition> positions(const QVector<Monitor> &monitors);
// The port record of a monitor at `position`.
PortRecordArgs portRecordArgs(const Monitor &monitor, const MonitorPosition &position);

} // namespace DeskRules

#endif // DESKRULES_H
