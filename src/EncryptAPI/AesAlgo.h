#ifndef SEAMRUN_AESALGO_H
#define SEAMRUN_AESALGO_H

#include <cstddef>
#include <cstdint>

typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

namespace km {

// AES in electronic-codebook mode: every 16-byte block on its own, no
// padding added by the cipher. One key schedule serves any number of calls.
class AesEcb
{
public:
    AesEcb() = default;
    ~AesEcb();
    AesEcb(const AesEcb &) = delete;
    AesEcb &operator=(const AesEcb &) = delete;

    // keyBits: 128, 192 or 256; reads keyBits / 8 bytes of key.
    bool init(const void *key, int keyBits, bool encrypt);
    // length must be a multiple of 16; in and out may be the same area.
    bool process(const uint8_t *in, uint8_t *out, std::size_t length);

private:
    EVP_CIPHER_CTX *m_ctx = nullptr;
};

bool IsAesKeyBits(int keyBits);

// The AES routine of the buffer cipher: 1 for a null pointer or a key length
// other than 128, 192 or 256, else 0. A partial last block is zero-filled, so
// the output always holds whole 16-byte blocks.
int AesRoutine(const uint8_t *in, int length, const void *key, int keyBits, uint8_t *out,
               bool encrypt);

} // namespace km

#endif
