// Checksum files as sha256sum, sha1sum and md5sum write them, and .sfv files, read line by line.
#include "join/checksum_file.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>

#ifdef _WIN32
#include "join/file_open_win32.h"
#endif
#include "join/folder_listing.h"

namespace cordwain {
namespace {

std::size_t DigestLength(HashKind kind)
{
    switch (kind) {
    case HashKind::Sha256: return 64;
    case HashKind::Sha1: return 40;
    case HashKind::Md5: return 32;
    case HashKind::Crc32: return 8;
    }
    return 0;
}

std::optional<std::string> HexDigest(std::string_view field, HashKind kind)
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
std::string Unescaped(std::string_view name)
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

// A name listed in a checksum file, with or without "./" before it, names the output exactly.
bool NamesOutput(std::string_view listed, const std::string& name)
{
    return listed.substr(listed.rfind("./", 0) == 0 ? 2 : 0) == name;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A file's lines without their ends ("\n" or "\r\n"), read a block at a time; a line longer
// than kLongestChecksumLine comes out empty, its bytes never held.
class LineReader {
public:
    explicit LineReader(std::FILE* file) : m_file(file), m_block(65536) {}

    // False at the end of the file or at a read error.
    bool Next(std::string& line)
    {
        line.clear();
        bool tooLong = false;
        for (bool any = false;; any = true) {
            if (m_at == m_end) {
                m_at = 0;
                m_end = std::fread(m_block.data(), 1, m_block.size(), m_file);
                if (m_end == 0) {
                    if (!any)
                        return false;
                    break;
                }
            }
            const char* const start = m_block.data() + m_at;
            const auto* const end = static_cast<const char*>(std::memchr(start, '\n', m_end - m_at));
            const std::size_t size = end != nullptr ? std::size_t(end - start) : m_end - m_at;
            tooLong = tooLong || line.size() + size > kLongestChecksumLine;
            if (!tooLong)
                line.append(start, size);
            m_at += size + (end != nullptr ? 1 : 0);
            if (end != nullptr)
                break;
        }
        if (tooLong)
            line.clear();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }

private:
    std::FILE* m_file;
    std::vector<char> m_block;
    std::size_t m_at = 0;
    std::size_t m_end = 0;
};

using LineRule = std::function<std::optional<std::string>(const std::string& line)>;

// The digest of the first line of the file at `path` that gives one; nullopt when none does or
// the file cannot be read.
std::optional<std::string> FirstDigestIn(const std::string& path, const LineRule& digestOnLine)
{
#ifdef _WIN32
    const std::unique_ptr<std::FILE, FileCloser> file(OpenFileStream(path, false));
#else
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
#endif
    if (!file)
        return std::nullopt;
    LineReader lines(file.get());
    for (std::string line; lines.Next(line);) {
        if (std::optional<std::string> digest = digestOnLine(line))
            return digest;
    }
    return std::nullopt;
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
    switch (kind) {
    case HashKind::Sha256: return "SHA-256";
    case HashKind::Sha1: return "SHA-1";
    case HashKind::Md5: return "MD5";
    case HashKind::Crc32: return "CRC-32";
    }
    return "";
}

std::vector<ChecksumSource> ChecksumSources(const std::string& folder, const std::string& name)
{
    return {{folder + name + ".sha256", HashKind::Sha256, true}, {folder + name + ".sha1", HashKind::Sha1, true},
            {folder + name + ".md5", HashKind::Md5, true},       {folder + "SHA256SUMS", HashKind::Sha256, false},
            {folder + "SHA1SUMS", HashKind::Sha1, false},        {folder + "MD5SUMS", HashKind::Md5, false}};
}

std::optional<std::string> DigestOnLine(const std::string& line, const std::string& name, HashKind kind, bool ownFile)
{
    const bool escaped = !line.empty() && line.front() == '\\';
    const std::string_view rest = std::string_view(line).substr(escaped ? 1 : 0);
    const std::size_t space = rest.find(' ');
    if (space == std::string::npos)
        return ownFile ? HexDigest(rest, kind) : std::nullopt;
    // Two spaces, or a space and '*' for a file read in binary mode.
    std::string_view listed = rest.substr(space + 1);
    if (!listed.empty() && (listed.front() == ' ' || listed.front() == '*'))
        listed.remove_prefix(1);
    const bool named = escaped ? NamesOutput(Unescaped(listed), name) : NamesOutput(listed, name);
    return named ? HexDigest(rest.substr(0, space), kind) : std::nullopt;
}

std::optional<std::string> SfvDigestOnLine(const std::string& line, const std::string& name)
{
    static const char kBlank[] = " \t";
    if (line.empty() || line.front() == ';')
        return std::nullopt;
    const std::size_t last = line.find_last_not_of(kBlank);
    const std::size_t before = last == std::string::npos ? last : line.find_last_of(kBlank, last);
    const std::size_t nameEnd = before == std::string::npos ? before : line.find_last_not_of(kBlank, before);
    if (nameEnd == std::string::npos || !NamesOutput(std::string_view(line).substr(0, nameEnd + 1), name))
        return std::nullopt;
    return HexDigest(std::string_view(line).substr(before + 1, last - before), HashKind::Crc32);
}

std::optional<PublishedChecksum> FindPublishedChecksum(const std::string& folder, const std::string& name)
{
    for (const ChecksumSource& source : ChecksumSources(folder, name)) {
        const auto onLine = [&](const std::string& line) { return DigestOnLine(line, name, source.kind, source.ownFile); };
        if (std::optional<std::string> digest = FirstDigestIn(source.path, onLine))
            return PublishedChecksum{source.path, source.kind, *digest};
    }
    std::vector<std::string> sfvFiles{folder + name + ".sfv"};
    for (const std::string& found : FileNamesEndingIn(folder, ".sfv")) {
        if (folder + found != sfvFiles.front())
            sfvFiles.push_back(folder + found);
    }
    const auto onLine = [&](const std::string& line) { return SfvDigestOnLine(line, name); };
    for (const std::string& path : sfvFiles) {
        if (std::optional<std::string> digest = FirstDigestIn(path, onLine))
            return PublishedChecksum{path, HashKind::Crc32, *digest};
    }
    return std::nullopt;
}

}  // namespace cordwain
