// Text processing behind the multiple-selection open dialog: the overflow test, the quoted
// names text, and the walk over the dialog's result buffer. Portable; the dialog binds to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Characters in the Add command's result buffer, and the threshold of the overflow test.
constexpr std::uint32_t kSelectionBufferChars = 10000;

// True when the file-name text and the folder, each size counting its terminator,
// need more than the dialog's maximum. Sizes add without wrapping round.
bool SelectionOverflows(std::uint32_t namesSize, std::uint32_t folderSize,
                        std::uint32_t maxChars = kSelectionBufferChars);

// The names of a file-name text such as "a.txt" "b.txt", in order. A text not enclosed in
// quotes (a single selection) is one name; the names end at the first empty one.
std::vector<std::string> SplitQuotedNames(const std::string& namesText);

// Folder, exactly one backslash, name: the overflow case adds a backslash whatever the folder ends with.
std::string JoinOverflowPath(const std::string& folder, const std::string& name);

// The full paths in the dialog's result buffer, read only within buffer.size() characters:
// either one full path followed by an empty entry, or the folder and then one entry per name.
// nullopt when the buffer holds no final empty entry, so the answer was cut off.
std::optional<std::vector<std::string>> ReadResultBuffer(std::string_view buffer);

// The two texts captured at the last selection change that overflowed the result buffer.
struct SelectionCapture {
    std::string folder;
    std::string namesText;
};

// The paths the Add command appends: the captured selection when there is one, else the
// result buffer; a cut-off buffer without a capture gives nothing.
std::vector<std::string> SelectedPaths(std::string_view resultBuffer, const std::optional<SelectionCapture>& capture);

// Iteration over a list of selected paths in the dialog's manner: a position is a 1-based
// index of the next path, 0 once there are no more.
class CSelectedPaths {
public:
    explicit CSelectedPaths(std::vector<std::string> paths) : m_vecPaths(std::move(paths)) {}

    std::size_t GetStartPosition() const { return m_vecPaths.empty() ? 0 : 1; }

    // The path at position; moves position on, to 0 after the last path.
    // position must be a value this object handed out and not 0.
    std::string GetNextPathName(std::size_t& position) const;

    const std::vector<std::string>& Paths() const { return m_vecPaths; }

private:
    std::vector<std::string> m_vecPaths;
};
