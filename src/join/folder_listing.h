// The names in a folder, for the checksum files that are found by their extension alone.
#pragma once

#include <string>
#include <vector>

namespace cordwain {

// The names of the files in `folder` (with its separator; "" is the current folder) that end in
// `suffix`, ASCII case ignored, in byte order. Empty when the folder cannot be listed.
std::vector<std::string> FileNamesEndingIn(const std::string& folder, const std::string& suffix);

// Whether `name` ends in `suffix`, ASCII case ignored.
inline bool EndsInIgnoringCase(const std::string& name, const std::string& suffix)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (name.size() < suffix.size())
        return false;
    for (std::size_t i = 0, at = name.size() - suffix.size(); i < suffix.size(); ++i) {
        if (lower(name[at + i]) != lower(suffix[i]))
            return false;
    }
    return true;
}

}  // namespace cordwain
