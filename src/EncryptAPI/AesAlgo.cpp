#include "AesAlgo.h"

#include <openssl/evp.h>

#include <cstring>

namespace km {

bool IsAesKeyBits(int keyBits)
{
    return keyBits == 128 || keyBits == 192 || keyBits == 256;
}

AesEcb::~AesEcb()
{
    EVP_CIPHER_CTX_free(m_ctx);
}

bool AesEcb::init(const void *key, int keyBits, bool encrypt)
{
    const EVP_CIPHER *cipher = nullptr;
    switch (keyBits) {
    case 128: cipher = EVP_aes_128_ecb(); break;
    case 192: cipher = EVP_aes_192_ecb(); break;
    case 256: cipher = EVP_aes_256_ecb(); break;
    default: return false;
    }
    if (!key || !cipher)
        return false;
    if (!m_ctx) {
        m_ctx = EVP_CIPHER_CTX_new();
        if (!m_ctx)
            return false;
    }
    if (EVP_CipherInit_ex(m_ctx, cipher, nullptr, static_cast<const unsigned char *>(key), nullptr,
                          encrypt ? 1 : 0) != 1)
        return false;
    // Blocks are transformed one for one; the format adds its own padding.
    return EVP_CIPHER_CTX_set_padding(m_ctx, 0) == 1;
}

bool AesEcb::process(const uint8_t *in, uint8_t *out, std::size_t length)
{
    if (!m_ctx || length % 16 != 0)
        return false;
    while (length > 0) {
        // EVP takes int lengths; keep every call well inside that range.
        const std::size_t part = length > (1u << 30) ? (1u << 30) : length;
        int produced = 0;
        if (EVP_CipherUpdate(m_ctx, out, &produced, in, static_cast<int>(part)) != 1
            || produced != static_cast<int>(part))
            return false;
        in += part;
        out += part;
        length -= part;
    }
    return true;
}

int AesRoutine(const uint8_t *in, int length, const void *key, int keyBits, uint8_t *out,
               bool encrypt)
{
    if (!in || !key || !out || !IsAesKeyBits(keyBits) || length < 0)
        return 1;
    if (length == 0)
        return 0;
    AesEcb aes;
    if (!aes.init(key, keyBits, encrypt))
        return 1;
    const std::size_t whole = static_cast<std::size_t>(length) / 16 * 16;
    if (whole > 0 && !aes.process(in, out, whole))
        return 1;
    const std::size_t rest = static_cast<std::size_t>(length) - whole;
    if (rest > 0) {
        uint8_t block[16] = {};
        std::memcpy(block, in + whole, rest);
        if (!aes.process(block, out + whole, 16))
            return 1;
    }
    return 0;
}

} // namespace km
