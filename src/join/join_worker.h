// The join worker thread: the job record the Join command hands it, its entry point, and the
// success flag it leaves behind for the command.
#pragma once

#include <windows.h>

#include <atomic>

#include "framework/cstring.h"

namespace cordwain {

class CJoinWindow;

// Filled by the Join command on its own stack; the command waits for the worker to end before
// the record goes out of scope.
struct JoinJob {
    CJoinWindow* pMainDlg = nullptr;
    CString strOutputPath;
    BOOL bInsertDividers = FALSE;
};

// Set by the worker after a complete, error-free join, before it asks the progress dialog to
// close; read by the Join command once the dialog has ended.
extern std::atomic<bool> g_bJoinSucceeded;

// Thread procedure: runs the job whose JoinJob* is the parameter. Always returns 0.
DWORD WINAPI JoinWorker(LPVOID param);

}  // namespace cordwain
