// Which names of a shell drop enter the list: plain files only, in the drop's order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "filelist/list_box.h"

namespace filelist {

constexpr std::uint32_t kFileAttributeDirectory = 0x10;
// What an attribute query answers when it fails; its directory bit is set too.
constexpr std::uint32_t kInvalidFileAttributes = 0xFFFFFFFF;

// Attributes of a path as GetFileAttributesA gives them.
using FileAttributesQuery = std::function<std::uint32_t(const std::string& path)>;

// Appends each dropped name that is neither a folder nor unreadable, with the list's own
// append so the extent follows.
void AppendDroppedFiles(ListBox& list, const std::vector<std::string>& droppedNames,
                        const FileAttributesQuery& attributesOf);

}  // namespace filelist
