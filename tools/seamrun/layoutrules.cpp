#include "layoutrules.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {
const char kLibrary[] = ":/seamrun/layout.js";
}

bool LayoutRules::load(QString *error)
{
    QFile file(QString::fromLatin1(kLibrary));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("the layout rules are missing from the program");
        return false;
    }
    const QJSValue result = m_engine.evaluate(QString::fromUtf8(file.readAll()), file.fileName());
    if (result.isError()) {
        *error = QStringLiteral("the layout rules do not evaluate: ") + result.toString();
        return false;
    }
    return true;
}

QJSValue LayoutRules::call(const char *function, const QJSValueList &args)
{
    QJSValue f = m_engine.globalObject().property(QString::fromLatin1(function));
    const QJSValue result = f.call(args);
    // The library is pure and takes what it is given; an exception here is a
    // fault of this program, never of the file being read.
    if (result.isError()) {
        std::fprintf(stderr, "seamrun: internal error in the layout rules: %s: %s\n", function,
                     qPrintable(result.toString()));
        std::exit(kInternalErrorExit);
    }
    return result;
}

bool LayoutRules::parse(const QByteArray &text, Layout *layout)
{
    const QJSValue parsed = call("parseLayout", {QJSValue(QString::fromUtf8(text))});
    if (parsed.isNull())
        return false;

    layout->script = call("monitorsFromLayout", {parsed});
    layout->monitors.clear();
    const int count = layout->script.property(QStringLiteral("length")).toInt();
    for (int i = 0; i < count; ++i) {
        const QJSValue m = layout->script.property(quint32(i));
        Monitor monitor;
        monitor.row = m.property(QStringLiteral("row")).toInt();
        monitor.col = m.property(QStringLiteral("col")).toInt();
        monitor.port = m.property(QStringLiteral("portnum")).toInt();
        monitor.number = m.property(QStringLiteral("monitornum")).toString();
        monitor.width = m.property(QStringLiteral("width")).toInt();
        monitor.height = m.property(QStringLiteral("height")).toInt();
        monitor.orientation = m.property(QStringLiteral("orientation")).toString();
        layout->monitors.append(monitor);
    }

    const QJSValue mouse = call("mouseFromLayout", {parsed});
    layout->mouse.acceleration = mouse.property(QStringLiteral("acceleration_flag")).toInt();
    layout->mouse.speed = mouse.property(QStringLiteral("mouse_speed")).toInt();
    layout->mouse.position = mouse.property(QStringLiteral("mouse_position")).toInt();
    layout->mouse.focus = mouse.property(QStringLiteral("switching_focus")).toInt();
    layout->mouse.duration = mouse.property(QStringLiteral("duration_time")).toInt();
    layout->mouse.awake = mouse.property(QStringLiteral("keep_awake")).toInt();
    return true;
}

CheckOutcome LayoutRules::check(const Layout &layout)
{
    CheckOutcome outcome;
    if (layout.monitors.isEmpty()) {
        outcome.kind = CheckOutcome::NoMonitor;
        return outcome;
    }
    const QJSValue incomplete = call("firstIncomplete", {layout.script});
    if (!incomplete.isNull()) {
        const int index = incomplete.property(QStringLiteral("gridindex")).toInt();
        outcome.kind = incomplete.property(QStringLiteral("missing")).toInt() == 0
                           ? CheckOutcome::MissingPort
                           : CheckOutcome::MissingResolution;
        outcome.row = index / 16 + 1;
        outcome.col = index % 16 + 1;
        return outcome;
    }
    const QJSValue rule = call("checkRule", {layout.script});
    if (rule.property(QStringLiteral("ok")).toBool())
        return outcome;
    switch (rule.property(QStringLiteral("failed")).toInt()) {
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
    const QJSValue ports = rule.property(QStringLiteral("ports"));
    const int count = ports.property(QStringLiteral("length")).toInt();
    for (int i = 0; i < count; ++i)
        outcome.ports.append(ports.property(quint32(i)).toInt());
    outcome.errorPort = rule.property(QStringLiteral("errorPort")).toString();
    return outcome;
}

QString LayoutRules::portName(int port)
{
    return call("portName", {QJSValue(port)}).toString();
}

int LayoutRules::chainFromVersion(const QString &version)
{
    return call("chainFromVersion", {QJSValue(version)}).toInt();
}

UploadPlan LayoutRules::uploadDecision(const Layout &layout, int chain)
{
    const QJSValue decision = call("uploadDecision", {layout.script, QJSValue(chain)});
    UploadPlan plan;
    plan.action = decision.property(QStringLiteral("action")).toString();
    plan.ports = decision.property(QStringLiteral("ports")).toInt();
    return plan;
}

QList<QVector<int>> LayoutRules::portRecords(const Layout &layout)
{
    const QJSValue positions = call("recalculatePositions", {layout.script});
    QList<QVector<int>> records;
    for (int i = 0; i < layout.monitors.size(); ++i) {
        const QJSValue args = call("portRecordArgs", {layout.script.property(quint32(i)),
                                                      positions.property(quint32(i))});
        QVector<int> record(10);
        for (int k = 0; k < 10; ++k)
            record[k] = args.property(quint32(k)).toInt();
        records.append(record);
    }
    return records;
}
