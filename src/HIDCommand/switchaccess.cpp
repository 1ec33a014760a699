#include "switchaccess.h"

#include <QtGlobal>

#include <hidapi.h>

#ifndef Q_OS_WIN
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// True only when the system says "permission denied" for the node. A path
// that is no file at all (other platforms' paths, a stand-in's name) says
// nothing either way: the open will tell.
bool accessDenied(const char *path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path)
    return false;
#else
    if (!path || ::access(path, R_OK | W_OK) == 0)
        return false;
    return errno == EACCES || errno == EPERM;
#endif
}

} // namespace

SwitchAccess SwitchAccess::lookUp(unsigned short vid, unsigned short pid)
{
    SwitchAccess result;
    // hid_enumerate initialises hidapi itself when needed; it reads the
    // device list only and opens nothing.
    hid_device_info *devices = hid_enumerate(vid, pid);
    for (hid_device_info *d = devices; d; d = d->next) {
        const QString path = d->path ? QString::fromLocal8Bit(d->path) : QString();
        if (!accessDenied(d->path)) {
            // One switch this user can open is enough.
            result.state = Available;
            result.path = path;
            break;
        }
        if (result.state == Absent) {
            result.state = NoAccess;
            result.path = path;
        }
    }
    hid_free_enumeration(devices);
    return result;
}
