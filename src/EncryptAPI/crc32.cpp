#include "crc32.h"

#include <array>

namespace km {

namespace {

// Built at compile time, so there is no shared table to fill at run time.
constexpr std::array<uint32_t, 256> MakeTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) ? (0xEDB88320u ^ (c >> 1)) : (c >> 1);
        table[i] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kTable = MakeTable();

} // namespace

uint32_t CrcUpdate(uint32_t reg, const void *data, std::size_t count)
{
    const auto *p = static_cast<const unsigned char *>(data);
    for (std::size_t i = 0; i < count; ++i)
        reg = (reg >> 8) ^ kTable[(reg ^ p[i]) & 0xFFu];
    return reg;
}

} // namespace km
