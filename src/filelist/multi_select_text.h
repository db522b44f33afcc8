// Text processing behind the multiple-selection open dialog: the overflow test, the quoted
// names text, and the paths made from it. Portable; the dialog binds to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cordwain {

// Characters in the Add command's result buffer, and the threshold of the overflow test.
constexpr std::uint32_t kSelectionBufferChars = 10000;

// True when the file-name text and the folder, each size counting its terminator, need more than
// the dialog's maximum. Sizes add without wrapping round.
bool SelectionOverflows(std::uint32_t namesSize, std::uint32_t folderSize,
                        std::uint32_t maxChars = kSelectionBufferChars);

// The names of a file-name text such as "a.txt" "b.txt", in order. A text not enclosed in quotes
// (a single selection) is one name; the names end at the first empty one.
std::vector<std::string> SplitQuotedNames(const std::string& namesText);

// Folder, exactly one backslash, name: the overflow case adds a backslash whatever the folder ends with.
std::string JoinOverflowPath(const std::string& folder, const std::string& name);

}  // namespace cordwain
