#include "FilePath.h"

#include "AppDataFolder.h"
#include "OrdinaryFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#  include <windows.h>
#  include <io.h>
#  include <sys/stat.h>
#else
#  include <fcntl.h>
#  include <sys/stat.h>
#  include <sys/types.h>
#  include <unistd.h>
#endif

namespace km {

namespace {

bool IsSeparator(KmPathChar c)
{
#if defined(_WIN32)
    return c == u'\\' || c == u'/';
#else
    return c == u'/';
#endif
}

#if defined(_WIN32)
using Native = std::wstring;
// Windows: files are opened through the long-path prefix.
bool ToNative(const PathStr &path, Native &out)
{
    if (path.empty())
        return false;
    // Absolute drive paths take the long-path prefix; relative ones (the RSA
    // key files in the current folder) cannot have it.
    const bool absolute = path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
    out = absolute ? L"\\\\?\\" + path : path;
    return true;
}
#else
using Native = std::string;
bool ToNative(const PathStr &path, Native &out)
{
    return !path.empty() && Utf16ToUtf8(path, out);
}
#endif

} // namespace

bool PathFromField(const KmPathChar *field, PathStr &out)
{
    if (!field)
        return false;
    std::size_t len = 0;
    while (len < KM_PATH_UNITS && field[len] != 0)
        ++len;
    if (len == KM_PATH_UNITS || len == 0 || len > kMaxPathUnits)
        return false;
    out.assign(field, len);
    return true;
}

bool PathToField(const PathStr &path, KmPathChar *field)
{
    if (path.size() > kMaxPathUnits || path.find(KmPathChar(0)) != PathStr::npos)
        return false;
    std::memset(field, 0, KM_PATH_UNITS * sizeof(KmPathChar));
    std::memcpy(field, path.data(), path.size() * sizeof(KmPathChar));
    return true;
}

bool ScratchPath(const PathStr &path, PathStr &out)
{
    std::size_t dot = PathStr::npos;
    for (std::size_t i = path.size(); i-- > 0;) {
        if (IsSeparator(path[i]))
            break;
        if (path[i] == u'.') {
            dot = i;
            break;
        }
    }
    static const KmPathChar kTmp[] = {u'.', u't', u'm', u'p', 0};
    if (dot == PathStr::npos) {
        out = path + kTmp;
    } else {
        if (path.size() - dot > kMaxExtensionUnits)
            return false;
        out = path.substr(0, dot) + kTmp;
    }
    return out.size() <= kMaxPathUnits;
}

bool Utf16ToUtf8(const PathStr &in, std::string &out)
{
    out.clear();
    out.reserve(in.size() * 3);
    for (std::size_t i = 0; i < in.size(); ++i) {
        uint32_t c = static_cast<uint16_t>(in[i]);
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= in.size())
                return false;
            const uint32_t low = static_cast<uint16_t>(in[i + 1]);
            if (low < 0xDC00 || low > 0xDFFF)
                return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return true;
}

bool Utf8ToUtf16(const std::string &in, PathStr &out)
{
    out.clear();
    const auto *s = reinterpret_cast<const unsigned char *>(in.data());
    const std::size_t n = in.size();
    for (std::size_t i = 0; i < n;) {
        uint32_t c = s[i];
        std::size_t extra;
        uint32_t min;
        if (c < 0x80) {
            extra = 0;
            min = 0;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            c &= 0x1F;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            c &= 0x0F;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            c &= 0x07;
            min = 0x10000;
        } else {
            return false;
        }
        if (n - i - 1 < extra)
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (s[i + k] & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += extra + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<KmPathChar>(0xD800 + (c >> 10));
            out += static_cast<KmPathChar>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<KmPathChar>(c);
        }
    }
    return true;
}

File::~File()
{
    if (m_fp)
        std::fclose(m_fp);
}

// Drops a file still held before another is opened.
void File::release()
{
    if (m_fp) {
        std::fclose(m_fp);
        m_fp = nullptr;
    }
    m_limit = -1;
    m_pos = 0;
}

#if !defined(_WIN32)
// Takes over a descriptor of an ordinary file; `limit` is its size for a
// reader, -1 for a writer.
bool File::adopt(int fd, const char *mode, int64_t limit)
{
    if (fd < 0)
        return false;
    m_fp = fdopen(fd, mode);
    if (!m_fp) {
        ::close(fd);
        return false;
    }
    m_limit = limit;
    m_pos = 0;
    return true;
}
#endif

bool File::open(const PathStr &path, const char *mode)
{
    release();
    Native native;
    if (!ToNative(path, native))
        return false;
    const bool reading = mode[0] == 'r';
#if defined(_WIN32)
    const std::wstring wmode(mode, mode + std::strlen(mode));
    m_fp = _wfopen(native.c_str(), wmode.c_str());
    if (!m_fp)
        return false;
    // A folder opens for reading on some systems, and a device name ("NUL",
    // "CON") opens anywhere; neither is a file to us.
    struct _stat64 st;
    if (_fstat64(_fileno(m_fp), &st) != 0 || !(st.st_mode & _S_IFREG)) {
        std::fclose(m_fp);
        m_fp = nullptr;
        return false;
    }
    m_limit = reading ? static_cast<int64_t>(st.st_size) : -1;
    m_pos = 0;
    return true;
#else
    FileKind kind;
    if (reading) {
        int64_t size = 0;
        const int fd = OpenOrdinaryForReading(native.c_str(), kind, size);
        return adopt(fd, "rb", size);
    }
    return adopt(OpenOrdinaryForWriting(native.c_str(), 0666, kind), "wb", -1);
#endif
}

bool File::createPrivate(const PathStr &path)
{
    return createWithPermissions(path, 0600);
}

bool File::createWithPermissions(const PathStr &path, unsigned permissions)
{
#if defined(_WIN32)
    (void)permissions;
    return open(path, "wb");
#else
    release();
    Native native;
    if (!ToNative(path, native))
        return false;
    permissions &= 0777;
    FileKind kind;
    const int fd = OpenOrdinaryForWriting(native.c_str(), permissions, kind);
    if (fd < 0)
        return false;
    // An existing file keeps its mode through O_CREAT, and a new one has the
    // umask taken off: set the bits exactly.
    if (fchmod(fd, permissions) != 0) {
        ::close(fd);
        return false;
    }
    return adopt(fd, "wb", -1);
#endif
}

std::size_t File::read(void *buffer, std::size_t n)
{
    if (!m_fp || m_limit < 0 || m_pos >= m_limit)
        return 0;
    if (static_cast<uint64_t>(n) > static_cast<uint64_t>(m_limit - m_pos))
        n = static_cast<std::size_t>(m_limit - m_pos);
    const std::size_t got = std::fread(buffer, 1, n, m_fp);
    m_pos += static_cast<int64_t>(got);
    return got;
}

bool File::readFailed() const
{
    return !m_fp || std::ferror(m_fp);
}

bool File::close()
{
    if (!m_fp)
        return false;
    const bool ok = !std::ferror(m_fp);
    const bool closed = std::fclose(m_fp) == 0;
    m_fp = nullptr;
    m_limit = -1;
    m_pos = 0;
    return ok && closed;
}

bool File::sync()
{
    if (!m_fp || std::fflush(m_fp) != 0)
        return false;
#if defined(_WIN32)
    return _commit(_fileno(m_fp)) == 0;
#else
    return fsync(fileno(m_fp)) == 0;
#endif
}

int64_t File::size() const
{
    if (!m_fp)
        return -1;
#if defined(_WIN32)
    struct _stat64 st;
    if (_fstat64(_fileno(m_fp), &st) != 0)
        return -1;
#else
    struct stat st;
    if (fstat(fileno(m_fp), &st) != 0)
        return -1;
#endif
    return static_cast<int64_t>(st.st_size);
}

bool File::seek(int64_t offset)
{
    if (!m_fp || offset < 0)
        return false;
#if defined(_WIN32)
    const bool ok = _fseeki64(m_fp, offset, SEEK_SET) == 0;
#else
    const bool ok = fseeko(m_fp, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
    if (ok)
        m_pos = offset;
    return ok;
}

bool RemoveFile(const PathStr &path)
{
    Native native;
    if (!ToNative(path, native))
        return false;
#if defined(_WIN32)
    return DeleteFileW(native.c_str()) != 0;
#else
    return unlink(native.c_str()) == 0;
#endif
}

namespace {

// 0: missing, 1: file (anything but a folder), 2: folder.
int Kind(const PathStr &path)
{
    Native native;
    if (!ToNative(path, native))
        return 0;
#if defined(_WIN32)
    const DWORD attr = GetFileAttributesW(native.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES)
        return 0;
    return (attr & FILE_ATTRIBUTE_DIRECTORY) ? 2 : 1;
#else
    struct stat st;
    if (stat(native.c_str(), &st) != 0)
        return 0;
    return S_ISDIR(st.st_mode) ? 2 : 1;
#endif
}

} // namespace

bool FileExists(const PathStr &path)
{
    return Kind(path) == 1;
}

bool IsDirectory(const PathStr &path)
{
    return Kind(path) == 2;
}

bool MakePath(const PathStr &dir)
{
    if (dir.empty())
        return false;
    if (IsDirectory(dir))
        return true;
    for (std::size_t i = 1; i <= dir.size(); ++i) {
        if (i < dir.size() && !IsSeparator(dir[i]))
            continue;
        const PathStr part = dir.substr(0, i);
        if (IsDirectory(part))
            continue;
        Native native;
        if (!ToNative(part, native))
            return false;
#if defined(_WIN32)
        // Drive roots and the like cannot be created; the final check decides.
        CreateDirectoryW(native.c_str(), nullptr);
#else
        if (mkdir(native.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
#endif
    }
    return IsDirectory(dir);
}

bool MayWriteFile(const PathStr &path)
{
#if defined(_WIN32)
    return !IsDirectory(path);
#else
    Native native;
    return ToNative(path, native) && MayWriteTo(KindOfPath(native.c_str()));
#endif
}

bool ReplaceFile(const PathStr &from, const PathStr &to)
{
    Native a, b;
    if (!ToNative(from, a) || !ToNative(to, b) || !MayWriteFile(to))
        return false;
#if defined(_WIN32)
    return MoveFileExW(a.c_str(), b.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(a.c_str(), b.c_str()) == 0;
#endif
}

int FilePermissions(const PathStr &path)
{
#if defined(_WIN32)
    (void)path;
    return -1;
#else
    Native native;
    struct stat st;
    if (!ToNative(path, native) || stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return static_cast<int>(st.st_mode & 0777);
#endif
}

bool SameFile(const PathStr &a, const PathStr &b)
{
    if (a == b)
        return true;
#if defined(_WIN32)
    return _wcsicmp(a.c_str(), b.c_str()) == 0;
#else
    Native na, nb;
    if (!ToNative(a, na) || !ToNative(b, nb))
        return false;
    struct stat sa, sb;
    if (stat(na.c_str(), &sa) != 0 || stat(nb.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
}

bool AppDataDir(PathStr &out)
{
    AppDataString dir;
    if (!AppDataFolder(dir))
        return false;
#if defined(_WIN32)
    out = dir;
    return true;
#else
    return Utf8ToUtf16(dir, out);
#endif
}

bool ReadSmallFile(const PathStr &path, std::string &out, std::size_t max)
{
    File f;
    if (!f.open(path, "rb"))
        return false;
    out.clear();
    char buf[4096];
    std::size_t n;
    while ((n = f.read(buf, sizeof buf)) > 0) {
        if (out.size() + n > max)
            return false;
        out.append(buf, n);
    }
    return !f.readFailed();
}

} // namespace km
