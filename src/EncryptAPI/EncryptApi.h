#ifndef SEAMRUN_ENCRYPTAPI_H
#define SEAMRUN_ENCRYPTAPI_H

#include "CipherExports.h"

#include <cstddef>
#include <cstdint>

namespace km {

// Protected-file layout constants.
constexpr std::size_t kHeaderSize = 96;
constexpr std::size_t kV3HeaderSize = 95;
constexpr uint32_t kKeyBlockOffset = 96;
constexpr uint32_t kBodyOffset = 367;
// Offsets inside the header image.
constexpr std::size_t kDescriptorOffset = 77; // 11 format-descriptor bytes
constexpr std::size_t kCheckRecordOffset = 89;

// Fills a 96-byte header image as a writer starts it: magic, records with
// zero locations, the current UTC time, and the header check.
void InitHeaderImage(uint8_t image[kHeaderSize]);

// Parses a version-4 header into the image. 0 on success; 3 when an
// information record is too long, 4 for a fifth location record, 5 for any
// other malformed record. parsedLength: bytes covered by the records;
// checkStart: where the header-check record begins.
int ParseHeader(const uint8_t header[kHeaderSize], uint8_t image[kHeaderSize],
                std::size_t &parsedLength, std::size_t &checkStart);

} // namespace km

#endif
