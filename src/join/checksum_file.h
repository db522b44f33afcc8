// Finding the checksum published with the pieces for a joined file: the files to look in beside
// the first piece, and the digest a checksum file's text gives for a name. Portable.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cordwain {

enum class HashKind { Sha256, Sha1, Md5 };

// "SHA-256", "SHA-1", "MD5".
const char* HashName(HashKind kind);

struct ChecksumSource {
    std::string path;
    HashKind kind;
    bool ownFile;  // OUTPUT.sha256 and the like, whose line may give the digest alone
};

// Where to look, in order, for the checksum of the output named `name`, in `folder` (the first
// piece's, with its separator): NAME.sha256, NAME.sha1, NAME.md5, then SHA256SUMS, SHA1SUMS, MD5SUMS.
std::vector<ChecksumSource> ChecksumSources(const std::string& folder, const std::string& name);

// The digest (lower case) that a checksum file's text gives for the file named `name`, in the
// lines sha256sum and md5sum write ("DIGEST  NAME", "DIGEST *NAME", names escaped with a leading
// backslash); in an own file also a digest alone. nullopt when no line gives one of this kind.
std::optional<std::string> FindDigest(const std::string& text, const std::string& name, HashKind kind, bool ownFile);

// Bytes as lower-case hexadecimal.
std::string HexOf(const unsigned char* bytes, std::size_t size);

}  // namespace cordwain
