#ifndef SEAMRUN_SHAALGO_H
#define SEAMRUN_SHAALGO_H

#include <cstddef>
#include <cstdint>

namespace km {

class File;

// SHA-256 of a buffer into 32 bytes; false when the digest could not be made.
bool Sha256(const void *data, std::size_t length, uint8_t digest[32]);
// SHA-256 of an open file, read in 16384-byte pieces from its current position.
bool Sha256File(File &file, uint8_t digest[32]);

} // namespace km

#endif
