#include "toolrules.h"

bool ToolRules::parse(const QByteArray &text, Layout *layout)
{
    const QVariant parsed = m_rules.parseLayout(QString::fromUtf8(text));
    if (parsed.userType() != QMetaType::QVariantList)
        return false;
    const QVariantList record = parsed.toList();

    layout->values = m_rules.monitorsFromLayout(record);
    layout->monitors.clear();
    for (const QVariant &value : qAsConst(layout->values)) {
        const QVariantMap m = value.toMap();
        Monitor monitor;
        monitor.row = m.value(QStringLiteral("row")).toInt();
        monitor.col = m.value(QStringLiteral("col")).toInt();
        monitor.port = m.value(QStringLiteral("portnum")).toInt();
        monitor.number = m.value(QStringLiteral("monitornum")).toString();
        monitor.width = m.value(QStringLiteral("width")).toInt();
        monitor.height = m.value(QStringLiteral("height")).toInt();
        monitor.orientation = m.value(QStringLiteral("orientation")).toString();
        layout->monitors.append(monitor);
    }

    const QVariantMap mouse = m_rules.mouseFromLayout(record);
    layout->mouse.acceleration = mouse.value(QStringLiteral("acceleration_flag")).toInt();
    layout->mouse.speed = mouse.value(QStringLiteral("mouse_speed")).toInt();
    layout->mouse.position = mouse.value(QStringLiteral("mouse_position")).toInt();
    layout->mouse.focus = mouse.value(QStringLiteral("switching_focus")).toInt();
    layout->mouse.duration = mouse.value(QStringLiteral("duration_time")).toInt();
    layout->mouse.awake = mouse.value(QStringLiteral("keep_awake")).toInt();
    return true;
}

CheckOutcome ToolRules::check(const Layout &layout)
{
    CheckOutcome outcome;
    if (layout.monitors.isEmpty()) {
        outcome.kind = CheckOutcome::NoMonitor;
        return outcome;
    }
    const QVariant incomplete = m_rules.firstIncomplete(layout.values);
    if (incomplete.userType() == QMetaType::QVariantMap) {
        const QVariantMap found = incomplete.toMap();
        const int index = found.value(QStringLiteral("gridindex")).toInt();
        outcome.kind = found.value(QStringLiteral("missing")).toInt() == 0 ? CheckOutcome::MissingPort
                                                                          : CheckOutcome::MissingResolution;
        outcome.row = index / LayoutRules::kGridSize + 1;
        outcome.col = index % LayoutRules::kGridSize + 1;
        return outcome;
    }
    const QVariantMap rule = m_rules.checkRule(layout.values);
    if (rule.value(QStringLiteral("ok")).toBool())
        return outcome;
    switch (rule.value(QStringLiteral("failed")).toInt()) {
    case 1:
        outcome.kind = CheckOutcome::Isolated;
        break;
    case 2:
        outcome.kind = CheckOutcome::NotRectangular;
        break;
    default:
        outcome.kind = CheckOutcome::MixedResolution;
        break;
    }
    for (const QVariant &port : rule.value(QStringLiteral("ports")).toList())
        outcome.ports.append(port.toInt());
    outcome.errorPort = rule.value(QStringLiteral("errorPort")).toString();
    return outcome;
}

QString ToolRules::portName(int port)
{
    return m_rules.portName(port);
}

int ToolRules::chainFromVersion(const QString &version)
{
    return m_rules.chainFromVersion(version);
}

UploadPlan ToolRules::uploadDecision(const Layout &layout, int chain)
{
    const QVariantMap decision = m_rules.uploadDecision(layout.values, chain);
    UploadPlan plan;
    plan.action = decision.value(QStringLiteral("action")).toString();
    plan.ports = decision.value(QStringLiteral("ports")).toInt();
    return plan;
}
