// Hashes through the system's Cryptography API: Next Generation.
#include <windows.h>

#include <bcrypt.h>

#include <vector>

#include "join/digest.h"

namespace cordwain {
namespace {

class CngDigest final : public Digest {
public:
    explicit CngDigest(LPCWSTR algorithm)
    {
        DWORD size = 0;
        ULONG got = 0;
        if (BCryptOpenAlgorithmProvider(&m_algorithm, algorithm, nullptr, 0) != 0 ||
            BCryptGetProperty(m_algorithm, BCRYPT_HASH_LENGTH, reinterpret_cast<PUCHAR>(&size), sizeof size, &got, 0) !=
                0 ||
            BCryptCreateHash(m_algorithm, &m_hash, nullptr, 0, nullptr, 0, 0) != 0)
            return;
        m_digest.resize(size);
    }
    CngDigest(const CngDigest&) = delete;
    CngDigest& operator=(const CngDigest&) = delete;
    ~CngDigest() override
    {
        if (m_hash != nullptr)
            BCryptDestroyHash(m_hash);
        if (m_algorithm != nullptr)
            BCryptCloseAlgorithmProvider(m_algorithm, 0);
    }
    bool Ready() const { return !m_digest.empty(); }

    void Update(const char* data, std::size_t size) override
    {
        BCryptHashData(m_hash, reinterpret_cast<PUCHAR>(const_cast<char*>(data)), static_cast<ULONG>(size), 0);
    }
    std::string FinishHex() override
    {
        BCryptFinishHash(m_hash, m_digest.data(), static_cast<ULONG>(m_digest.size()), 0);
        return HexOf(m_digest.data(), m_digest.size());
    }

private:
    BCRYPT_ALG_HANDLE m_algorithm = nullptr;
    BCRYPT_HASH_HANDLE m_hash = nullptr;
    std::vector<unsigned char> m_digest;
};

}  // namespace

std::unique_ptr<Digest> Digest::Create(HashKind kind)
{
    if (kind == HashKind::Crc32)
        return CreateCrc32Digest();
    auto digest = std::make_unique<CngDigest>(kind == HashKind::Sha256 ? BCRYPT_SHA256_ALGORITHM
                                              : kind == HashKind::Sha1 ? BCRYPT_SHA1_ALGORITHM
                                                                       : BCRYPT_MD5_ALGORITHM);
    return digest->Ready() ? std::move(digest) : nullptr;
}

}  // namespace cordwain
