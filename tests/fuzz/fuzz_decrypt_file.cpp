// Protected-file reading: header parse, records, key block, body and trailer,
// for every version the reader accepts.
#include "fuzz_common.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string in = fuzz::WriteInput(data, size);
    const auto source = fuzz::Path16(in);
    const auto target = fuzz::Path16(fuzz::WorkDir() + "/out.txt");

    // As the layout load does it: version from the file itself.
    const int code = DecryptByFilePath(source.c_str(), target.c_str());
    if (code != 0 && code != 1 && code != 2)
        __builtin_trap();

    // Every version on the same bytes.
    static const uint8_t key[16] = {};
    for (int version : {2, 3, 4}) {
        CryptFileBlock block;
        std::memset(&block, 0xA5, sizeof block); // stale caller bytes must not matter
        std::memset(block.source, 0, sizeof block.source);
        std::memset(block.target, 0, sizeof block.target);
        std::memcpy(block.source, source.data(), source.size() * sizeof(KmPathChar));
        std::memcpy(block.target, target.data(), target.size() * sizeof(KmPathChar));
        block.key = key;
        block.keyBits = 128;
        block.algorithm = KM_ALG_AES;
        block.version = version;
        const int rc = DecryptByFile(&block);
        if (rc != 0 && rc != 1 && rc != 2)
            __builtin_trap();
    }
    return 0;
}
