#ifndef SEAMRUN_CRC32_H
#define SEAMRUN_CRC32_H

#include <cstddef>
#include <cstdint>

namespace km {

// CRC register over the reflected polynomial 0xEDB88320 (the standard CRC-32
// table) without inversion on entry or exit: callers choose the start value
// and keep the raw register. Started at 0xFFFFFFFF the result is the
// complement of the usual CRC-32.
uint32_t CrcUpdate(uint32_t reg, const void *data, std::size_t count);

} // namespace km

#endif
