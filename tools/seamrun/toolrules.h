#ifndef SEAMRUN_TOOLRULES_H
#define SEAMRUN_TOOLRULES_H

// The layout editor's rules for the tool: the desk's own types and rules
// (src/desk/), the very ones the screens call through "Layout". A file the
// editor opens reads here into the same desk, and the checks and the
// upload's plan are the editor's.

#include "desk/desk.h"
#include "desk/deskrules.h"

#include <QByteArray>
#include <QString>

class ToolRules
{
public:
    // false when the text is not a layout the editor would open. The
    // monitors come in grid order, the mouse values as the editor loads them.
    bool parse(const QByteArray &text, Desk *desk);
    // Everything the editor checks before it saves or uploads, in its order.
    CheckOutcome check(const Desk &desk);

    QString portName(int port);
    int chainFromVersion(const QString &version);
    UploadPlan uploadDecision(const Desk &desk, int chain);
};

#endif // SEAMRUN_TOOLRULES_H
