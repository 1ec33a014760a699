// Helpers shared by the fuzz targets: a private folder for the files they
// write, and paths in the form the cipher library takes.
#ifndef SEAMRUN_FUZZ_COMMON_H
#define SEAMRUN_FUZZ_COMMON_H

#include "CipherExports.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace fuzz {

// One folder per process, made on first use, removed at exit.
inline const std::string &WorkDir()
{
    static const std::string dir = [] {
        const char *tmp = std::getenv("TMPDIR");
        std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/kmfuzz-XXXXXX";
        if (!mkdtemp(&templ[0]))
            std::abort();
        static std::string keep;
        keep = templ;
        std::atexit([] {
            for (const char *name : {"/in.km", "/in.tmp", "/out.txt"})
                std::remove((keep + name).c_str());
            rmdir(keep.c_str());
        });
        return templ;
    }();
    return dir;
}

inline std::basic_string<KmPathChar> Path16(const std::string &path)
{
    // The folder comes from TMPDIR; keep the fuzz folders ASCII.
    return std::basic_string<KmPathChar>(path.begin(), path.end());
}

inline std::string WriteInput(const uint8_t *data, size_t size)
{
    const std::string path = WorkDir() + "/in.km";
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f || (size > 0 && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0)
        std::abort();
    return path;
}

} // namespace fuzz

#endif
