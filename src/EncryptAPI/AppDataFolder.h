#ifndef SEAMRUN_APPDATAFOLDER_H
#define SEAMRUN_APPDATAFOLDER_H

// The utility's per-user application data folder, where the save and open
// pipeline keeps "km.temp" and "temp.km". The cipher library and the program
// both take it from here: if they worked out the folder each on its own, one
// would write the temporary file where the other never looks.
//
// Header only, so the library stays free of Qt and the program needs no
// export beyond the library's fixed set.

#include <string>

#if defined(_WIN32)
#  include <cstdlib>
#else
#  include <cstdlib>
#  include <pwd.h>
#  include <sys/types.h>
#  include <unistd.h>
#  include <vector>
#endif

namespace km {

#if defined(_WIN32)

using AppDataString = std::wstring;

inline bool AppDataFolder(AppDataString &out)
{
    const wchar_t *base = _wgetenv(L"APPDATA");
    if (!base || !*base)
        return false;
    out = std::wstring(base) + L"\\Vesko\\Seamrun Switching Configuration Utility";
    return true;
}

#else

using AppDataString = std::string; // native 8-bit path (UTF-8)

// The rule itself, on given values (null for unset): $XDG_DATA_HOME, else
// $HOME/.local/share, else the home folder of the account/.local/share; then
// organization and application name. Relative values are ignored: they would
// put the user's layout somewhere below whatever folder the program was
// started in. False when nothing absolute is left.
inline bool AppDataFolderFrom(const char *xdgDataHome, const char *home, const char *accountHome,
                              AppDataString &out)
{
    auto absolute = [](const char *p) { return p && p[0] == '/'; };
    std::string base;
    if (absolute(xdgDataHome)) {
        base = xdgDataHome;
    } else {
        const char *h = absolute(home) ? home : absolute(accountHome) ? accountHome : nullptr;
        if (!h)
            return false;
        base = h;
        while (base.size() > 1 && base.back() == '/')
            base.pop_back();
        base += base == "/" ? ".local/share" : "/.local/share";
    }
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    out = base + (base == "/" ? "" : "/") + "Vesko/Seamrun Switching Configuration Utility";
    return true;
}

inline bool AppDataFolder(AppDataString &out)
{
    const char *xdg = std::getenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    auto absolute = [](const char *p) { return p && p[0] == '/'; };
    if (absolute(xdg) || absolute(home))
        return AppDataFolderFrom(xdg, home, nullptr, out);
    // Only now ask the account database (HOME unset, as under some service
    // managers and "env -i").
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? std::size_t(size) : 16384);
    struct passwd entry;
    struct passwd *found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return false;
    return AppDataFolderFrom(xdg, home, found->pw_dir, out);
}

#endif

} // namespace km

#endif
