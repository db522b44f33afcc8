// A running hash, from a well-kept library behind one small interface: OpenSSL's libcrypto on
// Linux, the system's CNG on Windows, and zlib's CRC-32 on both.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "join/checksum_file.h"

namespace cordwain {

class Digest {
public:
    // nullptr when the library cannot give this kind.
    static std::unique_ptr<Digest> Create(HashKind kind);
    virtual ~Digest() = default;

    virtual void Update(const char* data, std::size_t size) = 0;
    // The digest of everything given, in lower-case hexadecimal.
    virtual std::string FinishHex() = 0;
};

// The CRC-32 alone, which every platform's Digest::Create hands over to.
std::unique_ptr<Digest> CreateCrc32Digest();

}  // namespace cordwain
