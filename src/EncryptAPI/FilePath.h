#ifndef SEAMRUN_FILEPATH_H
#define SEAMRUN_FILEPATH_H

#include "CipherExports.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace km {

using PathStr = std::basic_string<KmPathChar>;

// Every path, and every path derived from it, must fit a 256-unit field
// together with the 4-unit long-path prefix and the NUL: 251 units.
constexpr std::size_t kMaxPathUnits = 251;
// The extension of a scratch-file base name, dot included, fits 10 units with its NUL.
constexpr std::size_t kMaxExtensionUnits = 9;

// Reads a NUL-terminated path of at most kMaxPathUnits units from a caller's
// pointer (never more than one 256-unit field). False for null, empty, too
// long or unterminated paths.
bool PathFromField(const KmPathChar *field, PathStr &out);
// Copies a path into a 256-unit field; false when it does not fit.
bool PathToField(const PathStr &path, KmPathChar *field);

// The scratch file of a path: its extension (from the last "." of the final
// component) replaced by ".tmp", or ".tmp" appended. False when the extension
// or the result is beyond the limits.
bool ScratchPath(const PathStr &path, PathStr &out);

// Conversions between the 8-bit text of this system and UTF-16 (strict: no
// unpaired surrogates, no malformed UTF-8).
bool Utf16ToUtf8(const PathStr &in, std::string &out);
bool Utf8ToUtf16(const std::string &in, PathStr &out);

// An open file, closed when it goes out of scope. Only ordinary files are
// opened (OrdinaryFile.h): a name that leads to a pipe, a device or a folder
// fails to open, for reading and for writing alike.
class File
{
public:
    File() = default;
    ~File();
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    // mode: "rb" or "wb". "wb" creates or truncates.
    bool open(const PathStr &path, const char *mode);
    // Only the owner may read the file (the RSA private key).
    bool createPrivate(const PathStr &path);
    // Creates or truncates a file for writing with exactly these permission
    // bits, set before anything is written. Windows: open(path, "wb").
    bool createWithPermissions(const PathStr &path, unsigned permissions);
    // For writing; reads go through read().
    FILE *get() const { return m_fp; }
    bool isOpen() const { return m_fp != nullptr; }
    // Reads up to n bytes, never past the size the file had when it was
    // opened: a file that grows while it is read still ends. 0 at the end
    // and on an error (see readFailed()).
    std::size_t read(void *buffer, std::size_t n);
    bool readFailed() const;
    // Flushes and closes; false when anything written did not reach the file.
    bool close();
    // Flushes to the disk.
    bool sync();
    // Size of the open file, -1 when unknown.
    int64_t size() const;
    // For a file opened for reading: its size when it was opened, which is
    // all read() ever returns of it; -1 otherwise.
    int64_t readableSize() const { return m_limit; }
    bool seek(int64_t offset);

private:
    void release();
    bool adopt(int fd, const char *mode, int64_t limit);
    FILE *m_fp = nullptr;
    // Bytes a reader may still take from the current position; -1 for files
    // opened for writing.
    int64_t m_limit = -1;
    int64_t m_pos = 0;
};

bool RemoveFile(const PathStr &path);
bool FileExists(const PathStr &path);
bool IsDirectory(const PathStr &path);
// Creates a folder with all missing parents.
bool MakePath(const PathStr &dir);
// Moves from over to in one step, replacing an existing file; false when
// `to` is there but is not an ordinary file (a pipe, a device, a folder).
bool ReplaceFile(const PathStr &from, const PathStr &to);
// Whether a file may be written under this name: nothing there, or an
// ordinary file (through its symbolic links).
bool MayWriteFile(const PathStr &path);
// The permission bits (0777) of an existing file; -1 for anything else, and
// always on Windows.
int FilePermissions(const PathStr &path);
// True when both name the same existing file (or the same text).
bool SameFile(const PathStr &a, const PathStr &b);

// The utility's per-user application data folder (AppDataFolder.h, the rule
// the program uses as well); false when there is no usable one.
bool AppDataDir(PathStr &out);

// Reads up to max bytes of a whole small file; false when larger or unreadable.
bool ReadSmallFile(const PathStr &path, std::string &out, std::size_t max);

} // namespace km

#endif
