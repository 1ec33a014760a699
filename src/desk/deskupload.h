#ifndef DESKUPLOAD_H
#define DESKUPLOAD_H

// One upload of a desk into the switch, the only one there is: the window
// (through the device object's uploadDesk), seamrun apply and the device
// object's sendAllCommand all run it, so they send the same bytes and agree
// on what success is.
//
// The transaction: a list-open announcing the records that follow, one port
// record per monitor (a refused one is sent up to three more times; one
// still refused ends the walk), the mouse record, and the list-close, which
// carries the number of records the switch accepted. Once the list is open
// the mouse record and the list-close always go out, so the switch's list
// is closed whatever happened. The upload succeeded only when the switch
// accepted the list-open, every record and the list-close.
//
// It runs synchronously on the caller's thread, reports every exchange to an
// observer as it happens, and returns one outcome with the details.

#include "desk/desk.h"
#include "desk/deskrules.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QVector>

#include <array>
#include <functional>

class GeneralCommand;

class DeskUpload
{
    Q_GADGET
public:
    // How an upload ended (the first thing that went wrong).
    enum Outcome {
        Uploaded,      // the switch accepted every record and the list-close
        OpenFailed,    // the list-open exchange failed: nothing else was sent
        DriverRunning, // list-open answered 3: the extended desktop driver holds the switch
        OpenRefused,   // list-open answered another status: nothing else was sent
        RecordRefused, // a port record was still refused after its retries
        MouseRefused,  // the mouse record was refused
        CloseRefused,  // the list-close was refused or not answered
    };
    Q_ENUM(Outcome)

    enum Exchange { ListOpen, PortRecord, MouseRecord, ListClose };
    Q_ENUM(Exchange)

    // A refused port record is sent up to this many more times.
    static const int kRecordRetries = 3;
    // The list-open status of a switch held by the extended desktop driver.
    static const int kDriverRunningStatus = 3;

    // The ten port record values, in the order the record carries them:
    // port, monitor number, x, y, width low/high, height low/high, main x,
    // main y; each is sent as its low 8 bits.
    using PortArgs = PortRecordArgs;
    using Payload = std::array<unsigned char, 10>;
    using MousePayload = std::array<unsigned char, 6>;

    struct Record {
        int monitor = -1;  // index into the monitors given; -1 for records given as such
        PortArgs args{};
        int attempts = 0;  // 0: not sent (the walk ended before it)
        bool accepted = false;
    };

    // One exchange, as it happened.
    struct Step {
        Exchange exchange = ListOpen;
        int record = -1;   // PortRecord: index into the records
        int attempt = 1;   // PortRecord: 1 .. 1 + kRecordRetries
        int status = -1;   // the switch's status, -1 when the exchange failed
        bool accepted() const { return status == 0; }
    };
    using StepObserver = std::function<void(const Step &)>;

    // What a desk sends: the monitors on ports up to `ports`, in the order
    // given, with their coordinates worked out over those monitors alone (so
    // a desk sends the same bytes whether or not other monitors were left
    // out); and the monitors left out.
    struct Plan {
        QVector<Record> records;
        QVector<int> leftOut; // indices into the monitors given
    };

    struct Result {
        Outcome outcome = OpenFailed;
        int announced = 0;
        int openStatus = -1;
        QVector<Record> records;
        QVector<int> leftOut;
        int mouseStatus = -1;  // -1 also when not sent
        int closeStatus = -1;
        QVector<Step> steps;
        // Why the first failed exchange failed (transport or a reply cut
        // short); empty when every exchange went through. A refusal is the
        // switch's answer, not a failure.
        QString error;
        bool uploaded() const { return outcome == Uploaded; }
        // Every record and the mouse record accepted.
        bool complete() const;
    };

    explicit DeskUpload(GeneralCommand &command);

    void setStepObserver(StepObserver observer) { m_observer = std::move(observer); }

    // The monitors in the order they go out (the editor sends grid order).
    static Plan plan(const QVector<Monitor> &monitors, int ports);

    // A desk: plans it and uploads the records plus the mouse record (record
    // number 0, as the editor sends it).
    Result upload(const QVector<Monitor> &monitors, int ports, const MouseSettings &mouse);
    Result upload(const Plan &plan, const MouseSettings &mouse);
    // Records worked out by the caller, announcing `announced` records (the
    // switch accepts the list when that is the records plus the mouse
    // record), and the mouse record under the caller's record number.
    Result upload(int announced, const QVector<Record> &records, const MouseSettings &mouse,
                  int mouseRecordNumber = 0);

    // The bytes of the two records, as the switch takes them: each value as
    // its low 8 bits, the focus switch in bit 7 of the mouse record's fifth
    // byte and the duration below it.
    static Payload portPayload(const PortArgs &args);
    static MousePayload mousePayload(const MouseSettings &mouse, int recordNumber = 0);
    // Bit 7 the focus switch, bits 0-6 the duration (before the cut to 8 bits).
    static int focusDuration(int focus, int duration);

    static QString outcomeName(Outcome outcome);
    static QString exchangeName(Exchange exchange); // "list-open", "port-record", ...

    // A result for the screens: {outcome (Outcome), outcomeName, uploaded,
    // complete, announced, openStatus, mouseStatus, closeStatus, error,
    // steps: [{exchange, record, attempt, status, accepted}],
    // records: [{gridindex, portnum, monitornum, relative_row, relative_col,
    // main_relative_row, main_relative_col, attempts, accepted}],
    // leftOut: [gridindex]}. Grid indices are those of the monitors given.
    static QVariantMap toVariantMap(const Result &result, const QVector<Monitor> &monitors);

private:
    void report(Result &result, const Step &step);

    GeneralCommand &m_command;
    StepObserver m_observer;
};

#endif // DESKUPLOAD_H
