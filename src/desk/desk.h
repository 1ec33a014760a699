#ifndef DESK_H
#define DESK_H

// The desk as plain values: the monitors placed on the editor's 16 x 16 grid
// and the mouse settings. Small, copyable and compared by value, so the rules
// (deskrules.h), the layout file text (deskfile.h), the upload and the
// command-line tool all work on the same thing and never on loosely typed
// maps. Values that come from a layout file or from the screens' script are
// read once, by the reader in deskfile.h; everything here is already typed.

#include <QMetaType>
#include <QString>
#include <QVector>

enum class Orientation : char { Horizontal = 'h', Vertical = 'v' };

struct Monitor
{
    int row = 0;    // 1..16
    int col = 0;    // 1..16
    int port = 0;   // 0: none chosen yet; 1..4 the primary switch (P1..P4), 5..8 the secondary (S1..S4)
    int number = 0; // within its port, 1..16; number 1 is the port's main monitor
    int width = 0;  // pixels; 0 while no resolution is chosen
    int height = 0;
    // As chosen in the editor; the file does not keep it, so a loaded
    // monitor is vertical when it is taller than wide.
    Orientation orientation = Orientation::Horizontal;

    // (row - 1) * 16 + (col - 1): the cell's index, row by row.
    int gridIndex() const;
    // The monitor number as the editor shows and the file stores it: "01".
    QString numberText() const;
    QString orientationText() const { return QString(QChar(char(orientation))); }
    bool isMain() const { return number == 1; }

    bool operator==(const Monitor &o) const
    {
        return row == o.row && col == o.col && port == o.port && number == o.number && width == o.width
               && height == o.height && orientation == o.orientation;
    }
    bool operator!=(const Monitor &o) const { return !(*this == o); }
};

// The six mouse values, as the settings dialogs keep them and the mouse
// record sends them. The defaults are those of a blank desk.
struct MouseSettings
{
    int acceleration = 0; // 0 off, 1 on
    int speed = 0;        // 0..10
    int position = 4;     // 1..5 upper left, upper right, lower left, lower right, middle
    int focus = 0;        // switching focus frame: 0 off, 1 on
    int duration = 1;     // how long the frame shows: 0 always, 1 3 s, 2 5 s, 3 10 s
    int awake = 0;        // keep awake: 0 off, 1 when working, 2 always

    bool operator==(const MouseSettings &o) const
    {
        return acceleration == o.acceleration && speed == o.speed && position == o.position && focus == o.focus
               && duration == o.duration && awake == o.awake;
    }
    bool operator!=(const MouseSettings &o) const { return !(*this == o); }
};

struct Desk
{
    static constexpr int kGridSize = 16;     // rows and columns of the grid
    static constexpr int kMaxMonitors = 16;  // monitors on a desk, and numbers on a port
    static constexpr int kDevicePorts = 4;   // ports of one switch
    static constexpr int kMaxPort = 8;       // two chained switches
    static constexpr int kMaxPixels = 65535; // width and height travel as two bytes

    // In the order they were placed or loaded (the editor's monitor list);
    // whoever needs grid order asks for it (DeskRules::inGridOrder).
    QVector<Monitor> monitors;
    MouseSettings mouse;

    bool operator==(const Desk &o) const { return monitors == o.monitors && mouse == o.mouse; }
    bool operator!=(const Desk &o) const { return !(*this == o); }
};

inline int Monitor::gridIndex() const
{
    return (row - 1) * Desk::kGridSize + (col - 1);
}

// In variants, signals and test tables.
Q_DECLARE_METATYPE(Monitor)
Q_DECLARE_METATYPE(MouseSettings)
Q_DECLARE_METATYPE(Desk)

#endif // DESK_H
