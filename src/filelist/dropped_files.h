// Which names of a shell drop enter the list: plain files only, in the drop's order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "filelist/file_list.h"

namespace cordwain {

constexpr std::uint32_t kFileAttributeDirectory = 0x10;

// Attributes of a path as GetFileAttributesW gives them; its failure answer, 0xFFFFFFFF, has the
// directory bit set too.
using FileAttributesQuery = std::uint32_t (*)(const std::string& path);

// Appends each dropped name that is neither a folder nor unreadable, with the list's own append
// so the extent follows.
void AppendDroppedFiles(FileList& list, const std::vector<std::string>& droppedNames, FileAttributesQuery attributesOf);

}  // namespace cordwain
