// The CRC-32 of .sfv files, from zlib on every platform (neither OpenSSL nor CNG gives it).
#include <zlib.h>

#include "join/digest.h"

namespace cordwain {
namespace {

class Crc32Digest final : public Digest {
public:
    void Update(const char* data, std::size_t size) override
    {
        m_crc = ::crc32_z(m_crc, reinterpret_cast<const Bytef*>(data), size);
    }
    // Most significant byte first, as .sfv files write it.
    std::string FinishHex() override
    {
        const unsigned char bytes[] = {static_cast<unsigned char>(m_crc >> 24), static_cast<unsigned char>(m_crc >> 16),
                                       static_cast<unsigned char>(m_crc >> 8), static_cast<unsigned char>(m_crc)};
        return HexOf(bytes, sizeof bytes);
    }

private:
    uLong m_crc = ::crc32_z(0, nullptr, 0);
};

}  // namespace

std::unique_ptr<Digest> CreateCrc32Digest() { return std::make_unique<Crc32Digest>(); }

}  // namespace cordwain
