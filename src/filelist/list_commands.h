// The list commands of the main window that work on the list alone.
#pragma once

#include "filelist/list_box.h"
#include "filelist/sort_order.h"

namespace filelist {

// Deletes the selected item, if any; nothing is selected afterwards.
void RemoveSelected(ListBox& list);
void RemoveAll(ListBox& list);
// Copies every text, sorts the copies, then clears and refills the list in that order.
void SortList(ListBox& list, const CodePage& codePage);

}  // namespace filelist
