// OpenSSL 3 offers single DES only through its deprecated low-level calls (the
// EVP form needs the legacy provider), so they are allowed here and nowhere else.
#define OPENSSL_SUPPRESS_DEPRECATED 1

#include "DesAlgo.h"

#include <openssl/des.h>

#include <cstring>

namespace km {

struct DesEcb::Schedule
{
    DES_key_schedule ks;
};

DesEcb::DesEcb() : m_schedule(new Schedule) {}

DesEcb::~DesEcb()
{
    // The schedule is key material.
    std::memset(&m_schedule->ks, 0, sizeof m_schedule->ks);
}

void DesEcb::init(const void *key, bool encrypt)
{
    DES_cblock k;
    std::memcpy(k, key, sizeof k);
    DES_set_odd_parity(&k);
    DES_set_key_unchecked(&k, &m_schedule->ks);
    std::memset(k, 0, sizeof k);
    m_encrypt = encrypt;
}

void DesEcb::process(const uint8_t *in, uint8_t *out, std::size_t length)
{
    for (std::size_t i = 0; i + 8 <= length; i += 8) {
        DES_cblock src, dst;
        std::memcpy(src, in + i, 8);
        DES_ecb_encrypt(&src, &dst, &m_schedule->ks, m_encrypt ? DES_ENCRYPT : DES_DECRYPT);
        std::memcpy(out + i, dst, 8);
    }
}

int DesRoutine(const uint8_t *in, int length, const void *key, int keyBits, uint8_t *out,
               bool encrypt)
{
    if (!in || !key || !out || keyBits != 56 || length < 0)
        return 1;
    DesEcb des;
    des.init(key, encrypt);
    des.process(in, out, static_cast<std::size_t>(length));
    return 0;
}

} // namespace km
