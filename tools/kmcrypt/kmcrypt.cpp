// kmcrypt: protects and unprotects files in the utility's protected layout
// format, using nothing but the cipher library's exported functions.

#include "CipherExports.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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
    "Paths may have at most 251 characters once made absolute.\n"
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

// Output goes to a staging file beside `out` that takes its place only when
// complete, so a failed run never costs a file the user already had there.
std::string StagingName(const char *out)
{
    return std::string(out) + ".part";
}

int Finish(const std::string &staging, const char *out)
{
    if (std::rename(staging.c_str(), out) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(staging.c_str());
        return Fail(std::string("cannot write ") + out + ": " + reason);
    }
    return 0;
}

int Protect(const char *in, const char *out)
{
    int status = 0;
    const std::string staging = StagingName(out);
    Path16 source, target;
    if (!ArgPath(in, source, status) || !ArgPath(staging.c_str(), target, status))
        return status;
    if (EncryptByFilePath(source.c_str(), target.c_str()) != 0) {
        std::remove(staging.c_str());
        return Fail(std::string("cannot protect ") + in + " into " + out);
    }
    return Finish(staging, out);
}

// Decrypts into target; on failure the partial target is removed.
int UnprotectTo(const char *in, const Path16 &source, const Path16 &target, const std::string &outName)
{
    const int version = CheckAcpFileVer(source.c_str());
    if (VersionError(version))
        return Fail(std::string(in) + ": " + VersionError(version));
    const int code = DecryptByFilePath(source.c_str(), target.c_str());
    if (code != 0) {
        std::remove(outName.c_str());
        if (code == 2)
            return Fail(std::string(in) + ": not a protected file, or a damaged one");
        return Fail(std::string("cannot unprotect ") + in);
    }
    return 0;
}

int Unprotect(const char *in, const char *out)
{
    int status = 0;
    const std::string staging = StagingName(out);
    Path16 source, target;
    if (!ArgPath(in, source, status) || !ArgPath(staging.c_str(), target, status))
        return status;
    status = UnprotectTo(in, source, target, staging);
    return status != 0 ? status : Finish(staging, out);
}

int Version(const char *file)
{
    int status = 0;
    Path16 path;
    if (!ArgPath(file, path, status))
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
    Path16 source;
    if (!ArgPath(file, source, status))
        return status;
    const char *tmp = std::getenv("TMPDIR");
    std::string name = std::string(tmp && *tmp ? tmp : "/tmp") + "/kmcrypt-XXXXXX";
    const int fd = mkstemp(&name[0]);
    if (fd < 0)
        return Fail(std::string("cannot create a temporary file: ") + std::strerror(errno));
    close(fd);
    Path16 target;
    std::string absolute;
    if (!LibraryPath(name, target, absolute)) {
        std::remove(name.c_str());
        return Fail("temporary folder path too long: " + name);
    }
    status = UnprotectTo(file, source, target, name);
    if (status != 0)
        return status;
    FILE *plain = std::fopen(name.c_str(), "rb");
    std::remove(name.c_str()); // the open handle keeps it readable
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
