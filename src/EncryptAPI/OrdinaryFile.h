#ifndef SEAMRUN_ORDINARYFILE_H
#define SEAMRUN_ORDINARYFILE_H

// Only ordinary files are read, and only an ordinary file (or nothing) is
// written or replaced. A name can lead anywhere: opening a named pipe waits
// for a writer that never comes, a device such as /dev/zero never ends, and
// renaming a finished file over a device node or a pipe replaces it with a
// plain file. So every file is looked at before it is opened, opened without
// waiting, and looked at again through the open descriptor (the name may have
// been swapped in between). What was found is kept so that callers can say
// what stood in the way. The cipher library, kmcrypt, the program's save and
// open and seamrun all take the rule from here.
//
// Header only and POSIX only, like FollowLinks.h.

#if !defined(_WIN32)

#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace km {

enum class FileKind {
    Missing,   // nothing under that name
    Ordinary,  // an ordinary file
    Folder,
    Pipe,      // a named pipe (FIFO)
    CharDevice,
    BlockDevice,
    Socket,
    Unknown,   // could not be looked at (errno tells why)
};

inline FileKind KindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FileKind::Ordinary;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISFIFO(mode))
        return FileKind::Pipe;
    if (S_ISCHR(mode))
        return FileKind::CharDevice;
    if (S_ISBLK(mode))
        return FileKind::BlockDevice;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    return FileKind::Unknown;
}

// For messages: "not an ordinary file (a named pipe)".
inline const char *KindName(FileKind kind)
{
    switch (kind) {
    case FileKind::Missing: return "nothing";
    case FileKind::Ordinary: return "an ordinary file";
    case FileKind::Folder: return "a folder";
    case FileKind::Pipe: return "a named pipe";
    case FileKind::CharDevice: return "a character device";
    case FileKind::BlockDevice: return "a block device";
    case FileKind::Socket: return "a socket";
    case FileKind::Unknown: break;
    }
    return "not a file";
}

// What a name leads to, through its symbolic links; Unknown (errno set) when
// it cannot be looked at.
inline FileKind KindOfPath(const char *path)
{
    struct stat st;
    if (::stat(path, &st) == 0)
        return KindOfMode(st.st_mode);
    return errno == ENOENT ? FileKind::Missing : FileKind::Unknown;
}

// Whether a write may put a file under this name (links already followed by
// the caller, or followed here): nothing there yet, or an ordinary file.
inline bool MayWriteTo(FileKind kind)
{
    return kind == FileKind::Missing || kind == FileKind::Ordinary;
}

namespace detail {

// The descriptor back to waiting reads and writes: an ordinary file never
// waits anyway, and stdio expects the usual behaviour.
inline bool Blocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

inline int Refuse(int fd, FileKind &kind, FileKind found)
{
    kind = found;
    ::close(fd);
    errno = EINVAL;
    return -1;
}

} // namespace detail

// Opens an existing ordinary file for reading. The descriptor, or -1 with
// `kind` telling what was found (Ordinary with errno set when the file itself
// could not be opened). `size` is the file's size when it was checked: read
// no more than that, so a file that grows meanwhile still ends.
inline int OpenOrdinaryForReading(const char *path, FileKind &kind, int64_t &size)
{
    kind = KindOfPath(path);
    if (kind != FileKind::Ordinary)
        return -1;
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return detail::Refuse(fd, kind, FileKind::Unknown);
    if (!S_ISREG(st.st_mode))
        return detail::Refuse(fd, kind, KindOfMode(st.st_mode));
    if (!detail::Blocking(fd))
        return detail::Refuse(fd, kind, FileKind::Unknown);
    size = static_cast<int64_t>(st.st_size);
    return fd;
}

// Creates or truncates an ordinary file for writing (`permissions` as for
// open(2), the umask applies). A name that leads to anything else is left
// alone: -1 with `kind` telling what was found.
inline int OpenOrdinaryForWriting(const char *path, mode_t permissions, FileKind &kind)
{
    kind = KindOfPath(path);
    if (!MayWriteTo(kind))
        return -1;
    // Without waiting: a pipe put in place meanwhile fails to open (no
    // reader) or is refused below, instead of holding the writer.
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, permissions);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return detail::Refuse(fd, kind, FileKind::Unknown);
    if (!S_ISREG(st.st_mode))
        return detail::Refuse(fd, kind, KindOfMode(st.st_mode));
    kind = FileKind::Ordinary;
    // Truncated only now that it is known to be a file.
    if (::ftruncate(fd, 0) != 0 || !detail::Blocking(fd)) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

} // namespace km

#endif

#endif // SEAMRUN_ORDINARYFILE_H
