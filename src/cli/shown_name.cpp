// Quoting of names with control characters.
#include "cli/shown_name.h"

#include <algorithm>

namespace cordwain {
namespace {

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

}  // namespace

std::string ShownName(const std::string& name)
{
    if (std::none_of(name.begin(), name.end(), IsControl))
        return name;
    constexpr char kNamed[] = "abtnvfr";  // \a (7) to \r (13)
    constexpr char kOctal[] = "01234567";
    std::string shown = "'";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\'') {
            shown += "'\\''";
        } else if (!IsControl(c)) {
            shown += c;
        } else if (byte >= 7 && byte <= 13) {
            shown += std::string("'$'\\") + kNamed[byte - 7] + "''";
        } else {
            shown += std::string("'$'\\") + kOctal[byte >> 6] + kOctal[(byte >> 3) & 7] + kOctal[byte & 7] + "''";
        }
    }
    return shown + "'";
}

std::string WithShownName(std::string text, const std::string& name)
{
    const std::string shown = ShownName(name);
    if (name.empty() || shown == name)
        return text;
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + shown.size()))
        text.replace(at, name.size(), shown);
    return text;
}

}  // namespace cordwain
