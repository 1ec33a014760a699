// The format probe on arbitrary files.
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto path = fuzz::Path16(fuzz::WriteInput(data, size));
    const int version = CheckAcpFileVer(path.c_str());
    const int expected = size < 55 ? 1
        : (data[0] != 'G' || data[1] != 'V' || data[2] != 'L' || data[3] != 'U') ? 2
        : (data[50] == 1 && data[51] == 0 && data[52] == 72 && data[53] == 4) ? 3 : 4;
    if (version != expected)
        __builtin_trap();
    return 0;
}
