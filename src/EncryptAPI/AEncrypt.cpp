#include "AEncrypt.h"

namespace km {

bool IsCipherUsable(int algorithm, int keyBits)
{
    return (algorithm == KM_ALG_AES && IsAesKeyBits(keyBits))
        || (algorithm == KM_ALG_DES && keyBits == 56);
}

bool ChunkCipher::init(int algorithm, const void *key, int keyBits, bool encrypt)
{
    if (!key || !IsCipherUsable(algorithm, keyBits))
        return false;
    m_algorithm = algorithm;
    if (algorithm == KM_ALG_DES) {
        m_des.init(key, encrypt);
        return true;
    }
    return m_aes.init(key, keyBits, encrypt);
}

bool ChunkCipher::process(const uint8_t *in, uint8_t *out, std::size_t length)
{
    if (length % 16 != 0)
        return false;
    if (m_algorithm == KM_ALG_DES) {
        m_des.process(in, out, length);
        return true;
    }
    if (m_algorithm == KM_ALG_AES)
        return m_aes.process(in, out, length);
    return false;
}

int DispatchBuf(const CryptBufBlock *block, bool encrypt)
{
    if (!block || !block->input || !block->key || !block->output)
        return 1;
    const auto *in = static_cast<const uint8_t *>(block->input);
    auto *out = static_cast<uint8_t *>(block->output);
    switch (block->algorithm) {
    case KM_ALG_DES:
        return DesRoutine(in, block->length, block->key, block->keyBits, out, encrypt);
    case KM_ALG_AES:
        return AesRoutine(in, block->length, block->key, block->keyBits, out, encrypt);
    case KM_ALG_NONE:
        return 0; // "no cipher": the output is left as it is
    default:
        return 1;
    }
}

} // namespace km
