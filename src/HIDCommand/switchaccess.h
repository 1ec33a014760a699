#ifndef SWITCHACCESS_H
#define SWITCHACCESS_H

#include <QString>

// Whether the switch is in the system's device list and whether this user
// may open it, told without opening it. The device list and the device node
// have separate permissions: on Linux anyone can list /dev/hidraw* devices,
// but without the udev rule only root may open them. One answer for the live
// status, the device object's failed open and the command-line tool.
struct SwitchAccess
{
    enum State {
        Absent,       // no device with these ids is listed
        NoAccess,     // listed, but this user may neither read nor write its node
        Available,    // listed, and nothing says it cannot be opened
    };

    State state = Absent;
    // The listed device's path (e.g. /dev/hidraw3); empty when absent.
    QString path;

    static SwitchAccess lookUp(unsigned short vid, unsigned short pid);
};

#endif // SWITCHACCESS_H
