// Text processing behind the multiple-selection open dialog.
#include "filelist/multi_select_text.h"

#include <algorithm>

namespace cordwain {
namespace {

constexpr char kQuote = '"';

}  // namespace

bool SelectionOverflows(std::uint32_t namesSize, std::uint32_t folderSize, std::uint32_t maxChars)
{
    return std::uint64_t{namesSize} + folderSize > maxChars;
}

std::vector<std::string> SplitQuotedNames(const std::string& namesText)
{
    if (namesText.empty())
        return {};
    if (namesText.front() != kQuote)
        return {namesText};
    if (namesText.size() < 2)
        return {};

    // "a" "b" becomes "a"b", then a"b without its outer quotes.
    std::string joined;
    for (std::size_t pos = 0; pos < namesText.size(); ++pos) {
        joined += namesText[pos];
        if (namesText.compare(pos, 3, "\" \"") == 0)
            pos += 2;
    }
    const std::string inner = joined.substr(1, joined.size() - 2);

    std::vector<std::string> names;
    for (std::size_t begin = 0; begin <= inner.size();) {
        const std::size_t end = std::min(inner.find(kQuote, begin), inner.size());
        if (end == begin)
            break;  // the list ends at the first empty entry
        names.push_back(inner.substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

std::string JoinOverflowPath(const std::string& folder, const std::string& name) { return folder + '\\' + name; }

}  // namespace cordwain
