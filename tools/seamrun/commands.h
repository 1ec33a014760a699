#ifndef SEAMRUN_COMMANDS_H
#define SEAMRUN_COMMANDS_H

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class ToolRules;

// Exit status of every subcommand: one table, documented in --help and the
// README. Whatever explains a status other than 0 goes to standard error.
enum ExitStatus {
    ExitOk = 0,
    ExitCheckFailed = 1,      // the layout fails one of the editor's checks
    ExitNotLayout = 2,        // no such file, unreadable, or not a layout
    ExitDriverRunning = 3,    // the extended desktop driver is running
    ExitNoSwitch = 4,         // no switch could be opened (none attached, or it failed)
    ExitSecondarySwitch = 5,  // this computer is attached to the secondary switch
    ExitNeedsPrimaryOnly = 6, // one switch, monitors on both switches' ports
    ExitSecondaryOnly = 7,    // one switch, monitors on the secondary ports only
    ExitUploadFailed = 8,     // the switch did not answer or refused the upload
    ExitNoAccess = 9,         // a switch is attached, but this user may not open it
    ExitUsage = 64,
};

// Human text as it happens, or one JSON object at the end (--json).
class Output
{
public:
    explicit Output(bool json) : m_json(json) {}

    bool json() const { return m_json; }
    QJsonObject &result() { return m_result; }

    // A line of the command's normal output (human mode only).
    void line(const QString &text);
    // A step of a device exchange: printed at once, and kept for --json.
    void step(const QString &name, const QString &text);
    // "seamrun: <text>" on standard error, in both modes; kept for --json.
    void error(const QString &text);
    // Prints the JSON object (with "exit") when asked for; returns status.
    int finish(int status);

private:
    bool m_json;
    QJsonObject m_result;
    QJsonArray m_steps;
};

int showCommand(Output &out, ToolRules &rules, const QString &file);
int checkCommand(Output &out, ToolRules &rules, const QString &file);
int applyCommand(Output &out, ToolRules &rules, const QString &file, bool primaryOnly, int waitMs);
int statusCommand(Output &out, ToolRules &rules, int waitMs);
// The layout of a JSON desk (as show --json prints it), checked as the
// editor checks before saving, written as a protected layout file.
int writeCommand(Output &out, ToolRules &rules, const QString &jsonFile, const QString &outFile);

#endif // SEAMRUN_COMMANDS_H
