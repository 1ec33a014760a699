#ifndef SEAMRUN_FOLLOWLINKS_H
#define SEAMRUN_FOLLOWLINKS_H

// Where a write to a path has to go. A finished file is renamed into place,
// and renaming over a symbolic link replaces the link itself: the file it
// leads to would keep its old content. So a link is followed to the end of
// its chain (a relative target counts from the link's own folder), and that
// file is the one replaced; the links stay. The program's save and the
// kmcrypt tool both take the target from here.
//
// Header only and POSIX only, like the rest of the library's path handling
// outside Windows.

#if !defined(_WIN32)

#include <cerrno>
#include <climits>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace km {

// `absolute` followed through its links into `resolved`. False (errno set)
// when a link cannot be read or the links go round in circles.
inline bool FollowLinks(const std::string &absolute, std::string &resolved)
{
    std::string at = absolute;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            resolved = at;
            return true;
        }
        char target[PATH_MAX];
        const ssize_t n = readlink(at.c_str(), target, sizeof target);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof target) {
            if (n > 0)
                errno = ENAMETOOLONG;
            return false;
        }
        const std::string name(target, static_cast<std::size_t>(n));
        if (name[0] == '/') {
            at = name;
        } else {
            const std::size_t cut = at.rfind('/'); // "" before the name of "/x"
            at = (cut == std::string::npos ? std::string(".") : at.substr(0, cut)) + "/" + name;
        }
    }
    errno = ELOOP;
    return false;
}

} // namespace km

#endif

#endif // SEAMRUN_FOLLOWLINKS_H
