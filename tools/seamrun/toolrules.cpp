#include "toolrules.h"

#include "desk/deskfile.h"

bool ToolRules::parse(const QByteArray &text, Desk *desk)
{
    const std::optional<Desk> read = DeskFile::read(QString::fromUtf8(text));
    if (!read)
        return false;
    *desk = *read;
    return true;
}

CheckOutcome ToolRules::check(const Desk &desk)
{
    return DeskRules::check(desk.monitors);
}

QString ToolRules::portName(int port)
{
    return DeskRules::portName(port);
}

int ToolRules::chainFromVersion(const QString &version)
{
    return DeskRules::chainFromVersion(version);
}

UploadPlan ToolRules::uploadDecision(const Desk &desk, int chain)
{
    return DeskRules::uploadPlan(desk.monitors, chain);
}
