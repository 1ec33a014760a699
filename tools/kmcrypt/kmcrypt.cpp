// kmcrypt: protects and unprotects files in the utility's protected layout
// format, using nothing but the cipher library's exported functions.

#include "CipherExports.h"
#include "FollowLinks.h"
#include "OrdinaryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kUsage[] =
    "Usage: kmcrypt COMMAND ARGUMENTS\n"
    "\n"
    "Protected layout files (\"*.km\", \"resolution.res\"):\n"
    "  kmcrypt protect IN OUT     write OUT as the protected form (version 4) of IN\n"
    "  kmcrypt unprotect IN OUT   write the plain text of the protected file IN to OUT\n"
    "  kmcrypt version FILE       print the format version of FILE (2, 3 or 4)\n"
    "  kmcrypt cat FILE           print the plain text of the protected file FILE\n"
    "  kmcrypt help               show this text\n"
    "\n"
    "Paths may have at most 251 characters once made absolute, the output's folder 228\n"
    "(the work happens in a temporary folder inside it). Nothing but OUT is written;\n"
    "an OUT that is a symbolic link writes the file it leads to, and a file that is\n"
    "replaced keeps its permissions.\n"
    "IN and FILE must be ordinary files, and OUT an ordinary file or a new name:\n"
    "named pipes, devices and folders are refused (exit status 1, nothing written).\n"
    "Exit status: 0 on success, 1 when the operation failed, 2 for a usage error.\n";

using Path16 = std::basic_string<KmPathChar>;

bool Utf8ToUtf16(const std::string &in, Path16 &out)
{
    out.clear();
    const auto *s = reinterpret_cast<const unsigned char *>(in.data());
    for (std::size_t i = 0; i < in.size();) {
        uint32_t c = s[i];
        std::size_t extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2
                                       : (c & 0xF8) == 0xF0 ? 3 : 4;
        if (extra == 4 || in.size() - i - 1 < extra)
            return false;
        if (extra > 0)
            c &= 0x3Fu >> extra;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (s[i + k] & 0x3F);
        }
        static const uint32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
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

int Fail(const std::string &message)
{
    std::fprintf(stderr, "kmcrypt: %s\n", message.c_str());
    return 1;
}

// The library takes absolute UTF-16 paths.
bool LibraryPath(const std::string &path, Path16 &out, std::string &absolute)
{
    absolute = path;
    if (path.empty())
        return false;
    if (path[0] != '/') {
        char cwd[4096];
        if (!getcwd(cwd, sizeof cwd))
            return false;
        absolute = std::string(cwd) + "/" + path;
    }
    // Room for the derived scratch name is checked by the library.
    return Utf8ToUtf16(absolute, out) && out.size() <= 251;
}

bool ArgPath(const char *arg, Path16 &out, int &status)
{
    std::string absolute;
    if (!LibraryPath(arg, out, absolute)) {
        status = Fail(std::string("path not usable (not UTF-8 or over 251 characters): ") + arg);
        return false;
    }
    return true;
}

const char *VersionError(int version)
{
    return version == 1 ? "cannot be read or is too short to be a protected file" : nullptr;
}

std::string Absolute(const std::string &path)
{
    if (path.empty() || path[0] == '/')
        return path;
    char cwd[4096];
    return getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/" + path : std::string();
}

std::string FolderOf(const std::string &absolute)
{
    const std::size_t cut = absolute.rfind('/');
    return cut == 0 ? std::string("/") : absolute.substr(0, cut);
}

// Where the output goes: through its symbolic links, if it is one.
bool OutputPath(const char *out, std::string &resolved)
{
    const std::string absolute = Absolute(out);
    if (absolute.empty()) {
        if (!*out)
            errno = ENOENT;
        return false;
    }
    return km::FollowLinks(absolute, resolved);
}

int CannotWrite(const char *out)
{
    return Fail(std::string("cannot write ") + out + ": " + std::strerror(errno));
}

int NotOrdinary(const char *name, km::FileKind kind)
{
    return Fail(std::string(name) + ": not an ordinary file (" + km::KindName(kind) + ")");
}

// An input is read only when it is an ordinary file: a named pipe would hold
// the tool until something writes to it, and a device such as /dev/zero
// would be read until the disk is full.
bool CheckInput(const char *in, int &status)
{
    const std::string absolute = Absolute(in);
    km::FileKind kind = km::FileKind::Unknown;
    int64_t size = 0;
    const int fd = absolute.empty() ? -1 : km::OpenOrdinaryForReading(absolute.c_str(), kind, size);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (kind == km::FileKind::Missing || kind == km::FileKind::Ordinary || kind == km::FileKind::Unknown) {
        if (absolute.empty() && !*in)
            errno = ENOENT;
        status = Fail(std::string("cannot read ") + in + ": " + std::strerror(errno));
    } else {
        status = NotOrdinary(in, kind);
    }
    return false;
}

// The output replaces an ordinary file or takes a new name; renaming the
// finished file over a device node or a pipe would put a plain file in its
// place. `target`: the output with its links followed.
bool CheckOutput(const char *out, const std::string &target, int &status)
{
    const km::FileKind kind = km::KindOfPath(target.c_str());
    if (km::MayWriteTo(kind))
        return true;
    status = kind == km::FileKind::Unknown ? CannotWrite(out) : NotOrdinary(out, kind);
    return false;
}

// A private folder for everything the library makes on the way: it puts its
// ".tmp" scratch file beside the file it works on, so it only ever works on
// names in here, and the output is complete before it takes its place. The
// user's files are never touched but for the output. Removed with all it
// holds when it goes out of scope.
class WorkFolder
{
public:
    ~WorkFolder()
    {
        if (m_path.empty())
            return;
        if (DIR *dir = opendir(m_path.c_str())) {
            while (const dirent *entry = readdir(dir)) {
                const std::string name = entry->d_name;
                if (name != "." && name != "..")
                    std::remove(file(name.c_str()).c_str());
            }
            closedir(dir);
        }
        rmdir(m_path.c_str());
    }

    // Creates the folder inside `parent` (0700, a new unique name).
    bool create(const std::string &parent)
    {
        std::string templ = (parent == "/" ? "" : parent) + "/.kmcrypt-XXXXXX";
        if (!mkdtemp(&templ[0]))
            return false;
        m_path = templ;
        return true;
    }

    std::string file(const char *name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

int CannotCreateWorkFolder(const std::string &where)
{
    return Fail("cannot create a temporary folder in " + where + ": " + std::strerror(errno));
}

// The input as the library sees it: a link in the work folder, so its
// scratch file lands there too. A link costs nothing for a large input and
// works for inputs in read-only folders.
bool LinkInput(const WorkFolder &work, const char *in, Path16 &source, int &status)
{
    const std::string target = Absolute(in);
    const std::string link = work.file("in.km");
    if (target.empty() || symlink(target.c_str(), link.c_str()) != 0) {
        status = Fail(std::string("cannot read ") + in + ": " + std::strerror(errno));
        return false;
    }
    return ArgPath(link.c_str(), source, status);
}

// Moves the finished output over `target` (the output `out` names) in one
// step. A file it replaces passes its permission bits on, so a private file
// stays private; nobody else reaches the work folder in the meantime.
int Finish(const std::string &done, const std::string &target, const char *out)
{
    int status = 0;
    if (!CheckOutput(out, target, status)) // once more: it may have changed meanwhile
        return status;
    struct stat st;
    if (stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)
        && chmod(done.c_str(), st.st_mode & 0777) != 0)
        return CannotWrite(out);
    if (std::rename(done.c_str(), target.c_str()) != 0)
        return CannotWrite(out);
    return 0;
}

int Protect(const char *in, const char *out)
{
    int status = 0;
    Path16 source;
    // Only read: the scratch goes beside the target.
    if (!ArgPath(in, source, status) || !CheckInput(in, status))
        return status;
    std::string target;
    if (!OutputPath(out, target))
        return CannotWrite(out);
    if (!CheckOutput(out, target, status))
        return status;
    // Beside the output, so the finished file can be renamed into place.
    const std::string outFolder = FolderOf(target);
    WorkFolder work;
    if (!work.create(outFolder))
        return CannotCreateWorkFolder(outFolder);
    const std::string done = work.file("out.km");
    Path16 done16;
    if (!ArgPath(done.c_str(), done16, status))
        return status;
    if (EncryptByFilePath(source.c_str(), done16.c_str()) != 0)
        return Fail(std::string("cannot protect ") + in + " into " + out);
    return Finish(done, target, out);
}

// Decrypts into target.
int UnprotectTo(const char *in, const Path16 &source, const Path16 &target)
{
    const int version = CheckAcpFileVer(source.c_str());
    if (VersionError(version))
        return Fail(std::string(in) + ": " + VersionError(version));
    const int code = DecryptByFilePath(source.c_str(), target.c_str());
    if (code == 2)
        return Fail(std::string(in) + ": not a protected file, or a damaged one");
    if (code != 0)
        return Fail(std::string("cannot unprotect ") + in);
    return 0;
}

int Unprotect(const char *in, const char *out)
{
    int status = 0;
    if (!CheckInput(in, status))
        return status;
    std::string output;
    if (!OutputPath(out, output))
        return CannotWrite(out);
    if (!CheckOutput(out, output, status))
        return status;
    const std::string outFolder = FolderOf(output);
    WorkFolder work;
    if (!work.create(outFolder))
        return CannotCreateWorkFolder(outFolder);
    Path16 source, target;
    const std::string done = work.file("out.txt");
    if (!LinkInput(work, in, source, status) || !ArgPath(done.c_str(), target, status))
        return status;
    status = UnprotectTo(in, source, target);
    return status != 0 ? status : Finish(done, output, out);
}

int Version(const char *file)
{
    int status = 0;
    Path16 path;
    if (!ArgPath(file, path, status) || !CheckInput(file, status))
        return status;
    const int version = CheckAcpFileVer(path.c_str());
    if (VersionError(version))
        return Fail(std::string(file) + ": " + VersionError(version));
    std::printf("%d\n", version);
    return 0;
}

int Cat(const char *file)
{
    int status = 0;
    if (!CheckInput(file, status))
        return status;
    const char *tmp = std::getenv("TMPDIR");
    const std::string folder = tmp && *tmp ? tmp : "/tmp";
    WorkFolder work;
    if (!work.create(folder))
        return CannotCreateWorkFolder(folder);
    Path16 source, target;
    const std::string done = work.file("out.txt");
    if (!LinkInput(work, file, source, status) || !ArgPath(done.c_str(), target, status))
        return status;
    status = UnprotectTo(file, source, target);
    if (status != 0)
        return status;
    FILE *plain = std::fopen(done.c_str(), "rb");
    if (!plain)
        return Fail("cannot read the plain text back");
    char buffer[65536];
    std::size_t n;
    bool ok = true;
    while ((n = std::fread(buffer, 1, sizeof buffer, plain)) > 0) {
        if (std::fwrite(buffer, 1, n, stdout) != n) {
            ok = false;
            break;
        }
    }
    ok = ok && !std::ferror(plain);
    std::fclose(plain);
    if (std::fflush(stdout) != 0 || !ok)
        return Fail("cannot write the plain text");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "help" || command == "-h" || command == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "protect" && argc == 4)
        return Protect(argv[2], argv[3]);
    if (command == "unprotect" && argc == 4)
        return Unprotect(argv[2], argv[3]);
    if (command == "version" && argc == 3)
        return Version(argv[2]);
    if (command == "cat" && argc == 3)
        return Cat(argv[2]);
    if (!command.empty())
        std::fprintf(stderr, "kmcrypt: unknown command or wrong number of arguments: %s\n\n",
                     command.c_str());
    std::fputs(kUsage, stderr);
    return 2;
}
