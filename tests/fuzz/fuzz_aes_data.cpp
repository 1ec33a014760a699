// AES data with trailer: the first 271 bytes are the key block, the rest the
// data. Decryption must stay inside the size its size function gives, and
// encryption must round-trip.
#include "fuzz_common.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    uint8_t keyBlock[271] = {};
    const size_t keyPart = size < sizeof keyBlock ? size : sizeof keyBlock;
    std::memcpy(keyBlock, data, keyPart);
    const std::vector<char> body(data + keyPart, data + size); // exact size: overreads show
    const int length = static_cast<int>(body.size());

    const int outSize = getDecryptAESResultSize(body.data(), length);
    if (outSize < 0 || outSize > length)
        __builtin_trap();
    char *out = new char[outSize];
    const int rc = DecryptAESByData(body.data(), length, out, keyBlock);
    if (rc == 0 && outSize == 0)
        __builtin_trap();
    delete[] out;

    if (length > 0) {
        const int encSize = getEncryptAESResultSize(length);
        std::vector<char> cipher(static_cast<size_t>(encSize));
        if (EncryptAESByData(reinterpret_cast<const unsigned char *>(body.data()), length,
                             cipher.data(), keyBlock) != 0)
            __builtin_trap();
        const int backSize = getDecryptAESResultSize(cipher.data(), encSize);
        if (backSize != length)
            __builtin_trap();
        std::vector<char> back(static_cast<size_t>(backSize));
        if (DecryptAESByData(cipher.data(), encSize, back.data(), keyBlock) != 0 || back != body)
            __builtin_trap();
    }
    return 0;
}
