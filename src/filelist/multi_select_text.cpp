// Text processing behind the multiple-selection open dialog.
#include "filelist/multi_select_text.h"

#include <stdexcept>

namespace {

constexpr char kQuote = '"';
constexpr char kBackslash = '\\';
constexpr char kSlash = '/';

// The folder of an ordinary answer joined to one name: no second separator after a folder
// that already ends in one, and a slash for a folder written without backslashes.
std::string JoinResultPath(const std::string& folder, const std::string& name)
{
    const char separator = folder.find(kBackslash) == std::string::npos ? kSlash : kBackslash;
    std::string path = folder;
    if (path.empty() || path.back() != separator) {
        path += separator;
    }
    return path + name;
}

}  // namespace

bool SelectionOverflows(std::uint32_t namesSize, std::uint32_t folderSize, std::uint32_t maxChars)
{
    return std::uint64_t{namesSize} + folderSize > maxChars;
}

std::vector<std::string> SplitQuotedNames(const std::string& namesText)
{
    if (namesText.empty()) {
        return {};
    }
    if (namesText.front() != kQuote) {
        return {namesText};
    }
    if (namesText.size() < 2) {
        return {};
    }

    // "a" "b" becomes "a"b", then a"b without its outer quotes.
    std::string joined;
    for (std::size_t pos = 0; pos < namesText.size(); ++pos) {
        joined += namesText[pos];
        if (namesText.compare(pos, 3, "\" \"") == 0) {
            pos += 2;
        }
    }
    const std::string inner = joined.substr(1, joined.size() - 2);

    std::vector<std::string> names;
    std::size_t begin = 0;
    while (begin <= inner.size()) {
        std::size_t end = inner.find(kQuote, begin);
        if (end == std::string::npos) {
            end = inner.size();
        }
        if (end == begin) {
            break;  // the list ends at the first empty entry
        }
        names.push_back(inner.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

std::string JoinOverflowPath(const std::string& folder, const std::string& name) { return folder + kBackslash + name; }

std::optional<std::vector<std::string>> ReadResultBuffer(std::string_view buffer)
{
    std::vector<std::string> entries;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = buffer.find('\0', begin);
        if (end == std::string_view::npos) {
            return std::nullopt;  // an entry runs to the end of the buffer: the answer was cut
        }
        if (end == begin) {
            break;
        }
        entries.emplace_back(buffer.substr(begin, end - begin));
        begin = end + 1;
    }

    if (entries.size() <= 1) {
        return entries;  // one full path, or nothing chosen
    }
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        paths.push_back(JoinResultPath(entries.front(), entries[i]));
    }
    return paths;
}

std::vector<std::string> SelectedPaths(std::string_view resultBuffer, const std::optional<SelectionCapture>& capture)
{
    if (capture) {
        std::vector<std::string> paths;
        for (const std::string& name : SplitQuotedNames(capture->namesText)) {
            paths.push_back(JoinOverflowPath(capture->folder, name));
        }
        return paths;
    }
    return ReadResultBuffer(resultBuffer).value_or(std::vector<std::string>{});
}

std::string CSelectedPaths::GetNextPathName(std::size_t& position) const
{
    if (position == 0 || position > m_vecPaths.size()) {
        throw std::out_of_range("CSelectedPaths::GetNextPathName: no path at this position");
    }
    const std::string& path = m_vecPaths[position - 1];
    position = position < m_vecPaths.size() ? position + 1 : 0;
    return path;
}
