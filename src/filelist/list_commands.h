// The main window's commands that work on the list alone.
#pragma once

#include "filelist/file_list.h"
#include "filelist/sort_order.h"

namespace cordwain {

// Deletes the selected item, if any; nothing is selected afterwards.
void RemoveSelected(FileList& list);
void RemoveAll(FileList& list);
// Copies every text, sorts the copies, then clears and refills the list in that order.
void SortList(FileList& list, const CodePage& codePage);

}  // namespace cordwain
