#include "layoutrules.h"

#include "desk/deskfile.h"
#include "desk/deskreader.h"
#include "desk/deskrules.h"

#include <cmath>

namespace {

QVariant nullValue()
{
    return QVariant::fromValue(nullptr);
}

QVariantList intList(const QVector<int> &values)
{
    QVariantList list;
    list.reserve(values.size());
    for (int v : values)
        list.append(v);
    return list;
}

QVector<Monitor> monitorsOf(const QVariantList &values)
{
    return DeskReader::monitorList(values);
}

QVariantMap monitorMap(const Monitor &m)
{
    return {{QStringLiteral("gridindex"), m.gridIndex()},
            {QStringLiteral("row"), m.row},
            {QStringLiteral("col"), m.col},
            {QStringLiteral("portnum"), m.port},
            {QStringLiteral("monitornum"), m.numberText()},
            {QStringLiteral("width"), m.width},
            {QStringLiteral("height"), m.height},
            {QStringLiteral("orientation"), m.orientationText()}};
}

QVariantMap mouseMap(const MouseSettings &mouse)
{
    return {{QStringLiteral("acceleration_flag"), mouse.acceleration},
            {QStringLiteral("mouse_speed"), mouse.speed},
            {QStringLiteral("mouse_position"), mouse.position},
            {QStringLiteral("switching_focus"), mouse.focus},
            {QStringLiteral("duration_time"), mouse.duration},
            {QStringLiteral("keep_awake"), mouse.awake}};
}

} // namespace

LayoutRules::LayoutRules(QObject *parent)
    : QObject(parent)
{
}

QObject *LayoutRules::create(QQmlEngine *, QJSEngine *)
{
    return new LayoutRules;
}

// ------------------------------------------------------ names and numbers

QString LayoutRules::portName(const QVariant &port) const
{
    return DeskRules::portName(DeskReader::toInt(port));
}

QString LayoutRules::twoDigits(const QVariant &n) const
{
    const double v = DeskReader::number(n);
    if (std::floor(v) == v && std::fabs(v) <= 2147483647.0)
        return DeskRules::twoDigits(int(v));
    return (v < 10 ? QStringLiteral("0") : QString()) + DeskReader::numberText(v);
}

QString LayoutRules::nextMonitorNumber(const QVariantList &entries, const QVariant &port) const
{
    return DeskRules::twoDigits(DeskRules::nextMonitorNumber(monitorsOf(entries), DeskReader::toInt(port)));
}

QVariantList LayoutRules::renumberAfterRemoval(const QVariantList &entries, const QVariant &port,
                                               const QVariant &removedNumber) const
{
    const QVector<Monitor> monitors = monitorsOf(entries);
    QVariantList changes;
    for (const Renumbering &c :
         DeskRules::renumberAfterRemoval(monitors, DeskReader::toInt(port), DeskReader::toInt(removedNumber)))
        changes.append(QVariantMap{{QStringLiteral("gridindex"), monitors.at(c.index).gridIndex()},
                                   {QStringLiteral("monitornum"), DeskRules::twoDigits(c.number)}});
    return changes;
}

// ------------------------------------------------------------- the checks

QVariant LayoutRules::firstIncomplete(const QVariantList &monitors) const
{
    const CheckOutcome found = DeskRules::firstIncomplete(monitorsOf(monitors));
    if (found.passed())
        return nullValue();
    return QVariantMap{{QStringLiteral("gridindex"), found.gridIndex()},
                       {QStringLiteral("missing"), found.kind == CheckOutcome::MissingPort ? 0 : 1}};
}

QVariantList LayoutRules::isolatedPorts(const QVariantList &monitors) const
{
    return intList(DeskRules::isolatedPorts(monitorsOf(monitors)));
}

QVariantList LayoutRules::nonRectangularPorts(const QVariantList &monitors) const
{
    return intList(DeskRules::nonRectangularPorts(monitorsOf(monitors)));
}

QVariantList LayoutRules::mixedResolutionPorts(const QVariantList &monitors) const
{
    return intList(DeskRules::mixedResolutionPorts(monitorsOf(monitors)));
}

QVariantMap LayoutRules::checkRule(const QVariantList &monitors) const
{
    const CheckOutcome outcome = DeskRules::checkRules(monitorsOf(monitors));
    int failed = 0;
    switch (outcome.kind) {
    case CheckOutcome::Isolated: failed = 1; break;
    case CheckOutcome::NotRectangular: failed = 2; break;
    case CheckOutcome::MixedResolution: failed = 3; break;
    default: break;
    }
    return {{QStringLiteral("ok"), failed == 0},
            {QStringLiteral("failed"), failed},
            {QStringLiteral("ports"), intList(outcome.ports)},
            {QStringLiteral("errorPort"), outcome.errorPort}};
}

// -------------------------------------------------------- layout file text

QString LayoutRules::layoutText(const QVariantMap &mouse, const QVariantList &monitors) const
{
    Desk desk;
    desk.monitors = monitorsOf(monitors);
    desk.mouse = DeskReader::mouseSettings(mouse);
    return DeskFile::text(desk);
}

QVariant LayoutRules::parseLayout(const QString &text) const
{
    QVariant layout;
    return DeskFile::parse(text, &layout) ? layout : nullValue();
}

QVariantList LayoutRules::monitorsFromLayout(const QVariantList &layout) const
{
    QVariantList list;
    for (const Monitor &m : DeskReader::monitors(layout))
        list.append(monitorMap(m));
    return list;
}

QVariantMap LayoutRules::mouseFromLayout(const QVariantList &layout) const
{
    return mouseMap(DeskReader::mouse(layout));
}

// ------------------------------------------------------------ resolutions

QVariant LayoutRules::resolutionEntries(const QString &jsonText, const QString &arrange) const
{
    const std::optional<QVector<QSize>> sizes = DeskReader::resolutions(jsonText);
    if (!sizes)
        return nullValue();
    const bool vertical = arrange == QLatin1String("v");
    QVariantList texts;
    texts.reserve(sizes->size());
    for (const QSize &s : *sizes) {
        const int first = vertical ? s.height() : s.width();
        const int second = vertical ? s.width() : s.height();
        texts.append(QString::number(first) + QStringLiteral(" * ") + QString::number(second));
    }
    return texts;
}

QVariantMap LayoutRules::parseResolutionText(const QVariant &resolution) const
{
    const QSize size = DeskReader::resolution(DeskReader::text(resolution));
    return {{QStringLiteral("width"), size.width()}, {QStringLiteral("height"), size.height()}};
}

// ----------------------------------------------------------------- upload

int LayoutRules::chainFromVersion(const QVariant &versionText) const
{
    if (versionText.userType() != QMetaType::QString)
        return 0;
    return DeskRules::chainFromVersion(versionText.toString());
}

QVariantMap LayoutRules::uploadDecision(const QVariantList &monitors, const QVariant &chain) const
{
    const UploadPlan plan = DeskRules::uploadPlan(monitorsOf(monitors), DeskReader::toInt(chain));
    return {{QStringLiteral("action"), UploadPlan::actionName(plan.action)}, {QStringLiteral("ports"), plan.ports}};
}

double LayoutRules::sortNumber(const QVariant &a, const QVariant &b) const
{
    return DeskReader::number(a) - DeskReader::number(b);
}

QVariantList LayoutRules::recalculatePositions(const QVariantList &monitors) const
{
    QVariantList result;
    for (const MonitorPosition &p : DeskRules::positions(monitorsOf(monitors)))
        result.append(QVariantMap{{QStringLiteral("relative_row"), p.row},
                                  {QStringLiteral("relative_col"), p.col},
                                  {QStringLiteral("main_relative_row"), p.mainRow},
                                  {QStringLiteral("main_relative_col"), p.mainCol}});
    return result;
}

QVariantList LayoutRules::portRecordArgs(const QVariantMap &monitor, const QVariantMap &rel) const
{
    MonitorPosition position;
    position.row = DeskReader::toInt(rel.value(QStringLiteral("relative_row")));
    position.col = DeskReader::toInt(rel.value(QStringLiteral("relative_col")));
    position.mainRow = DeskReader::toInt(rel.value(QStringLiteral("main_relative_row")));
    position.mainCol = DeskReader::toInt(rel.value(QStringLiteral("main_relative_col")));
    QVariantList args;
    for (int value : DeskRules::portRecordArgs(DeskReader::monitor(monitor), position))
        args.append(value);
    return args;
}
