// Hashes through OpenSSL's EVP interface.
#include <openssl/evp.h>

#include "join/digest.h"

namespace cordwain {
namespace {

struct ContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

class OpenSslDigest final : public Digest {
public:
    explicit OpenSslDigest(const EVP_MD* method) : m_context(EVP_MD_CTX_new())
    {
        if (!m_context || EVP_DigestInit_ex(m_context.get(), method, nullptr) != 1)
            m_context.reset();
    }
    bool Ready() const { return m_context != nullptr; }

    void Update(const char* data, std::size_t size) override { EVP_DigestUpdate(m_context.get(), data, size); }
    std::string FinishHex() override
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        EVP_DigestFinal_ex(m_context.get(), digest, &size);
        return HexOf(digest, size);
    }

private:
    std::unique_ptr<EVP_MD_CTX, ContextFree> m_context;
};

}  // namespace

std::unique_ptr<Digest> Digest::Create(HashKind kind)
{
    if (kind == HashKind::Crc32)
        return CreateCrc32Digest();
    auto digest = std::make_unique<OpenSslDigest>(kind == HashKind::Sha256 ? EVP_sha256()
                                                  : kind == HashKind::Sha1 ? EVP_sha1()
                                                                           : EVP_md5());
    return digest->Ready() ? std::move(digest) : nullptr;
}

}  // namespace cordwain
