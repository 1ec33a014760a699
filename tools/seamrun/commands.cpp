#include "commands.h"

#include "argpath.h"
#include "ProcessInfo.h"
#include "layoutfile.h"
#include "toolrules.h"
#include "orrindata.h"
#include "desk/deskupload.h"

#include "CipherExports.h"
#include "desk/deskfile.h"
#include "fileEncrypt.h"
#include "nativepath.h"
#include "ordinaryfile.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// The switch's USB ids, the same the main window opens.
const ushort kSwitchVid = 0x1209;
const ushort kSwitchPid = 0x0001;
const int kDevicePorts = 4;

// The window's own texts for the same outcomes.
const char kDriverRunning[] = "The extended desktop driver ap is running. Please close it and upload again.";
const char kNotReady[] = "Device connection is not ready, Please try again.";
// The remedy when the switch is there but not ours to open.
const char kNoAccessFix[] =
    "Install the udev rule 70-orrinkm.rules (see Troubleshooting in the README), then unplug and replug the switch.";
const char kPrimaryDevice[] =
    "To save and apply the layout configuration to OrrinKM, please connect your computer to the "
    "Primary OrrinKM device.";
const char kOneSwitchLowOnly[] = "Only one OrrinKM is connected. Please set port number between P1 to P4.";
const char kUploadFailed[] = "Failed to upload data.";
const char kUploaded[] = "Save to device successfully.";

// File names whose bytes are not text show those bytes as "\xFF".
void print(FILE *stream, const QString &text)
{
    std::fputs(printableText(text).toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

QString usbId()
{
    return QStringLiteral("%1:%2").arg(kSwitchVid, 4, 16, QLatin1Char('0')).arg(kSwitchPid, 4, 16, QLatin1Char('0'));
}

// Loads FILE as the editor would, or says why not (status 2).
bool loadLayout(Output &out, ToolRules &rules, const QString &file, Desk *layout)
{
    out.result().insert(QStringLiteral("file"), printableText(file));
    QByteArray text;
    QString reason;
    if (!readLayoutFile(file, &text, &reason)) {
        out.error(file + QStringLiteral(": ") + reason);
        return false;
    }
    if (!rules.parse(text, layout)) {
        out.error(file + QStringLiteral(": not a layout file (the editor refuses it as invalid)"));
        return false;
    }
    return true;
}

QString label(ToolRules &rules, const Monitor &m)
{
    return rules.portName(m.port) + QLatin1Char(' ') + m.numberText();
}

QString checkMessage(ToolRules &rules, const Desk &layout, const CheckOutcome &c)
{
    QString text;
    switch (c.kind) {
    case CheckOutcome::Passed:
        break;
    case CheckOutcome::NoMonitor:
        return QStringLiteral("The layout holds no monitor.");
    case CheckOutcome::MissingPort:
    case CheckOutcome::MissingResolution:
        for (const Monitor &m : layout.monitors) {
            if (m.row != c.row || m.col != c.col)
                continue;
            if (c.kind == CheckOutcome::MissingPort)
                return QStringLiteral("The monitor at row %1, column %2 has no port. Please select a number.")
                    .arg(c.row).arg(c.col);
            return QStringLiteral("The monitor %1 at row %2, column %3 has no resolution. Please select a resolution.")
                .arg(label(rules, m)).arg(c.row).arg(c.col);
        }
        break;
    case CheckOutcome::Isolated:
        return QStringLiteral("Current configuration contains blank area among the blocks. Please adjust it and save again.");
    case CheckOutcome::NotRectangular:
        text = QStringLiteral("Current configuration of @ is not set in a rectangular shape. Please adjust it and save again.");
        break;
    case CheckOutcome::MixedResolution:
        text = QStringLiteral("Screens that configured to @ are not set in the same resolution. Please adjust it and save again.");
        break;
    }
    return text.replace(QLatin1Char('@'), c.errorPort);
}

QString checkName(CheckOutcome::Kind kind)
{
    switch (kind) {
    case CheckOutcome::Passed: return QStringLiteral("passed");
    case CheckOutcome::NoMonitor: return QStringLiteral("no-monitor");
    case CheckOutcome::MissingPort: return QStringLiteral("missing-port");
    case CheckOutcome::MissingResolution: return QStringLiteral("missing-resolution");
    case CheckOutcome::Isolated: return QStringLiteral("isolated");
    case CheckOutcome::NotRectangular: return QStringLiteral("not-rectangular");
    case CheckOutcome::MixedResolution: return QStringLiteral("mixed-resolution");
    }
    return QString();
}

int portCount(const Desk &layout)
{
    QSet<int> ports;
    for (const Monitor &m : layout.monitors)
        ports.insert(m.port);
    return ports.size();
}

QString monitorsPhrase(const Desk &layout)
{
    const int n = layout.monitors.size();
    const int p = portCount(layout);
    return QStringLiteral("%1 monitor%2 on %3 port%4").arg(n).arg(n == 1 ? "" : "s").arg(p).arg(p == 1 ? "" : "s");
}

// ------------------------------------------------------------ mouse words

QString onOff(int v) { return v ? QStringLiteral("on") : QStringLiteral("off"); }

QString positionWords(int position)
{
    static const char *const names[] = {"upper left", "upper right", "lower left", "lower right", "middle"};
    if (position >= 1 && position <= 5)
        return QString::fromLatin1(names[position - 1]);
    // Kept as stored; the position dialog shows such a value as lower right.
    return QStringLiteral("%1 (not one of the five places; shown as lower right)").arg(position);
}

QString durationWords(int duration)
{
    switch (duration) {
    case 0: return QStringLiteral("always");
    case 2: return QStringLiteral("5 seconds");
    case 3: return QStringLiteral("10 seconds");
    default: return QStringLiteral("3 seconds");
    }
}

QString awakeWords(int awake)
{
    return awake == 1 ? QStringLiteral("when working") : awake == 2 ? QStringLiteral("always") : QStringLiteral("off");
}

QJsonObject mouseJson(const MouseSettings &m)
{
    return {{QStringLiteral("acceleration"), m.acceleration},
            {QStringLiteral("speed"), m.speed},
            {QStringLiteral("position"), m.position},
            {QStringLiteral("positionText"), positionWords(m.position)},
            {QStringLiteral("switching_focus"), m.focus},
            {QStringLiteral("duration_time"), m.duration},
            {QStringLiteral("durationText"), durationWords(m.duration)},
            {QStringLiteral("keep_awake"), m.awake},
            {QStringLiteral("keepAwakeText"), awakeWords(m.awake)}};
}

// ------------------------------------------------------------ the switch

// The device is closed on every way out: the process ends right after.
class OpenSwitch
{
public:
    explicit OpenSwitch(OrrinData &orrin) : m_orrin(orrin) {}
    ~OpenSwitch() { m_orrin.close(); }

private:
    OrrinData &m_orrin;
};

// Why the switch could not be opened: the step line, the status and the
// message. Missing access has its own status and says how to grant it.
struct OpenFailure {
    QString step;
    int status;
    QString message;
};

OpenFailure openFailure(const OrrinData &orrin)
{
    if (orrin.accessDenied())
        return {QStringLiteral("switch %1 attached, no access (%2)").arg(usbId(), orrin.lastError()), ExitNoAccess,
                QString::fromLatin1(kNotReady) + QStringLiteral(" The switch is attached, but this user may not "
                                                                "open it. ")
                    + QString::fromLatin1(kNoAccessFix)};
    return {QStringLiteral("no switch %1 found").arg(usbId()), ExitNoSwitch, QString::fromLatin1(kNotReady)};
}

// The window waits this long between opening the switch and its first query;
// the switch is asked nothing sooner from here either.
void settle(Output *steps, int waitMs)
{
    if (waitMs <= 0)
        return;
    if (steps)
        steps->step(QStringLiteral("wait"), QStringLiteral("%1 ms before asking the switch").arg(waitMs));
    std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
}

} // namespace

// ---------------------------------------------------------------- output

void Output::line(const QString &text)
{
    if (!m_json)
        print(stdout, text);
}

void Output::step(const QString &name, const QString &text)
{
    m_steps.append(QJsonObject{{QStringLiteral("step"), name}, {QStringLiteral("result"), printableText(text)}});
    line(name + QStringLiteral(": ") + text);
}

void Output::error(const QString &text)
{
    print(stderr, QStringLiteral("seamrun: ") + text);
    m_result.insert(QStringLiteral("error"), printableText(text));
}

int Output::finish(int status)
{
    if (m_json) {
        if (!m_steps.isEmpty())
            m_result.insert(QStringLiteral("steps"), m_steps);
        m_result.insert(QStringLiteral("exit"), status);
        std::fputs(QJsonDocument(m_result).toJson(QJsonDocument::Indented).constData(), stdout);
        std::fflush(stdout);
    }
    return status;
}

// ------------------------------------------------------------------ show

int showCommand(Output &out, ToolRules &rules, const QString &file)
{
    Desk layout;
    if (!loadLayout(out, rules, file, &layout))
        return out.finish(ExitNotLayout);

    QJsonArray monitors;
    for (const Monitor &m : layout.monitors) {
        monitors.append(QJsonObject{{QStringLiteral("row"), m.row},
                                    {QStringLiteral("col"), m.col},
                                    {QStringLiteral("port"), m.port},
                                    {QStringLiteral("portName"), rules.portName(m.port)},
                                    {QStringLiteral("monitor"), m.numberText()},
                                    {QStringLiteral("width"), m.width},
                                    {QStringLiteral("height"), m.height},
                                    {QStringLiteral("orientation"), m.orientationText()}});
    }
    out.result().insert(QStringLiteral("monitors"), monitors);
    out.result().insert(QStringLiteral("mouse"), mouseJson(layout.mouse));

    if (layout.monitors.isEmpty()) {
        out.line(file + QStringLiteral(": no monitors"));
    } else {
        // The used area only: from the first to the last row and column that
        // hold a monitor.
        int top = 16, bottom = 1, left = 16, right = 1;
        for (const Monitor &m : layout.monitors) {
            top = qMin(top, m.row);
            bottom = qMax(bottom, m.row);
            left = qMin(left, m.col);
            right = qMax(right, m.col);
        }
        auto span = [](const char *one, const char *many, int first, int last) {
            return first == last ? QStringLiteral("%1 %2").arg(QLatin1String(one)).arg(first)
                                 : QStringLiteral("%1 %2-%3").arg(QLatin1String(many)).arg(first).arg(last);
        };
        out.line(QStringLiteral("%1: %2, %3, %4")
                     .arg(file, monitorsPhrase(layout), span("row", "rows", top, bottom),
                          span("column", "columns", left, right)));
        out.line(QString());
        QString header = QStringLiteral("row/col");
        for (int col = left; col <= right; ++col)
            header += QStringLiteral("  ") + QString::number(col).leftJustified(5);
        out.line(header.trimmed());
        for (int row = top; row <= bottom; ++row) {
            QString text = QString::number(row).leftJustified(7);
            for (int col = left; col <= right; ++col) {
                QString cell = QStringLiteral("  .  ");
                for (const Monitor &m : layout.monitors)
                    if (m.row == row && m.col == col)
                        cell = label(rules, m);
                text += QStringLiteral("  ") + cell;
            }
            out.line(text.trimmed());
        }
        out.line(QString());
        out.line(QStringLiteral("Monitors:"));
        for (const Monitor &m : layout.monitors) {
            out.line(QStringLiteral("  %1  row %2, column %3  %4 x %5  %6")
                         .arg(label(rules, m)).arg(m.row).arg(m.col).arg(m.width).arg(m.height)
                         .arg(m.orientation == Orientation::Vertical ? QStringLiteral("vertical")
                                                                     : QStringLiteral("horizontal")));
        }
    }
    const MouseSettings &mouse = layout.mouse;
    out.line(QString());
    out.line(QStringLiteral("Mouse:"));
    out.line(QStringLiteral("  Acceleration:     %1, speed %2 of 10").arg(onOff(mouse.acceleration)).arg(mouse.speed));
    out.line(QStringLiteral("  Position:         %1").arg(positionWords(mouse.position)));
    out.line(QStringLiteral("  Switching focus:  %1, %2").arg(onOff(mouse.focus), durationWords(mouse.duration)));
    out.line(QStringLiteral("  Keep awake:       %1").arg(awakeWords(mouse.awake)));
    return out.finish(ExitOk);
}

// ----------------------------------------------------------------- check

int checkCommand(Output &out, ToolRules &rules, const QString &file)
{
    Desk layout;
    if (!loadLayout(out, rules, file, &layout))
        return out.finish(ExitNotLayout);

    const CheckOutcome c = rules.check(layout);
    QJsonObject &r = out.result();
    r.insert(QStringLiteral("monitors"), layout.monitors.size());
    r.insert(QStringLiteral("ok"), c.kind == CheckOutcome::Passed);
    r.insert(QStringLiteral("check"), checkName(c.kind));
    if (c.kind == CheckOutcome::Passed) {
        out.line(file + QStringLiteral(": passes (") + monitorsPhrase(layout) + QLatin1Char(')'));
        return out.finish(ExitOk);
    }
    if (c.kind == CheckOutcome::MissingPort || c.kind == CheckOutcome::MissingResolution)
        r.insert(QStringLiteral("cell"), QJsonObject{{QStringLiteral("row"), c.row}, {QStringLiteral("col"), c.col}});
    if (!c.ports.isEmpty()) {
        QJsonArray ports;
        for (int p : c.ports)
            ports.append(p);
        r.insert(QStringLiteral("ports"), ports);
        r.insert(QStringLiteral("errorPort"), c.errorPort);
    }
    const QString message = checkMessage(rules, layout, c);
    r.insert(QStringLiteral("message"), message);
    out.error(file + QStringLiteral(": ") + message);
    return out.finish(ExitCheckFailed);
}

// ----------------------------------------------------------------- apply

int applyCommand(Output &out, ToolRules &rules, const QString &file, bool primaryOnly, int waitMs)
{
    Desk layout;
    if (!loadLayout(out, rules, file, &layout))
        return out.finish(ExitNotLayout);
    QJsonObject &r = out.result();
    auto fail = [&](int status, const QString &message) {
        r.insert(QStringLiteral("message"), message);
        out.error(file + QStringLiteral(": ") + message);
        return out.finish(status);
    };

    const CheckOutcome c = rules.check(layout);
    if (c.kind != CheckOutcome::Passed) {
        out.step(QStringLiteral("check"), QStringLiteral("failed"));
        r.insert(QStringLiteral("check"), checkName(c.kind));
        return fail(ExitCheckFailed, checkMessage(rules, layout, c));
    }
    out.step(QStringLiteral("check"), QStringLiteral("passed, ") + monitorsPhrase(layout));

    ProcessInfo process;
    if (process.getDriverProcess()) {
        out.step(QStringLiteral("extended desktop driver"), QStringLiteral("running"));
        return fail(ExitDriverRunning, QString::fromLatin1(kDriverRunning));
    }
    out.step(QStringLiteral("extended desktop driver"), QStringLiteral("not running"));

    OrrinData orrin;
    if (!orrin.open(kSwitchVid, kSwitchPid)) {
        const OpenFailure why = openFailure(orrin);
        out.step(QStringLiteral("open"), why.step);
        return fail(why.status, why.message);
    }
    OpenSwitch closeAtEnd(orrin);
    out.step(QStringLiteral("open"), QStringLiteral("switch %1 opened").arg(usbId()));
    settle(&out, waitMs);

    // A port status query that fails does not stop the upload; a computer on
    // the chained switch does.
    if (orrin.getPortStatus()) {
        const int port = orrin.portStatus().value(QStringLiteral("apportNum")).toInt();
        out.step(QStringLiteral("port status"), QStringLiteral("this computer is on port %1 (%2)")
                                                    .arg(port).arg(rules.portName(port)));
        if (port > kDevicePorts)
            return fail(ExitSecondarySwitch, QString::fromLatin1(kPrimaryDevice));
    } else {
        out.step(QStringLiteral("port status"), QStringLiteral("no answer, going on"));
    }

    if (!orrin.getFWAPProtocolVersion()) {
        out.step(QStringLiteral("version"), QStringLiteral("no answer"));
        return fail(ExitUploadFailed, QString::fromLatin1(kUploadFailed));
    }
    const QString version = orrin.version();
    const int chain = rules.chainFromVersion(version);
    const UploadPlan plan = rules.uploadDecision(layout, chain);
    r.insert(QStringLiteral("version"), version);
    r.insert(QStringLiteral("chain"), chain);
    if (plan.action == UploadPlan::Fail) {
        out.step(QStringLiteral("version"), version + QStringLiteral(", which names no chain of one or two switches"));
        return fail(ExitUploadFailed, QString::fromLatin1(kUploadFailed));
    }
    if (chain == 0)
        out.step(QStringLiteral("version"), version + QStringLiteral(", which names no chain of one or two switches; "
                                                                     "the layout uses ports P1-P4 only"));
    else
        out.step(QStringLiteral("version"), QStringLiteral("%1, %2 switch%3 in the chain").arg(version).arg(chain)
                                                .arg(chain == 1 ? "" : "es"));
    if (plan.action == UploadPlan::HighOnly)
        return fail(ExitSecondaryOnly, QString::fromLatin1(kOneSwitchLowOnly));
    if (plan.action == UploadPlan::Confirm && !primaryOnly) {
        return fail(ExitNeedsPrimaryOnly,
                    QStringLiteral("Only one OrrinKM is connected, and the layout has monitors on the secondary "
                                   "switch's ports. Run again with --primary-only to save the monitors of ports "
                                   "P1 to P4 only."));
    }

    // What goes out: every monitor on ports up to plan.ports, in grid order,
    // placed among themselves as the window places them. The others are left
    // out of the upload; the file stays as it is.
    const DeskUpload::Plan desk = DeskUpload::plan(layout.monitors, plan.ports);
    QStringList leftOut;
    for (int i : desk.leftOut)
        leftOut.append(label(rules, layout.monitors.at(i)));
    if (!leftOut.isEmpty())
        out.step(QStringLiteral("left out"), leftOut.join(QStringLiteral(", "))
                                                 + QStringLiteral(" (ports above P4; the file is not changed)"));

    const auto report = [&](const DeskUpload::Step &step) {
        switch (step.exchange) {
        case DeskUpload::ListOpen:
            out.step(QStringLiteral("list-open"),
                     step.accepted() ? QStringLiteral("accepted, %1 records announced").arg(desk.records.size() + 1)
                     : step.status < 0 ? QStringLiteral("no answer")
                                       : QStringLiteral("refused with status %1").arg(step.status));
            break;
        case DeskUpload::PortRecord: {
            // One line per record, once its last attempt is known.
            if (!step.accepted() && step.attempt <= DeskUpload::kRecordRetries)
                break;
            const DeskUpload::PortArgs &a = desk.records.at(step.record).args;
            const Monitor &m = layout.monitors.at(desk.records.at(step.record).monitor);
            out.step(QStringLiteral("port record"),
                     QStringLiteral("%1 at %2,%3 (main %4,%5), %6 x %7: %8")
                         .arg(label(rules, m)).arg(a[2]).arg(a[3]).arg(a[8]).arg(a[9])
                         .arg(m.width).arg(m.height)
                         .arg(step.accepted() ? (step.attempt == 1 ? QStringLiteral("accepted")
                                                                   : QStringLiteral("accepted at attempt %1").arg(step.attempt))
                                              : QStringLiteral("refused %1 times, the rest is not sent").arg(step.attempt)));
            break;
        }
        case DeskUpload::MouseRecord:
            out.step(QStringLiteral("mouse record"), step.accepted() ? QStringLiteral("accepted") : QStringLiteral("refused"));
            break;
        case DeskUpload::ListClose:
            out.step(QStringLiteral("list-close"), step.accepted() ? QStringLiteral("accepted") : QStringLiteral("refused"));
            break;
        }
    };
    const DeskUpload::Result result = orrin.upload(desk, layout.mouse, report);

    switch (result.outcome) {
    case DeskUpload::OpenFailed:
    case DeskUpload::OpenRefused:
        return fail(ExitUploadFailed, QString::fromLatin1(kUploadFailed));
    case DeskUpload::DriverRunning:
        return fail(ExitDriverRunning, QString::fromLatin1(kDriverRunning));
    default:
        break;
    }

    QJsonArray sent;
    for (const DeskUpload::Record &record : result.records) {
        if (record.attempts == 0)
            continue;
        const DeskUpload::PortArgs &a = record.args;
        sent.append(QJsonObject{{QStringLiteral("portNum"), a[0]},
                                {QStringLiteral("monitorNum"), a[1]},
                                {QStringLiteral("x"), a[2]},
                                {QStringLiteral("y"), a[3]},
                                {QStringLiteral("width"), a[4] | (a[5] << 8)},
                                {QStringLiteral("height"), a[6] | (a[7] << 8)},
                                {QStringLiteral("main_x"), a[8]},
                                {QStringLiteral("main_y"), a[9]},
                                {QStringLiteral("attempts"), record.attempts},
                                {QStringLiteral("accepted"), record.accepted}});
    }
    r.insert(QStringLiteral("records"), sent);
    r.insert(QStringLiteral("complete"), result.complete());
    // A record the switch never took leaves the switch without part of the
    // layout, whatever it answers to the list-close.
    if (!result.uploaded())
        return fail(ExitUploadFailed, QString::fromLatin1(kUploadFailed));
    r.insert(QStringLiteral("message"), QString::fromLatin1(kUploaded));
    out.line(QString::fromLatin1(kUploaded));
    return out.finish(ExitOk);
}

// ---------------------------------------------------------------- status

int statusCommand(Output &out, ToolRules &rules, int waitMs)
{
    QJsonObject &r = out.result();
    ProcessInfo process;
    const bool driver = process.getDriverProcess();
    r.insert(QStringLiteral("driverRunning"), driver);

    OrrinData orrin;
    if (!orrin.open(kSwitchVid, kSwitchPid)) {
        // Attached but not ours to open is told apart from missing: the
        // remedy is the udev rule, not the cable.
        const bool denied = orrin.accessDenied();
        r.insert(QStringLiteral("attached"), denied);
        if (denied)
            r.insert(QStringLiteral("access"), false);
        out.line(QStringLiteral("Switch:                  %1 (USB %2)")
                     .arg(denied ? QStringLiteral("attached, no access") : QStringLiteral("not attached"), usbId()));
        out.line(QStringLiteral("Extended desktop driver: ") + (driver ? "running" : "not running"));
        if (denied) {
            out.error(QStringLiteral("switch %1 attached, but this user may not open it (%2). %3")
                          .arg(usbId(), orrin.lastError(), QString::fromLatin1(kNoAccessFix)));
            return out.finish(ExitNoAccess);
        }
        out.error(QStringLiteral("no switch %1 could be opened").arg(usbId()));
        return out.finish(ExitNoSwitch);
    }
    OpenSwitch closeAtEnd(orrin);
    r.insert(QStringLiteral("attached"), true);
    r.insert(QStringLiteral("access"), true);
    settle(nullptr, waitMs);

    const bool haveStatus = orrin.getPortStatus();
    const int port = haveStatus ? orrin.portStatus().value(QStringLiteral("apportNum")).toInt() : 0;
    const bool haveVersion = orrin.getFWAPProtocolVersion();
    const QString version = orrin.version();
    const int chain = haveVersion ? rules.chainFromVersion(version) : 0;

    r.insert(QStringLiteral("version"), haveVersion ? QJsonValue(version) : QJsonValue());
    r.insert(QStringLiteral("chain"), chain > 0 ? QJsonValue(chain) : QJsonValue());
    r.insert(QStringLiteral("port"), haveStatus ? QJsonValue(port) : QJsonValue());
    r.insert(QStringLiteral("portName"), haveStatus ? QJsonValue(rules.portName(port)) : QJsonValue());

    const QString unknown = QStringLiteral("unknown (no answer)");
    out.line(QStringLiteral("Switch:                  attached (USB %1)").arg(usbId()));
    out.line(QStringLiteral("Firmware version:        ") + (haveVersion ? version : unknown));
    out.line(QStringLiteral("Switches in the chain:   ")
             + (!haveVersion ? unknown
                : chain > 0  ? QString::number(chain)
                             : QStringLiteral("unknown (the version names no chain of one or two)")));
    out.line(QStringLiteral("This computer's port:    ")
             + (haveStatus ? QStringLiteral("%1 (%2)").arg(rules.portName(port)).arg(port) : unknown));
    out.line(QStringLiteral("Extended desktop driver: ") + (driver ? "running" : "not running"));
    if (!haveStatus || !haveVersion) {
        out.error(QStringLiteral("the switch did not answer every query"));
        return out.finish(ExitUploadFailed);
    }
    return out.finish(ExitOk);
}

// ----------------------------------------------------------------- write

namespace {

// A whole number in [low, high] under `key` of `object`; a missing key gives
// `fallback` when there is one. A number given as text ("3", as layout files
// keep them) is taken too.
bool wholeNumber(const QJsonObject &object, const QString &key, int low, int high, int *value, QString *why,
                 const int *fallback = nullptr)
{
    const QJsonValue v = object.value(key);
    if (v.isUndefined() && fallback) {
        *value = *fallback;
        return true;
    }
    double n = -1;
    bool ok = false;
    if (v.isDouble()) {
        n = v.toDouble();
        ok = true;
    } else if (v.isString()) {
        const QString text = v.toString().trimmed();
        ok = !text.isEmpty() && text.size() <= 6 && text.count(QRegularExpression(QStringLiteral("\\D"))) == 0;
        n = ok ? text.toInt() : -1;
    }
    if (!ok || n != double(int(n)) || n < low || n > high) {
        *why = QStringLiteral("\"%1\" must be a whole number from %2 to %3").arg(key).arg(low).arg(high);
        return false;
    }
    *value = int(n);
    return true;
}

// The desk that `seamrun show --json` printed (its derived texts, such as
// "portName" or "positionText", are left aside), or why it is none.
bool deskFromJson(const QByteArray &bytes, Desk *desk, QString *why)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        *why = QStringLiteral("not JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset);
        return false;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || !root.value(QStringLiteral("monitors")).isArray()) {
        *why = QStringLiteral("no \"monitors\" list (the form seamrun show --json prints)");
        return false;
    }
    const QJsonArray monitors = root.value(QStringLiteral("monitors")).toArray();
    if (monitors.size() > Desk::kMaxMonitors) {
        *why = QStringLiteral("%1 monitors; a desk holds at most %2").arg(monitors.size()).arg(Desk::kMaxMonitors);
        return false;
    }
    Desk result;
    for (int i = 0; i < monitors.size(); ++i) {
        const QJsonObject m = monitors.at(i).toObject();
        Monitor monitor;
        QString problem;
        if (!monitors.at(i).isObject()) {
            problem = QStringLiteral("not an object");
        } else if (!wholeNumber(m, QStringLiteral("row"), 1, Desk::kGridSize, &monitor.row, &problem)
                   || !wholeNumber(m, QStringLiteral("col"), 1, Desk::kGridSize, &monitor.col, &problem)
                   || !wholeNumber(m, QStringLiteral("port"), 0, Desk::kMaxPort, &monitor.port, &problem)
                   || !wholeNumber(m, QStringLiteral("monitor"), 1, Desk::kMaxMonitors, &monitor.number, &problem)
                   || !wholeNumber(m, QStringLiteral("width"), 0, Desk::kMaxPixels, &monitor.width, &problem)
                   || !wholeNumber(m, QStringLiteral("height"), 0, Desk::kMaxPixels, &monitor.height, &problem)) {
            // said by wholeNumber
        } else {
            const QJsonValue o = m.value(QStringLiteral("orientation"));
            if (!o.isUndefined() && o != QJsonValue(QStringLiteral("h")) && o != QJsonValue(QStringLiteral("v")))
                problem = QStringLiteral("\"orientation\" must be \"h\" or \"v\"");
            else
                monitor.orientation = monitor.height > monitor.width ? Orientation::Vertical : Orientation::Horizontal;
        }
        if (!problem.isEmpty()) {
            *why = QStringLiteral("monitor %1: %2").arg(i + 1).arg(problem);
            return false;
        }
        result.monitors.append(monitor);
    }

    const QJsonValue mouseValue = root.value(QStringLiteral("mouse"));
    if (!mouseValue.isUndefined() && !mouseValue.isObject()) {
        *why = QStringLiteral("\"mouse\" is not an object");
        return false;
    }
    const QJsonObject mouse = mouseValue.toObject();
    const MouseSettings blank;
    MouseSettings &ms = result.mouse;
    QString problem;
    if (!wholeNumber(mouse, QStringLiteral("acceleration"), 0, 1, &ms.acceleration, &problem, &blank.acceleration)
        || !wholeNumber(mouse, QStringLiteral("speed"), 0, 10, &ms.speed, &problem, &blank.speed)
        || !wholeNumber(mouse, QStringLiteral("position"), 0, 255, &ms.position, &problem, &blank.position)
        || !wholeNumber(mouse, QStringLiteral("switching_focus"), 0, 1, &ms.focus, &problem, &blank.focus)
        || !wholeNumber(mouse, QStringLiteral("duration_time"), 0, 3, &ms.duration, &problem, &blank.duration)
        || !wholeNumber(mouse, QStringLiteral("keep_awake"), 0, 2, &ms.awake, &problem, &blank.awake)) {
        *why = QStringLiteral("mouse: ") + problem;
        return false;
    }
    *desk = result;
    return true;
}

// The protected file of `text`, made in a private folder (the window's own
// temporary files are never touched).
bool protectText(const QString &text, QByteArray *bytes, QString *why)
{
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/seamrun-XXXXXX"));
    if (!work.isValid()) {
        *why = QStringLiteral("cannot create a temporary folder: ") + work.errorString();
        return false;
    }
    const QString plain = work.filePath(QStringLiteral("layout.txt"));
    const QString prot = work.filePath(QStringLiteral("layout.km"));
    QFile file(plain);
    const QByteArray utf8 = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(utf8) != utf8.size() || !file.flush()) {
        *why = QStringLiteral("cannot write into the temporary folder: ") + file.errorString();
        return false;
    }
    file.close();
    if (EncryptByFilePath(nativeWide(plain).c_str(), nativeWide(prot).c_str()) != 0) {
        *why = QStringLiteral("the layout could not be protected (is the temporary folder usable?)");
        return false;
    }
    QFile result(prot);
    if (!result.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("cannot read the protected file back: ") + result.errorString();
        return false;
    }
    *bytes = result.readAll();
    return true;
}

} // namespace

int writeCommand(Output &out, ToolRules &rules, const QString &jsonFile, const QString &outFile)
{
    QJsonObject &r = out.result();
    r.insert(QStringLiteral("file"), printableText(jsonFile));
    r.insert(QStringLiteral("output"), printableText(outFile));
    auto fail = [&](int status, const QString &file, const QString &message) {
        r.insert(QStringLiteral("message"), message);
        out.error(printableText(file) + QStringLiteral(": ") + message);
        return out.finish(status);
    };

    // Read as the layout files are: only an ordinary file, and no larger
    // than a layout can be.
    QByteArray bytes;
    const files::ReadResult read =
        files::readOrdinaryFile(nativePath(jsonFile), fileEncrypt::kMaxProtectedFileSize, &bytes);
    switch (read.failure) {
    case files::ReadFailure::None:
        break;
    case files::ReadFailure::Missing:
        return fail(ExitNotLayout, jsonFile, QStringLiteral("no such file"));
    case files::ReadFailure::NotOrdinary:
        return fail(ExitNotLayout, jsonFile, QStringLiteral("not an ordinary file (") + read.detail + QLatin1Char(')'));
    case files::ReadFailure::TooLarge:
        return fail(ExitNotLayout, jsonFile, QStringLiteral("too large to be a layout"));
    case files::ReadFailure::Unreadable:
        return fail(ExitNotLayout, jsonFile, QStringLiteral("cannot be read: ") + read.detail);
    }

    Desk desk;
    QString why;
    if (!deskFromJson(bytes, &desk, &why))
        return fail(ExitNotLayout, jsonFile, QStringLiteral("not a layout: ") + why);
    // The file text, read back as the editor reads a file: a desk it would
    // refuse (two monitors on one cell, say) is not written.
    const QString text = DeskFile::text(desk);
    const std::optional<Desk> reread = DeskFile::read(text);
    if (!reread)
        return fail(ExitNotLayout, jsonFile,
                    QStringLiteral("not a layout: the editor would refuse it (two monitors on one cell?)"));
    const Desk &layout = *reread;

    const CheckOutcome c = rules.check(layout);
    r.insert(QStringLiteral("monitors"), layout.monitors.size());
    r.insert(QStringLiteral("check"), checkName(c.kind));
    r.insert(QStringLiteral("ok"), c.kind == CheckOutcome::Passed);
    if (c.kind != CheckOutcome::Passed) {
        if (!c.ports.isEmpty())
            r.insert(QStringLiteral("errorPort"), c.errorPort);
        return fail(ExitCheckFailed, jsonFile, checkMessage(rules, layout, c) + QStringLiteral(" Nothing was written."));
    }

    QString what;
    if (!files::mayWriteFile(nativePath(outFile), &what))
        return fail(ExitNotLayout, outFile, QStringLiteral("cannot be written: it is ") + what);
    QByteArray protectedBytes;
    if (!protectText(text, &protectedBytes, &why))
        return fail(ExitNotLayout, outFile, why);
    // Written beside the target and moved over it in one step: a failure
    // leaves any earlier file as it was.
    QSaveFile target(QFile::decodeName(nativePath(outFile)));
    if (!target.open(QIODevice::WriteOnly) || target.write(protectedBytes) != protectedBytes.size()
        || !target.commit())
        return fail(ExitNotLayout, outFile, QStringLiteral("cannot be written: ") + target.errorString());

    out.line(printableText(outFile) + QStringLiteral(": written (") + monitorsPhrase(layout) + QLatin1Char(')'));
    return out.finish(ExitOk);
}
