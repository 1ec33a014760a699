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
// The layout editor's screens ("seamrun.editor"): a LoggingCategory of that
// name in QML, so the same rules reach it; nothing to declare here.

#endif // LOGCATEGORIES_H
