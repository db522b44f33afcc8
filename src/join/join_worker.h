// The join worker thread: the job record the Join command hands it, its entry point, and the
// success flag it leaves behind for the command.
#pragma once

#include <windows.h>

#include <atomic>
#include <optional>
#include <string>

#include "framework/cstring.h"
#include "join/checksum_file.h"

namespace cordwain {

class CJoinWindow;

// Filled by the Join command, which waits for the worker to end before it lets the record go. A
// worker that the system does not give back (a read that never returns) is left behind with its
// record, which the window then keeps (CJoinWindow::m_abandonedJobs).
struct JoinJob {
    CJoinWindow* pMainDlg = nullptr;
    CString strOutputPath;
    BOOL bInsertDividers = FALSE;
    // The checksum published for the output, when the join is to be checked against it.
    std::optional<PublishedChecksum> published;
    // Set by the worker when every file was copied and hashed on its way: the output's digest.
    std::optional<std::string> outputDigest;

    // Set by the command when it stops waiting: the progress dialog, the running flag and the
    // boxes are no longer this worker's, and it stops at its next look at the flag.
    std::atomic<bool> abandoned{false};
    // Set by the worker as its last use of the record and of the window.
    std::atomic<bool> finished{false};
};

// Set by the worker after a complete, error-free join, before it asks the progress dialog to
// close; read by the Join command once the dialog has ended.
extern std::atomic<bool> g_bJoinSucceeded;

// Thread procedure: runs the job whose JoinJob* is the parameter. Always returns 0.
DWORD WINAPI JoinWorker(LPVOID param);

}  // namespace cordwain
