#include "EncryptApi.h"

#include "AEncrypt.h"
#include "FilePath.h"
#include "RsaAlgo.h"
#include "ScrambleKey.h"
#include "ShaAlgo.h"
#include "crc32.h"

#include <openssl/rand.h>

#include <chrono>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <vector>

// The parameter blocks are read and written by other programs: their layout
// is fixed. 32-bit builds have exactly the documented offsets; 64-bit builds
// widen the pointers and keep every other field in order.
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(offsetof(CryptBufBlock, output) == 4 && offsetof(CryptBufBlock, length) == 8
                  && offsetof(CryptBufBlock, key) == 12 && offsetof(CryptBufBlock, keyBits) == 16
                  && offsetof(CryptBufBlock, algorithm) == 20 && sizeof(CryptBufBlock) == 24,
              "CryptBufBlock layout");
static_assert(offsetof(CryptFileBlock, key) == 1024 && offsetof(CryptFileBlock, keyBits) == 1028
                  && offsetof(CryptFileBlock, algorithm) == 1032
                  && offsetof(CryptFileBlock, version) == 1036
                  && offsetof(CryptFileBlock, header) == 1040 && sizeof(CryptFileBlock) == 1136,
              "CryptFileBlock layout");
static_assert(offsetof(AsymBufBlock, keyPath) == 8 && offsetof(AsymBufBlock, inputLength) == 520
                  && offsetof(AsymBufBlock, reserved) == 524 && offsetof(AsymBufBlock, mode) == 528
                  && offsetof(AsymBufBlock, privateArea) == 532
                  && offsetof(AsymBufBlock, publicArea) == 620
                  && offsetof(AsymBufBlock, keySize) == 708 && sizeof(AsymBufBlock) == 712,
              "AsymBufBlock layout");
static_assert(offsetof(DigestBufBlock, inputLength) == 4
                  && offsetof(DigestBufBlock, digestLength) == 8
                  && offsetof(DigestBufBlock, reserved) == 12
                  && offsetof(DigestBufBlock, digest) == 16 && sizeof(DigestBufBlock) == 48,
              "DigestBufBlock layout");
#elif UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
static_assert(offsetof(CryptBufBlock, output) == 8 && offsetof(CryptBufBlock, length) == 16
                  && offsetof(CryptBufBlock, key) == 24 && offsetof(CryptBufBlock, keyBits) == 32
                  && offsetof(CryptBufBlock, algorithm) == 36 && sizeof(CryptBufBlock) == 40,
              "CryptBufBlock layout");
static_assert(offsetof(CryptFileBlock, key) == 1024 && offsetof(CryptFileBlock, keyBits) == 1032
                  && offsetof(CryptFileBlock, algorithm) == 1036
                  && offsetof(CryptFileBlock, version) == 1040
                  && offsetof(CryptFileBlock, header) == 1044 && sizeof(CryptFileBlock) == 1144,
              "CryptFileBlock layout");
static_assert(offsetof(AsymBufBlock, keyPath) == 16 && offsetof(AsymBufBlock, inputLength) == 528
                  && offsetof(AsymBufBlock, reserved) == 532 && offsetof(AsymBufBlock, mode) == 536
                  && offsetof(AsymBufBlock, privateArea) == 540
                  && offsetof(AsymBufBlock, publicArea) == 628
                  && offsetof(AsymBufBlock, keySize) == 716 && sizeof(AsymBufBlock) == 720,
              "AsymBufBlock layout");
static_assert(offsetof(DigestBufBlock, inputLength) == 8
                  && offsetof(DigestBufBlock, digestLength) == 12
                  && offsetof(DigestBufBlock, reserved) == 16
                  && offsetof(DigestBufBlock, digest) == 20 && sizeof(DigestBufBlock) == 56,
              "DigestBufBlock layout");
#endif
static_assert(sizeof(KmPathChar) == 2, "paths are UTF-16");
static_assert(offsetof(AsymFileBlock, encryptedPath) == 512 && offsetof(AsymFileBlock, keyPath) == 1024
                  && offsetof(AsymFileBlock, decryptReserved) == 1540
                  && offsetof(AsymFileBlock, decryptMode) == 1544
                  && offsetof(AsymFileBlock, encryptMode) == 1548
                  && offsetof(AsymFileBlock, decryptKeySize) == 1724
                  && offsetof(AsymFileBlock, encryptBlockSize) == 1728 && sizeof(AsymFileBlock) == 1732,
              "AsymFileBlock layout");
static_assert(offsetof(DigestFileBlock, output) == 512 && offsetof(DigestFileBlock, digestLength) == 1024
                  && offsetof(DigestFileBlock, digestGiven) == 1028
                  && offsetof(DigestFileBlock, digest) == 1032 && sizeof(DigestFileBlock) == 1064,
              "DigestFileBlock layout");

namespace km {

namespace {

// Files are streamed through buffers of this size: many 16-byte chunks per
// cipher call, the same bytes as chunk by chunk.
constexpr std::size_t kIoBuffer = 64 * 1024;

const uint8_t kMagic[4] = {'G', 'V', 'L', 'U'};
const uint8_t kWriterVersion[4] = {1, 0, 72, 10};
// "1.0.072.004": the writer version of the older 95-byte header.
const uint8_t kV3WriterVersion[4] = {1, 0, 72, 4};
const uint8_t kFormatDescriptor[11] = {0x01, 0x01, 0x01, 0x02, 0x03, 0x02,
                                       0x03, 0x01, 0x01, 0x02, 0x04};

void Put32(uint8_t *p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

uint32_t Get32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8
        | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

std::size_t RoundUp16(std::size_t n)
{
    return (n + 15) / 16 * 16;
}

// Two characters read as a decimal number, stopping at the first non-digit
// (so "1x" is 1 and "x1" is 0). Never negative, never above 99.
int LeadingDecimal(const char c[2])
{
    int value = 0;
    for (int i = 0; i < 2 && c[i] >= '0' && c[i] <= '9'; ++i)
        value = value * 10 + (c[i] - '0');
    return value;
}

// Two ASCII digits, or -1.
int StrictTwoDigits(const char c[2])
{
    if (c[0] < '0' || c[0] > '9' || c[1] < '0' || c[1] > '9')
        return -1;
    return (c[0] - '0') * 10 + (c[1] - '0');
}

void PutLocation(uint8_t *image, int slot, uint32_t offset, uint32_t length)
{
    uint8_t *p = image + 4 + 11 * slot;
    p[0] = static_cast<uint8_t>(slot + 1);
    p[1] = 9;
    Put32(p + 2, offset);
    Put32(p + 6, length);
    p[10] = 1;
}

uint32_t HeaderCheck(const uint8_t *header, std::size_t length)
{
    return CrcUpdate(0xFFFFFFFFu, header, length);
}

void FinishHeaderImage(uint8_t image[kHeaderSize], uint32_t bodyLength)
{
    PutLocation(image, 0, 4, 44);
    PutLocation(image, 1, 48, 48);
    PutLocation(image, 2, kKeyBlockOffset, static_cast<uint32_t>(kKeyBlockSize));
    PutLocation(image, 3, kBodyOffset, bodyLength);
    image[kCheckRecordOffset] = 0xA4;
    image[kCheckRecordOffset + 1] = 5;
    Put32(image + kCheckRecordOffset + 2, HeaderCheck(image, kCheckRecordOffset));
    image[kHeaderSize - 1] = 0;
}

// Removes a file when it goes out of scope, unless released.
class RemoveOnExit
{
public:
    explicit RemoveOnExit(const PathStr &path) : m_path(path) {}
    ~RemoveOnExit()
    {
        if (m_active)
            RemoveFile(m_path);
    }
    void release() { m_active = false; }

private:
    PathStr m_path;
    bool m_active = true;
};

bool AllocBuffer(std::vector<uint8_t> &buffer, std::size_t size)
{
    try {
        buffer.resize(size);
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

// Copies the rest of from into to, at most limit bytes; false on a read or
// write error. Ends early at the end of the source.
bool CopyStream(File &from, FILE *to, uint64_t limit, std::vector<uint8_t> &buffer,
                uint64_t *copied = nullptr)
{
    uint64_t done = 0;
    while (done < limit) {
        const std::size_t want = static_cast<std::size_t>(
            limit - done < buffer.size() ? limit - done : buffer.size());
        const std::size_t n = from.read(buffer.data(), want);
        if (n == 0)
            break;
        if (std::fwrite(buffer.data(), 1, n, to) != n)
            return false;
        done += n;
    }
    if (copied)
        *copied = done;
    return !from.readFailed();
}

// Copies one file to another path through a fresh file, made with the given
// permission bits (-1: the usual ones).
bool CopyFileTo(const PathStr &from, const PathStr &to, bool durable, int permissions = -1)
{
    std::vector<uint8_t> buffer;
    if (!AllocBuffer(buffer, kIoBuffer))
        return false;
    File in, out;
    if (!in.open(from, "rb"))
        return false;
    if (permissions >= 0 ? !out.createWithPermissions(to, static_cast<unsigned>(permissions))
                         : !out.open(to, "wb"))
        return false;
    RemoveOnExit cleanup(to);
    if (!CopyStream(in, out.get(), UINT64_MAX, buffer))
        return false;
    if (durable && !out.sync())
        return false;
    if (!out.close())
        return false;
    cleanup.release();
    return true;
}

int EncryptFileImpl(CryptFileBlock *block)
{
    if (!block || !block->key)
        return 1;
    // "No cipher" and impossible key lengths would leave the output unfilled:
    // such a file could never be read back.
    if (!IsCipherUsable(block->algorithm, block->keyBits))
        return 1;
    PathStr source, target, scratch;
    if (!PathFromField(block->source, source) || !PathFromField(block->target, target)
        || !ScratchPath(target, scratch))
        return 1;
    // The names stay within the format's limits, the scratch name included,
    // so a file this writes can be read back by every reader of the format.
    // A target named "*.tmp" (or a source named like the scratch file) is
    // refused as before. The target is written while the source is read:
    // the two must be different files.
    if (SameFile(scratch, source) || SameFile(scratch, target) || SameFile(source, target))
        return 1;
    // Nothing is made for a target that could not take the result.
    if (!MayWriteFile(target))
        return 1;

    uint8_t keyBlock[kKeyBlockSize];
    if (RAND_bytes(keyBlock, static_cast<int>(kKeyBlockSize)) != 1)
        return 1;
    const FileKey fileKey = DeriveFileKey(keyBlock);
    ChunkCipher cipher;
    if (!cipher.init(block->algorithm, fileKey.bytes, block->keyBits, true))
        return 1;
    std::vector<uint8_t> buffer;
    if (!AllocBuffer(buffer, kIoBuffer))
        return 1;

    File in;
    if (!in.open(source, "rb"))
        return 1;
    // The body's length goes into the header, ahead of the body: it follows
    // from the size of the source, all of which is read (a source that
    // shrinks meanwhile fails below, one that grows is read to its size at
    // the open).
    const uint64_t total = static_cast<uint64_t>(in.readableSize());
    const uint64_t bodyLength = total > 0 ? (total + 15) / 16 * 16 + 2 : 0;
    // The header records lengths in 32 bits.
    if (bodyLength > UINT32_MAX)
        return 1;

    File out;
    if (!out.open(target, "wb"))
        return 1;
    RemoveOnExit removeTarget(target);
    if (block->version != 2) {
        FinishHeaderImage(block->header, static_cast<uint32_t>(bodyLength));
        if (std::fwrite(block->header, 1, kHeaderSize, out.get()) != kHeaderSize)
            return 1;
    }
    if (std::fwrite(keyBlock, 1, kKeyBlockSize, out.get()) != kKeyBlockSize)
        return 1;
    // The source in 16-byte chunks, many at a time; only the last chunk is
    // short, padded with zeros.
    uint64_t done = 0;
    while (done < total) {
        const std::size_t want = static_cast<std::size_t>(
            total - done < buffer.size() ? total - done : buffer.size());
        const std::size_t n = in.read(buffer.data(), want);
        if (n != want)
            return 1; // a read error, or a source cut short while read
        const std::size_t padded = RoundUp16(n);
        std::memset(buffer.data() + n, 0, padded - n);
        if (!cipher.process(buffer.data(), buffer.data(), padded)
            || std::fwrite(buffer.data(), 1, padded, out.get()) != padded)
            return 1;
        done += n;
    }
    if (total > 0) {
        const unsigned padding = static_cast<unsigned>((16 - total % 16) % 16);
        char trailer[3];
        std::snprintf(trailer, sizeof trailer, "%02u", padding);
        if (std::fwrite(trailer, 1, 2, out.get()) != 2)
            return 1;
    }
    in.close();
    if (!out.close())
        return 1;
    removeTarget.release();
    return 0;
}

int DecryptFileImpl(CryptFileBlock *block)
{
    if (!block || !block->key)
        return 1;
    if (!IsCipherUsable(block->algorithm, block->keyBits))
        return 1;
    PathStr source, target, scratch;
    if (!PathFromField(block->source, source) || !PathFromField(block->target, target)
        || !ScratchPath(source, scratch))
        return 1;
    // The target is created before anything is read: it may not be the file
    // being read. Names within the format's limits only (the scratch name of
    // the source included), and neither of them a scratch name.
    if (SameFile(source, target) || SameFile(scratch, source) || SameFile(scratch, target))
        return 1;
    std::vector<uint8_t> buffer;
    if (!AllocBuffer(buffer, kIoBuffer))
        return 1;

    const int version = block->version;
    const std::size_t headerLength = version == 3 ? kV3HeaderSize : version == 4 ? kHeaderSize : 0;

    File in;
    if (!in.open(source, "rb"))
        return 1;
    File out;
    if (!out.open(target, "wb"))
        return 1;

    uint8_t header[kHeaderSize];
    if (headerLength > 0
        && in.read(header, headerLength) != headerLength)
        return 2;

    uint64_t keyOffset = headerLength;
    uint64_t bodyOffset = 0;
    uint64_t bodyLength = UINT64_MAX; // versions 2 and 3: the rest of the file
    if (version == 4) {
        std::size_t parsed = 0, checkStart = 0;
        if (ParseHeader(header, block->header, parsed, checkStart) != 0) {
            std::memset(block->header + kDescriptorOffset, 0, 11);
            return 2;
        }
        if (HeaderCheck(header, checkStart) != Get32(block->header + kCheckRecordOffset + 2))
            return 2;
        uint64_t keyLength = 0;
        bodyLength = 0;
        for (int slot = 0; slot < 4; ++slot) {
            const uint8_t *p = block->header + 4 + 11 * slot;
            if (p[0] == 3) {
                keyOffset = Get32(p + 2);
                keyLength = Get32(p + 6);
            } else if (p[0] == 4) {
                bodyOffset = Get32(p + 2);
                bodyLength = Get32(p + 6);
            }
        }
        // Nothing stored: an empty plain file.
        if (keyLength == 0 || bodyLength == 0)
            return out.close() ? 0 : 1;
        if (!in.seek(static_cast<int64_t>(keyOffset)))
            return 2;
    }

    uint8_t keyBlock[kKeyBlockSize];
    if (in.read(keyBlock, kKeyBlockSize) != kKeyBlockSize)
        return 2; // cut short: not a protected file, or a damaged one
    const FileKey fileKey = DeriveFileKey(keyBlock);

    // The body is read where it lies: from the body offset (version 4) or
    // right after the key block, up to its recorded length or the end of
    // the file, whichever comes first.
    const uint64_t bodyStart = version == 4 ? bodyOffset : keyOffset + kKeyBlockSize;
    const uint64_t end = static_cast<uint64_t>(in.readableSize());
    const uint64_t available = end > bodyStart ? end - bodyStart : 0;
    const uint64_t size = available < bodyLength ? available : bodyLength;
    // The header gives the body's length: a shorter body was cut off, and
    // decrypting what is left would end in garbage. Nothing has been written
    // to the target yet.
    if (version == 4 && size != bodyLength)
        return 2;
    int padding = 0;
    if (size >= 2) {
        char trailer[2];
        if (!in.seek(static_cast<int64_t>(bodyStart + size - 2)) || in.read(trailer, 2) != 2)
            return 1;
        padding = LeadingDecimal(trailer);
    }
    if (!in.seek(static_cast<int64_t>(bodyStart)))
        return version == 4 ? 2 : 1;
    // A well-formed body is whole chunks plus the two-digit trailer; then the
    // last chunk gives 16 - padding bytes. Any other size is decrypted chunk
    // by chunk to its end, as far as it goes.
    const bool wellFormed = size >= 18 && size % 16 == 2;
    if (wellFormed && padding > 15)
        return 2;
    const uint64_t cipherLength = wellFormed ? size - 2 : size;

    ChunkCipher cipher;
    if (!cipher.init(block->algorithm, fileKey.bytes, block->keyBits, false))
        return 1;
    uint64_t done = 0;
    while (done < cipherLength) {
        const std::size_t want = static_cast<std::size_t>(
            cipherLength - done < buffer.size() ? cipherLength - done : buffer.size());
        const std::size_t n = in.read(buffer.data(), want);
        if (n == 0)
            break;
        const std::size_t padded = RoundUp16(n);
        std::memset(buffer.data() + n, 0, padded - n);
        if (!cipher.process(buffer.data(), buffer.data(), padded))
            return 1;
        done += n;
        std::size_t keep = n;
        if (wellFormed && done == cipherLength)
            keep -= static_cast<std::size_t>(padding);
        if (std::fwrite(buffer.data(), 1, keep, out.get()) != keep)
            return 1;
        if (n < want)
            break;
    }
    if (in.readFailed())
        return 1;
    in.close();
    if (!out.close())
        return 1;
    if (version == 2 || version == 3)
        std::memset(block->header + kDescriptorOffset, 1, 11);
    return 0;
}

// A block for the path wrappers: zeroed, paths copied in, the given cipher.
bool FillBlock(CryptFileBlock &block, const KmPathChar *source, const KmPathChar *target,
               const void *key, int bits, int algorithm)
{
    std::memset(&block, 0, sizeof block);
    PathStr s, t;
    if (!PathFromField(source, s) || !PathFromField(target, t) || !PathToField(s, block.source)
        || !PathToField(t, block.target))
        return false;
    block.key = key;
    block.keyBits = bits;
    block.algorithm = algorithm;
    return true;
}

// The key pointer of the path wrappers must be non-null, and is never used.
const uint8_t kDummyKey[16] = {};

// "file:///"-free local path with forward slashes, as native text.
bool NativeFromSlashed(const KmPathChar *text, PathStr &out)
{
    if (!PathFromField(text, out))
        return false;
#if defined(_WIN32)
    for (auto &c : out)
        if (c == L'/')
            c = L'\\';
#endif
    return true;
}

bool AppDataFiles(PathStr &plain, PathStr &protectedTemp)
{
    PathStr dir;
    if (!AppDataDir(dir) || !MakePath(dir))
        return false;
#if defined(_WIN32)
    const PathStr sep = L"\\";
#else
    const PathStr sep = u"/";
#endif
    static const KmPathChar kPlain[] = {u'k', u'm', u'.', u't', u'e', u'm', u'p', 0};
    static const KmPathChar kProtected[] = {u't', u'e', u'm', u'p', u'.', u'k', u'm', 0};
    plain = dir + sep + kPlain;
    protectedTemp = dir + sep + kProtected;
    return plain.size() <= kMaxPathUnits && protectedTemp.size() <= kMaxPathUnits;
}

bool EncryptLayoutFile(const KmPathChar *distFilePath)
{
    PathStr dist;
    if (!NativeFromSlashed(distFilePath, dist))
        return false;
    PathStr plain, protectedTemp;
    if (!AppDataFiles(plain, protectedTemp))
        return false;
    // The folder is what precedes the last separator; "/name" lies in "/".
    std::size_t cut = dist.size();
    while (cut > 0 && dist[cut - 1] != u'/'
#if defined(_WIN32)
           && dist[cut - 1] != L'\\'
#endif
    )
        --cut;
    PathStr folder = cut == 0 ? PathStr() : dist.substr(0, cut == 1 ? 1 : cut - 1);
    if (folder.empty() || !IsDirectory(folder))
        return false; // the plain temporary file stays for the next attempt

    RemoveFile(protectedTemp);
    bool ok = false;
    if (EncryptByFilePath(plain.c_str(), protectedTemp.c_str()) == 0
        && FileExists(protectedTemp)) {
        // Never remove the old file first: the new one is written beside it
        // and takes its place in one step, so a failed save keeps it intact.
        // It is made with the old file's permissions, or a private layout
        // would come back readable by everyone after a save.
        static const KmPathChar kStaging[] = {u'.', u's', u'a', u'v', u'i', u'n', u'g', 0};
        const PathStr staging = dist + kStaging;
        // A name that leads to a pipe or a device is not replaced by a layout.
        ok = MayWriteFile(dist) && CopyFileTo(protectedTemp, staging, true, FilePermissions(dist))
            && ReplaceFile(staging, dist);
        if (!ok)
            RemoveFile(staging);
    }
    RemoveFile(protectedTemp);
    RemoveFile(plain);
    return ok;
}

bool DecryptLayoutFile(const KmPathChar *distFilePath)
{
    PathStr dist;
    if (!NativeFromSlashed(distFilePath, dist))
        return false;
    PathStr plain, protectedTemp;
    if (!AppDataFiles(plain, protectedTemp))
        return false;
    // Leftovers of an interrupted run must never pass for the chosen file.
    RemoveFile(protectedTemp);
    RemoveFile(plain);
    if (!CopyFileTo(dist, protectedTemp, false))
        return false;
    DecryptByFilePath(protectedTemp.c_str(), plain.c_str());
    RemoveFile(protectedTemp);
    return FileExists(plain);
}

int RsaBuf(AsymBufBlock *block, bool encrypt)
{
    if (!block || block->reserved != 0 || (block->mode != 0 && block->mode != 1))
        return -1;
    if (!block->input || !block->output || block->inputLength < 0)
        return -1;
    PathStr keyPath;
    if (!PathFromField(block->keyPath, keyPath))
        return -1;
    PKey key = LoadKey(keyPath, block->mode);
    if (!key)
        return -1;
    return RsaTransform(key.get(), block->mode, encrypt, static_cast<const uint8_t *>(block->input),
                        static_cast<std::size_t>(block->inputLength),
                        static_cast<uint8_t *>(block->output));
}

} // namespace

void InitHeaderImage(uint8_t image[kHeaderSize])
{
    std::memset(image, 0, kHeaderSize);
    std::memcpy(image, kMagic, 4);
    for (int slot = 0; slot < 4; ++slot)
        PutLocation(image, slot, 0, 0);

    uint8_t *p = image + 48;
    p[0] = 0xA1;
    p[1] = 5;
    std::memcpy(p + 2, kWriterVersion, 4);
    p[6] = 1;

    p = image + 55;
    p[0] = 0xA2;
    p[1] = 18;
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const long ms = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          now.time_since_epoch())
                                          .count()
                                      % 1000);
    std::tm utc{};
#if defined(_WIN32)
    gmtime_s(&utc, &seconds);
#else
    gmtime_r(&seconds, &utc);
#endif
    // Up to 4+2+2+2+2+2+3 = 17 characters; the record holds 17, NUL-padded.
    char text[32];
    std::memset(text, 0, sizeof text);
    std::snprintf(text, sizeof text, "%d%d%d%d%d%d%ld", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, ms);
    std::memcpy(p + 2, text, 17);
    p[19] = 1;

    p = image + kDescriptorOffset - 2;
    p[0] = 0xA3;
    p[1] = 12;
    std::memcpy(p + 2, kFormatDescriptor, 11);
    p[13] = 1;

    p = image + kCheckRecordOffset;
    p[0] = 0xA4;
    p[1] = 5;
    Put32(p + 2, HeaderCheck(image, kCheckRecordOffset));
    p[6] = 0;
}

int ParseHeader(const uint8_t header[kHeaderSize], uint8_t image[kHeaderSize],
                std::size_t &parsedLength, std::size_t &checkStart)
{
    // Slots a shorter header leaves unfilled must not keep a caller's bytes.
    std::memset(image, 0, kHeaderSize);
    std::memcpy(image, header, 4);
    std::size_t pos = 4;
    int slots = 0;
    bool sawCheck = false;
    for (;;) {
        if (pos + 2 > kHeaderSize)
            return 5;
        const uint8_t tag = header[pos];
        std::size_t size;
        if (tag >= 0x01 && tag <= 0x04) {
            if (slots == 4)
                return 4;
            size = 11;
            if (header[pos + 1] != 9 || pos + size > kHeaderSize)
                return 5;
            std::memcpy(image + 4 + 11 * slots, header + pos, size);
            ++slots;
        } else if (tag >= 0xA1 && tag <= 0xA4) {
            static const std::size_t kMaxSize[4] = {7, 20, 14, 7};
            static const std::size_t kImageOffset[4] = {48, 55, 75, kCheckRecordOffset};
            const std::size_t length = header[pos + 1];
            if (length == 0)
                return 5;
            size = length + 2;
            if (size > kMaxSize[tag - 0xA1])
                return 3;
            if (pos + size > kHeaderSize)
                return 5;
            std::memcpy(image + kImageOffset[tag - 0xA1], header + pos, size);
            if (tag == 0xA4) {
                // The check must be the last record and hold four bytes.
                if (length != 5 || header[pos + size - 1] != 0)
                    return 5;
                sawCheck = true;
                checkStart = pos;
            }
        } else {
            return 5;
        }
        pos += size;
        if (header[pos - 1] == 0 || pos == kHeaderSize)
            break;
    }
    if (!sawCheck)
        return 5;
    parsedLength = pos;
    return 0;
}

} // namespace km

using namespace km;

extern "C" {

bool Encrypt_File(const KmPathChar *distFilePath)
{
    return EncryptLayoutFile(distFilePath);
}

bool Decrypt_File(const KmPathChar *distFilePath)
{
    return DecryptLayoutFile(distFilePath);
}

int CheckAcpFileVer(const KmPathChar *path)
{
    PathStr p;
    if (!PathFromField(path, p))
        return 1;
    File f;
    if (!f.open(p, "rb"))
        return 1;
    uint8_t head[55];
    if (f.read(head, sizeof head) != sizeof head)
        return 1;
    if (std::memcmp(head, kMagic, 4) != 0)
        return 2;
    if (std::memcmp(head + 50, kV3WriterVersion, 4) == 0)
        return 3;
    return 4;
}

int EncryptByFile(CryptFileBlock *block)
{
    return EncryptFileImpl(block);
}

int DecryptByFile(CryptFileBlock *block)
{
    return DecryptFileImpl(block);
}

int EncryptByFilePath(const KmPathChar *source, const KmPathChar *target)
{
    return CSEncryptByFile(source, target, const_cast<uint8_t *>(kDummyKey), 128, KM_ALG_AES);
}

int DecryptByFilePath(const KmPathChar *source, const KmPathChar *target)
{
    CryptFileBlock block;
    if (!FillBlock(block, source, target, kDummyKey, 128, KM_ALG_AES))
        return 1;
    block.version = CheckAcpFileVer(source);
    return DecryptByFile(&block);
}

int CSEncryptByFile(const KmPathChar *source, const KmPathChar *target, void *key, int bits,
                    int algorithm)
{
    CryptFileBlock block;
    if (!FillBlock(block, source, target, key, bits, algorithm))
        return 1;
    block.version = 4;
    InitHeaderImage(block.header);
    return EncryptByFile(&block);
}

int CSDecryptByFile(const KmPathChar *source, const KmPathChar *target, void *key, int bits,
                    int algorithm)
{
    CryptFileBlock block;
    if (!FillBlock(block, source, target, key, bits, algorithm))
        return 0;
    block.version = CheckAcpFileVer(source);
    if (DecryptByFile(&block) != 0)
        return 0;
    return block.header[kDescriptorOffset + 10];
}

int EncryptByBuf(CryptBufBlock *block)
{
    return DispatchBuf(block, true);
}

int DecryptByBuf(CryptBufBlock *block)
{
    return DispatchBuf(block, false);
}

int getEncryptAESResultSize(int length)
{
    if (length <= 0 || length > INT_MAX - 17)
        return 0;
    return static_cast<int>(RoundUp16(static_cast<std::size_t>(length))) + 2;
}

int EncryptAESByData(const unsigned char *data, int length, char *out, const void *keyBlock)
{
    if (!data || !out || !keyBlock || length <= 0)
        return 1;
    const int resultSize = getEncryptAESResultSize(length);
    if (resultSize == 0)
        return 1;
    std::memset(out, 0, static_cast<std::size_t>(resultSize));
    const FileKey key = DeriveFileKey(static_cast<const uint8_t *>(keyBlock));
    ChunkCipher cipher;
    if (!cipher.init(KM_ALG_AES, key.bytes, 128, true))
        return 1;
    auto *dst = reinterpret_cast<uint8_t *>(out);
    const std::size_t whole = static_cast<std::size_t>(length) / 16 * 16;
    const std::size_t rest = static_cast<std::size_t>(length) - whole;
    if (whole > 0 && !cipher.process(data, dst, whole))
        return 1;
    if (rest > 0) {
        uint8_t chunk[16] = {};
        std::memcpy(chunk, data + whole, rest);
        if (!cipher.process(chunk, dst + whole, 16))
            return 1;
    }
    const unsigned padding = rest > 0 ? static_cast<unsigned>(16 - rest) : 0u;
    char trailer[3];
    std::snprintf(trailer, sizeof trailer, "%02u", padding);
    std::memcpy(out + resultSize - 2, trailer, 2);
    return 0;
}

int getDecryptAESResultSize(const char *data, int length)
{
    if (!data || length < 2)
        return 0;
    const int padding = StrictTwoDigits(data + length - 2);
    if (padding < 0 || padding > 15)
        return 0;
    const int size = length - 2 - padding;
    return size > 0 ? size : 0;
}

int DecryptAESByData(const char *data, int length, void *out, const void *keyBlock)
{
    if (!data || !out || !keyBlock || length <= 17 || length % 16 != 2)
        return 1;
    const int padding = StrictTwoDigits(data + length - 2);
    if (padding < 0 || padding > 15)
        return 1;
    const std::size_t cipherLength = static_cast<std::size_t>(length) - 2;
    const std::size_t resultSize = cipherLength - static_cast<std::size_t>(padding);
    std::memset(out, 0, resultSize);
    const FileKey key = DeriveFileKey(static_cast<const uint8_t *>(keyBlock));
    ChunkCipher cipher;
    if (!cipher.init(KM_ALG_AES, key.bytes, 128, false))
        return 1;
    const auto *src = reinterpret_cast<const uint8_t *>(data);
    auto *dst = static_cast<uint8_t *>(out);
    const std::size_t head = cipherLength - 16;
    if (head > 0 && !cipher.process(src, dst, head))
        return 1;
    uint8_t last[16];
    if (!cipher.process(src + head, last, 16))
        return 1;
    std::memcpy(dst + head, last, 16 - static_cast<std::size_t>(padding));
    return 0;
}

int EncryptGetKey(const KmPathChar *path, void *buffer, int length)
{
    if (!path || !buffer || length < 0)
        return 1;
    PathStr p;
    File f;
    if (!PathFromField(path, p) || !f.open(p, "rb"))
        return 1;
    std::memset(buffer, 0, static_cast<std::size_t>(length));
    const std::size_t n = f.read(buffer, static_cast<std::size_t>(length));
    return n == static_cast<std::size_t>(length) ? 0 : 1;
}

void *CSEncryptGetKey(const KmPathChar *path, int length)
{
    if (!path || length <= 0)
        return nullptr;
    PathStr p;
    File f;
    if (!PathFromField(path, p) || !f.open(p, "rb"))
        return nullptr;
    void *buffer = std::calloc(static_cast<std::size_t>(length), 1);
    if (!buffer)
        return nullptr;
    if (f.read(buffer, static_cast<std::size_t>(length)) != static_cast<std::size_t>(length)) {
        std::free(buffer);
        return nullptr;
    }
    return buffer;
}

int AsymGetKey(AsymBufBlock *block)
{
    if (!block || block->reserved != 0)
        return 1;
    static const KmPathChar kPrivate[] = {u'.', u'/', u'R', u's', u'a', u'P', u'r', u'i',
                                          u'k', u'e', u'y', u'.', u'k', u'e', u'y', 0};
    static const KmPathChar kPublic[] = {u'.', u'/', u'R', u's', u'a', u'P', u'u', u'b',
                                         u'k', u'e', u'y', u'.', u'k', u'e', u'y', 0};
    int keySize = 0;
    // A key pair that could not be made or written is a failure, not a
    // success with no key files.
    if (GenerateKeyFiles(kPrivate, kPublic, keySize) != 0)
        return -1;
    block->keySize = keySize;
    return 0;
}

int AsymEncryptByBuf(AsymBufBlock *block)
{
    return RsaBuf(block, true);
}

int AsymDecryptByBuf(AsymBufBlock *block)
{
    return RsaBuf(block, false);
}

int AsymEncryptByFile(AsymFileBlock *block)
{
    if (!block || (block->encryptMode != 0 && block->encryptMode != 1))
        return -1;
    PathStr plainPath, encryptedPath, keyPath;
    if (!PathFromField(block->plainPath, plainPath)
        || !PathFromField(block->encryptedPath, encryptedPath)
        || !PathFromField(block->keyPath, keyPath))
        return -1;
    File plain;
    if (!plain.open(plainPath, "rb"))
        return -1;
    PKey key = LoadKey(keyPath, block->encryptMode);
    if (!key)
        return -1;
    // Every output block must fit the caller's block size.
    const int keySize = KeySize(key.get());
    if (keySize <= 0 || block->encryptBlockSize < keySize || block->encryptBlockSize > (1 << 20))
        return -1;
    std::vector<uint8_t> output;
    if (!AllocBuffer(output, static_cast<std::size_t>(block->encryptBlockSize)))
        return -1;
    File encrypted;
    if (!encrypted.open(encryptedPath, "wb"))
        return -1;
    int last = 0;
    uint8_t piece[16];
    std::size_t n;
    while ((n = plain.read(piece, sizeof piece)) > 0) {
        last = RsaTransform(key.get(), block->encryptMode, true, piece, n, output.data());
        if (last < 0)
            return -1;
        if (std::fwrite(output.data(), 1, static_cast<std::size_t>(last), encrypted.get())
            != static_cast<std::size_t>(last))
            return -1;
    }
    if (plain.readFailed() || !encrypted.close())
        return -1;
    return last;
}

int AsymDecryptByFile(AsymFileBlock *block)
{
    if (!block || block->decryptReserved != 0
        || (block->decryptMode != 0 && block->decryptMode != 1))
        return 1;
    PathStr plainPath, encryptedPath, keyPath;
    if (!PathFromField(block->plainPath, plainPath)
        || !PathFromField(block->encryptedPath, encryptedPath)
        || !PathFromField(block->keyPath, keyPath))
        return 1;
    File encrypted;
    if (!encrypted.open(encryptedPath, "rb"))
        return 1;
    PKey key = LoadKey(keyPath, block->decryptMode);
    if (!key)
        return -1;
    // One encrypted block per modulus: 128 bytes for the keys made here.
    const int keySize = KeySize(key.get());
    if (keySize <= 0)
        return -1;
    std::vector<uint8_t> piece, output;
    if (!AllocBuffer(piece, static_cast<std::size_t>(keySize))
        || !AllocBuffer(output, static_cast<std::size_t>(keySize)))
        return 1;
    File plain;
    if (!plain.open(plainPath, "wb"))
        return 1;
    std::size_t n;
    while ((n = encrypted.read(piece.data(), piece.size())) > 0) {
        const int produced =
            RsaTransform(key.get(), block->decryptMode, false, piece.data(), n, output.data());
        if (produced < 0)
            return -1;
        if (std::fwrite(output.data(), 1, static_cast<std::size_t>(produced), plain.get())
            != static_cast<std::size_t>(produced))
            return 1;
    }
    if (encrypted.readFailed() || !plain.close())
        return 1;
    return 0;
}

int IdentifyCodeByBuf(DigestBufBlock *block)
{
    if (!block || !block->input || block->reserved != 0 || block->inputLength < 0)
        return 1;
    if (block->digestLength == 32
        && !Sha256(block->input, static_cast<std::size_t>(block->inputLength), block->digest))
        return 1;
    return 0;
}

int IdentifyCodeByFile(DigestFileBlock *block)
{
    if (!block)
        return 1;
    if (block->digestGiven == 0) {
        PathStr source;
        File in;
        if (!PathFromField(block->source, source) || !in.open(source, "rb"))
            return 1;
        if (!Sha256File(in, block->digest))
            return 1;
        block->digestLength = 32;
    }
    PathStr outputPath;
    File out;
    if (!PathFromField(block->output, outputPath) || !out.open(outputPath, "wb"))
        return -1;
    char hex[65];
    for (int i = 0; i < 32; ++i)
        std::snprintf(hex + 2 * i, 3, "%02X", block->digest[i]);
    if (std::fwrite(hex, 1, 64, out.get()) != 64 || !out.close())
        return -1;
    return 0;
}

} // extern "C"

namespace {

// UTF-16 text as little-endian bytes and back, whatever the host order.
std::vector<uint8_t> ToLeBytes(const KmString &text, std::size_t extra)
{
    std::vector<uint8_t> bytes(text.size() * 2 + extra, 0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto u = static_cast<uint16_t>(text[i]);
        bytes[2 * i] = static_cast<uint8_t>(u);
        bytes[2 * i + 1] = static_cast<uint8_t>(u >> 8);
    }
    return bytes;
}

KmString FromLeBytes(const uint8_t *bytes, std::size_t units)
{
    KmString text(units, KmPathChar(0));
    for (std::size_t i = 0; i < units; ++i)
        text[i] = static_cast<KmPathChar>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return text;
}

} // namespace

extern "C" int EncryptString(KmString text, KmString &result)
{
    result.clear();
    const std::size_t textBytes = text.size() * 2;
    // The byte count travels as four decimal digits.
    if (textBytes > 9999)
        return 1;
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(textBytes));
    const KmString plainText = KmString(digits, digits + 4) + text;
    const std::vector<uint8_t> plain = ToLeBytes(plainText, 0);
    std::vector<uint8_t> cipher(RoundUp16(plain.size()), 0);
    CryptBufBlock block{};
    block.input = plain.data();
    block.output = cipher.data();
    block.length = static_cast<int32_t>(plain.size());
    block.key = kStringKey;
    block.keyBits = 128;
    block.algorithm = KM_ALG_AES;
    if (EncryptByBuf(&block) != 0)
        return 1;
    // Every cipher unit is kept, zero units too: cutting at the first zero
    // unit would lose text that then could not be decrypted.
    result = FromLeBytes(cipher.data(), cipher.size() / 2);
    return 0;
}

extern "C" int DecryptString(KmString text, KmString &result)
{
    if (text.empty())
        return 1;
    result.clear();
    const std::vector<uint8_t> cipher = ToLeBytes(text, 0);
    if (cipher.size() % 16 != 0)
        return 1;
    std::vector<uint8_t> plain(cipher.size(), 0);
    CryptBufBlock block{};
    block.input = cipher.data();
    block.output = plain.data();
    block.length = static_cast<int32_t>(cipher.size());
    block.key = kStringKey;
    block.keyBits = 128;
    block.algorithm = KM_ALG_AES;
    if (DecryptByBuf(&block) != 0)
        return 1;
    std::size_t count = 0;
    for (int i = 0; i < 4; ++i) {
        const uint16_t u = static_cast<uint16_t>(plain[2 * i] | (plain[2 * i + 1] << 8));
        if (u < u'0' || u > u'9')
            return 1;
        count = count * 10 + (u - u'0');
    }
    if (count % 2 != 0 || 8 + count > plain.size())
        return 1;
    result = FromLeBytes(plain.data() + 8, count / 2);
    return 0;
}
