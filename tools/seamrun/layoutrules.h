#ifndef SEAMRUN_LAYOUTRULES_H
#define SEAMRUN_LAYOUTRULES_H

// The layout editor's rules library (layout.js, the file the screens import),
// evaluated in a script engine of its own. Everything the tool decides about a
// layout - whether a file is one, its monitors and mouse settings, the checks,
// the upload's choices and coordinates - is a call into that file; this class
// only carries values across.

#include <QJSEngine>
#include <QJSValue>
#include <QList>
#include <QString>
#include <QVector>

struct Monitor {
    int row = 0;
    int col = 0;
    int port = 0;
    QString number;      // two digits, "01" is the port's main monitor
    int width = 0;
    int height = 0;
    QString orientation; // "h" or "v"
};

struct MouseSettings {
    int acceleration = 0;
    int speed = 0;
    int position = 0;
    int focus = 0;
    int duration = 0;
    int awake = 0;
};

// A layout as the editor would load it: monitors in grid order.
struct Layout {
    QList<Monitor> monitors;
    MouseSettings mouse;
    QJSValue script; // the same monitors as the rules library's values
};

// The first check a layout fails, in the order the editor runs them.
struct CheckOutcome {
    enum Kind { Passed, NoMonitor, MissingPort, MissingResolution, Isolated, NotRectangular, MixedResolution };
    Kind kind = Passed;
    int row = 0;          // MissingPort, MissingResolution: the monitor's cell
    int col = 0;
    QList<int> ports;     // Isolated .. MixedResolution: the offending ports
    QString errorPort;    // the same as the error pages show them ("P1,P1")
};

struct UploadPlan {
    QString action;       // "upload", "confirm", "high-only" or "fail"
    int ports = 0;        // monitors on ports up to this one are sent
};

// Exit status of the program when the rules themselves fail, which only a
// broken build can cause.
const int kInternalErrorExit = 70;

class LayoutRules
{
public:
    // Evaluates the embedded library; false (and why) when it cannot.
    bool load(QString *error);

    // false when the text is not a layout the editor would open.
    bool parse(const QByteArray &text, Layout *layout);
    CheckOutcome check(const Layout &layout);

    QString portName(int port);
    int chainFromVersion(const QString &version);
    UploadPlan uploadDecision(const Layout &layout, int chain);
    // The ten port record arguments of every monitor, in grid order, with
    // the coordinates worked out over the whole layout (as the window does).
    QList<QVector<int>> portRecords(const Layout &layout);

private:
    QJSValue call(const char *function, const QJSValueList &args);

    QJSEngine m_engine;
    QString m_error;
};

#endif // SEAMRUN_LAYOUTRULES_H
