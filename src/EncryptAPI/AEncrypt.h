#ifndef SEAMRUN_AENCRYPT_H
#define SEAMRUN_AENCRYPT_H

#include "AesAlgo.h"
#include "DesAlgo.h"
#include "CipherExports.h"

namespace km {

// Whether an algorithm code and key length can key a block cipher.
bool IsCipherUsable(int algorithm, int keyBits);

// A block cipher keyed once and run over many 16-byte chunks, giving the same
// bytes as the buffer cipher would chunk by chunk. Used by the streaming file
// and data functions, which would otherwise rebuild a key schedule per chunk.
class ChunkCipher
{
public:
    // key: keyBits / 8 bytes for AES, 8 bytes for DES.
    bool init(int algorithm, const void *key, int keyBits, bool encrypt);
    // length: a multiple of 16.
    bool process(const uint8_t *in, uint8_t *out, std::size_t length);

private:
    int m_algorithm = -1;
    AesEcb m_aes;
    DesEcb m_des;
};

// The buffer cipher behind EncryptByBuf and DecryptByBuf.
int DispatchBuf(const CryptBufBlock *block, bool encrypt);

} // namespace km

#endif
