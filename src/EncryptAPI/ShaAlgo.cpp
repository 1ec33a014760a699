#include "ShaAlgo.h"

#include "FilePath.h"

#include <openssl/evp.h>

#include <memory>
#include <vector>

namespace km {

namespace {

struct MdCtxFree
{
    void operator()(EVP_MD_CTX *ctx) const { EVP_MD_CTX_free(ctx); }
};
using MdCtx = std::unique_ptr<EVP_MD_CTX, MdCtxFree>;

bool Finish(EVP_MD_CTX *ctx, uint8_t digest[32])
{
    unsigned int len = 0;
    return EVP_DigestFinal_ex(ctx, digest, &len) == 1 && len == 32;
}

} // namespace

bool Sha256(const void *data, std::size_t length, uint8_t digest[32])
{
    MdCtx ctx(EVP_MD_CTX_new());
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr) != 1)
        return false;
    if (length > 0 && EVP_DigestUpdate(ctx.get(), data, length) != 1)
        return false;
    return Finish(ctx.get(), digest);
}

bool Sha256File(File &file, uint8_t digest[32])
{
    MdCtx ctx(EVP_MD_CTX_new());
    if (!file.isOpen() || !ctx || EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr) != 1)
        return false;
    std::vector<unsigned char> piece(16384);
    std::size_t n;
    while ((n = file.read(piece.data(), piece.size())) > 0) {
        if (EVP_DigestUpdate(ctx.get(), piece.data(), n) != 1)
            return false;
    }
    if (file.readFailed())
        return false;
    return Finish(ctx.get(), digest);
}

} // namespace km
