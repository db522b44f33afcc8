// Finding the checksum published with the pieces for a joined file: the files to look in beside
// the first piece, and the digest a checksum file's lines give for a name. Portable but for the
// reading of the files themselves.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cordwain {

enum class HashKind { Sha256, Sha1, Md5, Crc32 };

// "SHA-256", "SHA-1", "MD5", "CRC-32".
const char* HashName(HashKind kind);

struct ChecksumSource {
    std::string path;
    HashKind kind;
    bool ownFile;  // OUTPUT.sha256 and the like, whose line may give the digest alone
};

// Where to look, in order, for the checksum of the output named `name`, in `folder` (the first
// piece's, with its separator): NAME.sha256, NAME.sha1, NAME.md5, then SHA256SUMS, SHA1SUMS, MD5SUMS.
std::vector<ChecksumSource> ChecksumSources(const std::string& folder, const std::string& name);

// The digest (lower case) that one line of a checksum file gives for the file named `name`, in the
// lines sha256sum and md5sum write ("DIGEST  NAME", "DIGEST *NAME", names escaped with a leading
// backslash); in an own file also a digest alone. nullopt when the line gives none of this kind.
std::optional<std::string> DigestOnLine(const std::string& line, const std::string& name, HashKind kind, bool ownFile);

// The CRC-32 (8 lower-case hexadecimal digits) that one line of an .sfv file gives for `name`: "NAME CRC32",
// the name possibly holding spaces; ';' starts a comment line.
std::optional<std::string> SfvDigestOnLine(const std::string& line, const std::string& name);

struct PublishedChecksum {
    std::string path;  // the checksum file that gave it
    HashKind kind;
    std::string digest;  // lower-case hexadecimal (CRC-32: 8 digits)
};

// The checksum published beside the pieces for the output named `name`, looked for in `folder` (with its
// separator, as ChecksumSources takes it) in the order cordwain-join --verify uses (NAME.sha256, .sha1, .md5,
// SHA256SUMS, SHA1SUMS, MD5SUMS), then NAME.sfv, then any other *.sfv in the folder that names it. Each file is
// read line by line in bounded memory, stopping at the line that names the output. nullopt when none does.
std::optional<PublishedChecksum> FindPublishedChecksum(const std::string& folder, const std::string& name);

// Lines longer than this are passed over unread: no checksum line is anywhere near as long.
constexpr std::size_t kLongestChecksumLine = 65536;

// Bytes as lower-case hexadecimal.
std::string HexOf(const unsigned char* bytes, std::size_t size);

}  // namespace cordwain
