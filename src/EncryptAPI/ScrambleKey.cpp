#include "ScrambleKey.h"

#include "crc32.h"

#include <cstdio>
#include <cstring>

namespace km {

const uint8_t kStringKey[16] = {0x53, 0x65, 0x61, 0x6D, 0x72, 0x75, 0x6E, 0x2D,
                                0x4F, 0x72, 0x72, 0x69, 0x6E, 0x4B, 0x4D, 0x21};

FileKey DeriveFileKey(const uint8_t keyBlock[kKeyBlockSize])
{
    FileKey key;
    std::memset(key.bytes, 0, sizeof key.bytes);
    const uint32_t first = CrcUpdate(0xFFFFFFFFu, keyBlock, kKeyBlockSize);
    const uint32_t second = CrcUpdate(kSecondKeyCrcStart, keyBlock, kKeyBlockSize);
    char text[9];
    std::memset(text, 0, sizeof text);
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(first));
    std::memcpy(key.bytes, text, 8);
    std::memset(text, 0, sizeof text);
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(second));
    std::memcpy(key.bytes + 8, text, 8);
    return key;
}

} // namespace km
