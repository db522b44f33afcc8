// An in-memory list box filled with the given texts, in order, through its own AddString.
#pragma once

#include <string>
#include <vector>

#include "filelist/memory_list_box.h"

namespace filelist {

using Texts = std::vector<std::string>;

inline MemoryListBox ListOf(const Texts& texts)
{
    MemoryListBox list;
    for (const std::string& text : texts) {
        list.AddString(text);
    }
    return list;
}

}  // namespace filelist
