// Steps of a join as the user sees it, shared by the join tests: Join pressed, Save As answered,
// the progress dialog watched until it goes.
#pragma once

#include <windows.h>

#include <string>

namespace jointest {

// Presses Join and answers the Save As dialog with `output` (confirming the replacement of an
// existing file when asked); answers the progress dialog, or nullptr when none came up.
HWND StartJoin(HWND mainWindow, const std::string& output, bool confirmOverwrite = false);

struct ProgressSeen {
    std::string firstFileText;  // the current-file box as the dialog came up
    bool hiddenBeforeEnd = false;
    bool ended = false;
};

// Watches the progress dialog until its window is gone.
ProgressSeen WatchProgress(HWND progress, DWORD timeoutMs = 20000);

// Dismisses "It Worked!" when it comes; answers whether it came and had its "&Go Away" button.
bool AcceptSuccess(DWORD timeoutMs = 5000);

}  // namespace jointest
