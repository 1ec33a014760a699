#ifndef SEAMRUN_TOOLRULES_H
#define SEAMRUN_TOOLRULES_H

// The layout editor's rules (LayoutRules, the object the screens call) for the
// tool. Everything the tool decides about a layout - whether a file is one,
// its monitors and mouse settings, the checks, the upload's choices and
// coordinates - is a call into that class; this one only carries values
// across into the tool's own types.

#include "desk/deskupload.h"
#include "layoutrules.h"

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

// The six mouse values as the editor brings them into range when it loads a
// file: shown by show and sent by apply exactly as they are.
using MouseSettings = DeskUpload::Mouse;

// A layout as the editor would load it: monitors in grid order.
struct Layout {
    QList<Monitor> monitors;
    MouseSettings mouse;
    QVariantList values; // the same monitors as the rules' values
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

class ToolRules
{
public:
    // false when the text is not a layout the editor would open.
    bool parse(const QByteArray &text, Layout *layout);
    CheckOutcome check(const Layout &layout);

    QString portName(int port);
    int chainFromVersion(const QString &version);
    UploadPlan uploadDecision(const Layout &layout, int chain);

private:
    LayoutRules m_rules;
};

#endif // SEAMRUN_TOOLRULES_H
