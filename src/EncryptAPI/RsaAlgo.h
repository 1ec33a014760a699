#ifndef SEAMRUN_RSAALGO_H
#define SEAMRUN_RSAALGO_H

#include "FilePath.h"

#include <cstddef>
#include <cstdint>
#include <memory>

typedef struct evp_pkey_st EVP_PKEY;

namespace km {

struct PKeyFree
{
    void operator()(EVP_PKEY *key) const;
};
using PKey = std::unique_ptr<EVP_PKEY, PKeyFree>;

// Generates a 1024-bit key pair (exponent 65537), checks it and writes the
// private key unencrypted as PKCS #8 PEM (readable by the owner only) and the
// public key as SubjectPublicKeyInfo PEM. keySize receives the modulus size
// in bytes. 0 on success, -1 on any failure.
int GenerateKeyFiles(const PathStr &privatePath, const PathStr &publicPath, int &keySize);

// mode 0: public key, mode 1: private key. Null when the file cannot be read
// or holds no such key.
PKey LoadKey(const PathStr &path, int mode);

// Modulus size in bytes.
int KeySize(EVP_PKEY *key);

// One raw RSA operation with PKCS #1 v1.5 padding. mode 0 uses the public
// key, mode 1 the private key; out needs KeySize() bytes. The output length,
// or -1.
int RsaTransform(EVP_PKEY *key, int mode, bool encrypt, const uint8_t *in, std::size_t length,
                 uint8_t *out);

} // namespace km

#endif
