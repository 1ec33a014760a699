#include "desk/deskupload.h"

#include "HIDCommand/generalcommand.h"

#include <QMetaEnum>
#include <QVariantList>

namespace {

unsigned char low8(int value)
{
    return static_cast<unsigned char>(value & 0xFF);
}

} // namespace

bool DeskUpload::Result::complete() const
{
    for (const Record &r : records)
        if (!r.accepted)
            return false;
    return openStatus == 0 && mouseStatus == 0;
}

DeskUpload::DeskUpload(GeneralCommand &command)
    : m_command(command)
{
}

DeskUpload::Plan DeskUpload::plan(const QVector<Monitor> &monitors, int ports)
{
    Plan plan;
    QVector<Monitor> sent;
    QVector<int> sentIndex;
    for (int i = 0; i < monitors.size(); ++i) {
        if (monitors.at(i).port <= ports) {
            sent.append(monitors.at(i));
            sentIndex.append(i);
        } else {
            plan.leftOut.append(i);
        }
    }
    // Coordinates over the monitors that go out: a monitor left out must not
    // move the others (the desk that remains is the desk the switch gets).
    const QVector<MonitorPosition> positions = DeskRules::positions(sent);
    for (int k = 0; k < sent.size(); ++k) {
        Record record;
        record.monitor = sentIndex.at(k);
        record.args = DeskRules::portRecordArgs(sent.at(k), positions.at(k));
        plan.records.append(record);
    }
    return plan;
}

DeskUpload::Result DeskUpload::upload(const QVector<Monitor> &monitors, int ports, const MouseSettings &mouse)
{
    return upload(plan(monitors, ports), mouse);
}

DeskUpload::Result DeskUpload::upload(const Plan &plan, const MouseSettings &mouse)
{
    Result result = upload(plan.records.size() + 1, plan.records, mouse);
    result.leftOut = plan.leftOut;
    return result;
}

void DeskUpload::report(Result &result, const Step &step)
{
    result.steps.append(step);
    if (step.status < 0 && result.error.isEmpty())
        result.error = m_command.lastError();
    if (m_observer)
        m_observer(step);
}

DeskUpload::Result DeskUpload::upload(int announced, const QVector<Record> &records, const MouseSettings &mouse,
                                      int mouseRecordNumber)
{
    Result result;
    result.announced = announced;
    result.records = records;
    for (Record &r : result.records) {
        r.attempts = 0;
        r.accepted = false;
    }

    Step open;
    open.exchange = ListOpen;
    open.status = m_command.sendListAmountOpen(announced);
    result.openStatus = open.status;
    report(result, open);
    if (open.status != 0) {
        result.outcome = open.status < 0 ? OpenFailed
                         : open.status == kDriverRunningStatus ? DriverRunning : OpenRefused;
        return result;
    }

    bool recordRefused = false;
    for (int i = 0; i < result.records.size() && !recordRefused; ++i) {
        Record &record = result.records[i];
        const Payload payload = portPayload(record.args);
        while (!record.accepted && record.attempts <= kRecordRetries) {
            Step step;
            step.exchange = PortRecord;
            step.record = i;
            step.attempt = ++record.attempts;
            m_command.sendOneListOfPortNum(payload.data(), int(payload.size()));
            step.status = m_command.lastStatus();
            record.accepted = step.accepted();
            report(result, step);
        }
        // Still refused: the rest is not sent, and the list is closed as it is.
        recordRefused = !record.accepted;
    }

    const MousePayload mouseBytes = mousePayload(mouse, mouseRecordNumber);
    Step mouseStep;
    mouseStep.exchange = MouseRecord;
    m_command.sendOneListOfMouseData(mouseBytes.data(), int(mouseBytes.size()));
    mouseStep.status = m_command.lastStatus();
    result.mouseStatus = mouseStep.status;
    report(result, mouseStep);

    Step close;
    close.exchange = ListClose;
    m_command.sendListAmountClose();
    close.status = m_command.lastStatus();
    result.closeStatus = close.status;
    report(result, close);

    // The switch's yes to the list-close is not enough: a record or the mouse
    // record it never took leaves part of the desk out of the switch.
    if (recordRefused)
        result.outcome = RecordRefused;
    else if (result.mouseStatus != 0)
        result.outcome = MouseRefused;
    else if (result.closeStatus != 0)
        result.outcome = CloseRefused;
    else
        result.outcome = Uploaded;

    // The first failure's reason outlives the exchanges that followed it.
    if (!result.error.isEmpty())
        m_command.keepError(result.error);
    return result;
}

DeskUpload::Payload DeskUpload::portPayload(const PortArgs &args)
{
    Payload payload;
    for (size_t i = 0; i < payload.size(); ++i)
        payload[i] = low8(args[i]);
    return payload;
}

int DeskUpload::focusDuration(int focus, int duration)
{
    // Shifted as unsigned: a negative or huge value from a script must not be
    // undefined behaviour.
    return static_cast<int>((static_cast<unsigned int>(focus) << 7) | static_cast<unsigned int>(duration));
}

DeskUpload::MousePayload DeskUpload::mousePayload(const MouseSettings &mouse, int recordNumber)
{
    return {low8(recordNumber), low8(mouse.acceleration), low8(mouse.speed), low8(mouse.position),
            low8(focusDuration(mouse.focus, mouse.duration)), low8(mouse.awake)};
}

QString DeskUpload::outcomeName(Outcome outcome)
{
    return QString::fromLatin1(QMetaEnum::fromType<Outcome>().valueToKey(outcome));
}

QString DeskUpload::exchangeName(Exchange exchange)
{
    switch (exchange) {
    case ListOpen: return QStringLiteral("list-open");
    case PortRecord: return QStringLiteral("port-record");
    case MouseRecord: return QStringLiteral("mouse-record");
    case ListClose: return QStringLiteral("list-close");
    }
    return QString();
}

QVariantMap DeskUpload::toVariantMap(const Result &result, const QVector<Monitor> &monitors)
{
    auto gridIndex = [&monitors](int i) {
        return i >= 0 && i < monitors.size() ? QVariant(monitors.at(i).gridIndex()) : QVariant();
    };
    QVariantList steps;
    for (const Step &s : result.steps) {
        steps.append(QVariantMap{{QStringLiteral("exchange"), exchangeName(s.exchange)},
                                 {QStringLiteral("record"), s.record},
                                 {QStringLiteral("attempt"), s.attempt},
                                 {QStringLiteral("status"), s.status},
                                 {QStringLiteral("accepted"), s.accepted()}});
    }
    QVariantList records;
    for (const Record &r : result.records) {
        records.append(QVariantMap{{QStringLiteral("gridindex"), r.monitor >= 0 ? gridIndex(r.monitor) : QVariant()},
                                   {QStringLiteral("portnum"), r.args[0]},
                                   {QStringLiteral("monitornum"), r.args[1]},
                                   {QStringLiteral("relative_row"), r.args[2]},
                                   {QStringLiteral("relative_col"), r.args[3]},
                                   {QStringLiteral("main_relative_row"), r.args[8]},
                                   {QStringLiteral("main_relative_col"), r.args[9]},
                                   {QStringLiteral("attempts"), r.attempts},
                                   {QStringLiteral("accepted"), r.accepted}});
    }
    QVariantList leftOut;
    for (int i : result.leftOut)
        leftOut.append(gridIndex(i));
    return {{QStringLiteral("outcome"), int(result.outcome)},
            {QStringLiteral("outcomeName"), outcomeName(result.outcome)},
            {QStringLiteral("uploaded"), result.uploaded()},
            {QStringLiteral("complete"), result.complete()},
            {QStringLiteral("announced"), result.announced},
            {QStringLiteral("openStatus"), result.openStatus},
            {QStringLiteral("mouseStatus"), result.mouseStatus},
            {QStringLiteral("closeStatus"), result.closeStatus},
            {QStringLiteral("error"), result.error},
            {QStringLiteral("steps"), steps},
            {QStringLiteral("records"), records},
            {QStringLiteral("leftOut"), leftOut}};
}
