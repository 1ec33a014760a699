#ifndef LOGCATEGORIES_H
#define LOGCATEGORIES_H

// One logging category per subsystem of the native layer, so each can be
// silenced or raised on its own, e.g.
//   QT_LOGGING_RULES="seamrun.hid.debug=false"   (no transport chatter)
//   QT_LOGGING_RULES="*.debug=false;seamrun.files.debug=true"
// Every line still carries file, line and function (QT_MESSAGELOGCONTEXT).

#include <QDebug>
#include <QLoggingCategory>

// HID transport: hidapi calls and their results ("seamrun.hid").
Q_DECLARE_LOGGING_CATEGORY(lcHid)
// Switch command set and the device object the screens call ("seamrun.device").
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
// Layout file access and protection ("seamrun.files").
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
// Application shell: single-instance guard, companion-process probe
// ("seamrun.shell").
Q_DECLARE_LOGGING_CATEGORY(lcShell)
// Switch presence and access as the status line shows them
// ("seamrun.switchstatus").
Q_DECLARE_LOGGING_CATEGORY(lcSwitchStatus)
// Start-up and quit timeline: the time of each step, in ms since the
// process started ("seamrun.startup"; off unless asked for, e.g.
// QT_LOGGING_RULES="seamrun.startup.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcStartup)
// The layout editor's screens ("seamrun.editor"): a LoggingCategory of that
// name in QML, so the same rules reach it; nothing to declare here.

// One step of the start-up (or quit) timeline on "seamrun.startup": the
// milliseconds since the process started and the step's name. The clock
// starts at the launcher's SEAMRUN_BENCH_T0 (nanoseconds of the real-time
// clock, as the benchmarks set it), else when the program's libraries were
// loaded. Costs one check of the category when it is off.
void traceStartup(const char *step);

#endif // LOGCATEGORIES_H
