#include "logcategories.h"

Q_LOGGING_CATEGORY(lcHid, "seamrun.hid")
Q_LOGGING_CATEGORY(lcDevice, "seamrun.device")
Q_LOGGING_CATEGORY(lcFiles, "seamrun.files")
Q_LOGGING_CATEGORY(lcShell, "seamrun.shell")
Q_LOGGING_CATEGORY(lcSwitchStatus, "seamrun.switchstatus")
