// Acting as the user in the explorer-style open dialog, from a watcher thread: going to a folder,
// selecting in its file list view (which notifies the dialog, as typed names do not), reading
// what the dialog shows. Nothing here asserts; callers check the answers on their own thread.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/window_finder.h"

namespace opendlg {

using wintest::FileNameBox;
// Types folder into the file-name box and presses OK, then waits until the dialog shows that
// folder with itemCount items in its list view; answers the list view, or nullptr on timeout.
HWND GoToFolder(HWND dialog, const std::string& folder, int itemCount, DWORD timeoutMs = 10000);
// Selects the list view items at these indexes (-1: every item), as a click or Ctrl+A would.
void SelectItems(HWND listView, const std::vector<int>& indexes);
// The names in the list view, in the order it shows them.
std::vector<std::string> ListViewNames(HWND listView);
// CDM_GETSPEC and CDM_GETFOLDERPATH, read with buffers of the size the dialog asks for.
std::string FileNameText(HWND dialog);
std::string FolderText(HWND dialog);

}  // namespace opendlg
