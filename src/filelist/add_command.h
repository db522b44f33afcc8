// The Add command: files chosen in the multiple-selection open dialog, appended to the list.
#pragma once

#include "filelist/file_list_box.h"

namespace cordwain {

// Runs the open dialog (owned by the application's main window) and appends its answer to the
// list; nothing for a Cancel, and no message in any case.
void RunAddCommand(CFileListBox& list);

}  // namespace cordwain
