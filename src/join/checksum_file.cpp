// Checksum files as sha256sum, sha1sum and md5sum write them.
#include "join/checksum_file.h"

#include <sstream>

namespace cordwain {
namespace {

std::size_t DigestLength(HashKind kind) { return kind == HashKind::Sha256 ? 64 : kind == HashKind::Sha1 ? 40 : 32; }

std::optional<std::string> HexDigest(const std::string& field, HashKind kind)
{
    if (field.size() != DigestLength(kind))
        return std::nullopt;
    std::string digest;
    for (const char c : field) {
        const char lower = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
        if (!((lower >= '0' && lower <= '9') || (lower >= 'a' && lower <= 'f')))
            return std::nullopt;
        digest += lower;
    }
    return digest;
}

// A name as sha256sum escapes it on a line that starts with a backslash.
std::string Unescaped(const std::string& name)
{
    std::string plain;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 1 < name.size())
            plain += name[++i] == 'n' ? '\n' : name[i];
        else
            plain += name[i];
    }
    return plain;
}

}  // namespace

std::string HexOf(const unsigned char* bytes, std::size_t size)
{
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < size; ++i)
        hex += {kHex[bytes[i] >> 4], kHex[bytes[i] & 0xF]};
    return hex;
}

const char* HashName(HashKind kind)
{
    return kind == HashKind::Sha256 ? "SHA-256" : kind == HashKind::Sha1 ? "SHA-1" : "MD5";
}

std::vector<ChecksumSource> ChecksumSources(const std::string& folder, const std::string& name)
{
    return {{folder + name + ".sha256", HashKind::Sha256, true}, {folder + name + ".sha1", HashKind::Sha1, true},
            {folder + name + ".md5", HashKind::Md5, true},       {folder + "SHA256SUMS", HashKind::Sha256, false},
            {folder + "SHA1SUMS", HashKind::Sha1, false},        {folder + "MD5SUMS", HashKind::Md5, false}};
}

std::optional<std::string> FindDigest(const std::string& text, const std::string& name, HashKind kind, bool ownFile)
{
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const bool escaped = !line.empty() && line.front() == '\\';
        const std::string rest = line.substr(escaped ? 1 : 0);
        const std::size_t space = rest.find(' ');
        const std::optional<std::string> digest = HexDigest(rest.substr(0, space), kind);
        if (!digest)
            continue;
        if (space == std::string::npos) {
            if (ownFile)
                return digest;
            continue;
        }
        // Two spaces, or a space and '*' for a file read in binary mode.
        std::string listed = rest.substr(space + 1);
        if (!listed.empty() && (listed.front() == ' ' || listed.front() == '*'))
            listed.erase(0, 1);
        listed = escaped ? Unescaped(listed) : listed;
        if (listed.rfind("./", 0) == 0)
            listed.erase(0, 2);
        if (listed == name)
            return digest;
    }
    return std::nullopt;
}

}  // namespace cordwain
