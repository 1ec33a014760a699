#include "RsaAlgo.h"

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

namespace km {

void PKeyFree::operator()(EVP_PKEY *key) const
{
    EVP_PKEY_free(key);
}

namespace {

struct CtxFree
{
    void operator()(EVP_PKEY_CTX *ctx) const { EVP_PKEY_CTX_free(ctx); }
};
using Ctx = std::unique_ptr<EVP_PKEY_CTX, CtxFree>;

struct BioFree
{
    void operator()(BIO *bio) const { BIO_free(bio); }
};
using Bio = std::unique_ptr<BIO, BioFree>;

struct BnFree
{
    void operator()(BIGNUM *bn) const { BN_free(bn); }
};

// PEM text is produced in memory and written through our own file access, so
// paths take the same road as everywhere else in the library.
bool WritePem(const PathStr &path, BIO *bio, bool privateKey)
{
    char *data = nullptr;
    const long len = BIO_get_mem_data(bio, &data);
    if (len <= 0 || !data)
        return false;
    File f;
    if (!(privateKey ? f.createPrivate(path) : f.open(path, "wb")))
        return false;
    if (std::fwrite(data, 1, static_cast<std::size_t>(len), f.get()) != static_cast<std::size_t>(len))
        return false;
    return f.close();
}

} // namespace

int KeySize(EVP_PKEY *key)
{
    return key ? EVP_PKEY_get_size(key) : 0;
}

int GenerateKeyFiles(const PathStr &privatePath, const PathStr &publicPath, int &keySize)
{
    Ctx ctx(EVP_PKEY_CTX_new_from_name(nullptr, "RSA", nullptr));
    if (!ctx || EVP_PKEY_keygen_init(ctx.get()) <= 0
        || EVP_PKEY_CTX_set_rsa_keygen_bits(ctx.get(), 1024) <= 0)
        return -1;
    std::unique_ptr<BIGNUM, BnFree> e(BN_new());
    if (!e || BN_set_word(e.get(), 65537) != 1
        || EVP_PKEY_CTX_set1_rsa_keygen_pubexp(ctx.get(), e.get()) <= 0)
        return -1;
    EVP_PKEY *raw = nullptr;
    if (EVP_PKEY_generate(ctx.get(), &raw) <= 0 || !raw)
        return -1;
    PKey key(raw);

    Ctx check(EVP_PKEY_CTX_new_from_pkey(nullptr, key.get(), nullptr));
    if (!check || EVP_PKEY_check(check.get()) != 1)
        return -1;
    keySize = EVP_PKEY_get_size(key.get());
    if (keySize <= 0)
        return -1;

    Bio priv(BIO_new(BIO_s_mem()));
    Bio pub(BIO_new(BIO_s_mem()));
    if (!priv || !pub
        || PEM_write_bio_PrivateKey(priv.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1
        || PEM_write_bio_PUBKEY(pub.get(), key.get()) != 1)
        return -1;
    if (!WritePem(privatePath, priv.get(), true) || !WritePem(publicPath, pub.get(), false))
        return -1;
    return 0;
}

PKey LoadKey(const PathStr &path, int mode)
{
    std::string pem;
    // A PEM key is a few kilobytes; anything far larger is not one.
    if (!ReadSmallFile(path, pem, 1u << 16) || pem.empty())
        return PKey();
    Bio bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
    if (!bio)
        return PKey();
    EVP_PKEY *key = mode == 0 ? PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr)
                              : PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr);
    if (key && EVP_PKEY_get_base_id(key) != EVP_PKEY_RSA) {
        EVP_PKEY_free(key);
        key = nullptr;
    }
    return PKey(key);
}

int RsaTransform(EVP_PKEY *key, int mode, bool encrypt, const uint8_t *in, std::size_t length,
                 uint8_t *out)
{
    if (!key || !in || !out || (mode != 0 && mode != 1))
        return -1;
    const int size = EVP_PKEY_get_size(key);
    if (size <= 0)
        return -1;
    Ctx ctx(EVP_PKEY_CTX_new_from_pkey(nullptr, key, nullptr));
    if (!ctx)
        return -1;
    // Public encrypt / private decrypt are the encryption pair; private
    // "encrypt" and public "decrypt" are raw PKCS #1 type-1 signing and
    // recovery (no digest wrapped around the data).
    int ok;
    if (mode == 0 && encrypt)
        ok = EVP_PKEY_encrypt_init(ctx.get());
    else if (mode == 1 && !encrypt)
        ok = EVP_PKEY_decrypt_init(ctx.get());
    else if (mode == 1)
        ok = EVP_PKEY_sign_init(ctx.get());
    else
        ok = EVP_PKEY_verify_recover_init(ctx.get());
    if (ok <= 0 || EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) <= 0)
        return -1;
    std::size_t outLen = static_cast<std::size_t>(size);
    if (mode == 0 && encrypt)
        ok = EVP_PKEY_encrypt(ctx.get(), out, &outLen, in, length);
    else if (mode == 1 && !encrypt)
        ok = EVP_PKEY_decrypt(ctx.get(), out, &outLen, in, length);
    else if (mode == 1)
        ok = EVP_PKEY_sign(ctx.get(), out, &outLen, in, length);
    else
        ok = EVP_PKEY_verify_recover(ctx.get(), out, &outLen, in, length);
    if (ok <= 0 || outLen == 0 || outLen > static_cast<std::size_t>(size))
        return -1;
    return static_cast<int>(outLen);
}

} // namespace km
