// seamrun: the layout editor's checks, a text view of a layout file (also as
// JSON, and back from JSON to a layout file), and the "Save to device"
// upload, from a terminal and for scripts.

#include "argpath.h"
#include "commands.h"
#include "toolrules.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStringList>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

const char kUsage[] =
    "Usage: seamrun [--json] COMMAND [ARGUMENTS]\n"
    "\n"
    "Layout files (\"*.km\") of the Seamrun Switching Configuration Utility:\n"
    "  seamrun show FILE.km         the layout as a grid (used rows and columns),\n"
    "                               each monitor's resolution, the mouse settings\n"
    "  seamrun check FILE.km        the layout editor's checks, with its messages\n"
    "  seamrun write DESK.json OUT.km\n"
    "                               a layout file from a desk in JSON (the form\n"
    "                               show --json prints), after the editor's checks;\n"
    "                               nothing is written when they fail\n"
    "  seamrun apply FILE.km [--primary-only]\n"
    "                               check the layout and write it into the OrrinKM\n"
    "                               switch, as \"Save to device\" does, step by step;\n"
    "                               waits 3 seconds after opening the switch\n"
    "  seamrun status               is a switch attached, its firmware version, the\n"
    "                               chained switches and the port this computer is on\n"
    "\n"
    "Options:\n"
    "  --json           print one JSON object on standard output (every command)\n"
    "  --primary-only   apply: with one switch, save the monitors of ports P1-P4\n"
    "                   and leave those of the secondary ports out instead of\n"
    "                   refusing (the file is not changed)\n"
    "  -h, --help       show this text\n"
    "  --version        show the program's version\n"
    "\n"
    "Exit status:\n"
    "  0   done: the layout passes, is shown, was written or saved to the\n"
    "      switch; a switch answered the status queries\n"
    "  1   the layout fails one of the editor's checks (nothing is sent or\n"
    "      written)\n"
    "  2   no such file, unreadable, or not a layout file (write: not a desk in\n"
    "      JSON, or OUT.km cannot be written)\n"
    "  3   the extended desktop driver is running (found before opening the\n"
    "      switch, or reported by the switch)\n"
    "  4   no switch could be opened\n"
    "  5   this computer is attached to the secondary switch\n"
    "  6   one switch, and monitors on both switches' ports: see --primary-only\n"
    "  7   one switch, and monitors on the secondary switch's ports only\n"
    "  8   the switch did not answer or refused the upload (status: a query)\n"
    "  9   a switch is attached, but this user may not open it: install the\n"
    "      udev rule 70-orrinkm.rules, then unplug and replug the switch\n"
    "  64  wrong usage\n"
    "Messages that explain a status other than 0 go to standard error.\n";

int usageError(const QString &message)
{
    std::fprintf(stderr, "seamrun: %s\n\n%s", printableText(message).toLocal8Bit().constData(), kUsage);
    return ExitUsage;
}

// The wait between opening the switch and the first query. Tests and the
// benchmark shorten it; it is not meant for everyday use.
int waitMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("SEAMRUN_APPLY_WAIT_MS", &ok);
    return ok && ms >= 0 && ms <= 60000 ? ms : 3000;
}

} // namespace

int main(int argc, char **argv)
{
    // The environment's character set, for file names and messages (the
    // application object would set up the whole locale). Show and check need
    // nothing else of that object, so only the commands that talk to the
    // switch make one (making it adds to the time of every check).
    std::setlocale(LC_CTYPE, "");
    // File names keep their bytes even when they are not text (argpath.h).
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(argumentText(QByteArray(argv[i])));

    bool json = false;
    bool primaryOnly = false;
    bool options = true;
    QStringList words;
    for (const QString &arg : args) {
        if (options && arg == QLatin1String("--")) {
            options = false;
        } else if (options && (arg == QLatin1String("-h") || arg == QLatin1String("--help"))) {
            std::fputs(kUsage, stdout);
            return ExitOk;
        } else if (options && arg == QLatin1String("--version")) {
            std::printf("seamrun %s\n", SEAMRUN_TOOL_VERSION);
            return ExitOk;
        } else if (options && arg == QLatin1String("--json")) {
            json = true;
        } else if (options && arg == QLatin1String("--primary-only")) {
            primaryOnly = true;
        } else if (options && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return usageError(QStringLiteral("unknown option: ") + arg);
        } else {
            words.append(arg);
        }
    }
    if (words.isEmpty())
        return usageError(QStringLiteral("no command given"));

    const QString command = words.takeFirst();
    const bool takesFile = command == QLatin1String("show") || command == QLatin1String("check")
                           || command == QLatin1String("apply");
    if (command == QLatin1String("write")) {
        if (words.size() != 2)
            return usageError(QStringLiteral("write takes a desk in JSON and the layout file to write"));
        if (primaryOnly)
            return usageError(QStringLiteral("--primary-only belongs to apply"));
        ToolRules rules;
        Output out(json);
        const int code = writeCommand(out, rules, words.at(0), words.at(1));
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(code);
    }
    if (!takesFile && command != QLatin1String("status"))
        return usageError(QStringLiteral("unknown command: ") + command);
    if (takesFile && words.size() != 1)
        return usageError(command + QStringLiteral(" takes exactly one layout file"));
    if (!takesFile && !words.isEmpty())
        return usageError(QStringLiteral("status takes no arguments"));
    if (primaryOnly && command != QLatin1String("apply"))
        return usageError(QStringLiteral("--primary-only belongs to apply"));

    ToolRules rules;

    Output out(json);
    if (command == QLatin1String("show") || command == QLatin1String("check")) {
        const int code = command == QLatin1String("show") ? showCommand(out, rules, words.first())
                                                          : checkCommand(out, rules, words.first());
        // Everything is written and the temporary folder is gone: leave
        // without taking the libraries down one by one, which a script
        // running check over many files would otherwise wait for each time.
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(code);
    }

    QCoreApplication app(argc, argv);
    // The device link logs every exchange for the window's debugging; here
    // the steps are the output. QT_LOGGING_RULES brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    if (command == QLatin1String("apply"))
        return applyCommand(out, rules, words.first(), primaryOnly, waitMs());
    return statusCommand(out, rules, waitMs());
}
