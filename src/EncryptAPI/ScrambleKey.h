#ifndef SEAMRUN_SCRAMBLEKEY_H
#define SEAMRUN_SCRAMBLEKEY_H

#include <cstddef>
#include <cstdint>

namespace km {

// Size of the random key block stored in every protected file.
constexpr std::size_t kKeyBlockSize = 271;

// Start value of the second CRC over the key block. Every protected file,
// the shipped resolution list included, is keyed with it: changing it makes
// all existing files unreadable.
constexpr uint32_t kSecondKeyCrcStart = 0x4B4D5352u;

// The 16-byte file key derived from a key block: the two CRC registers as
// "%X" text, the first 8 bytes of each. The result is held in 32 bytes, zero
// beyond the 16 derived ones, so a cipher asked for a longer key reads zeros
// and never beyond the buffer.
struct FileKey
{
    uint8_t bytes[32];
};
FileKey DeriveFileKey(const uint8_t keyBlock[kKeyBlockSize]);

// The fixed AES-128 key of the string functions.
extern const uint8_t kStringKey[16];

} // namespace km

#endif
