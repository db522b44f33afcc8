// What a join needs of the window it is started from: the list it joins, the window that owns
// its boxes, and the state the Join command, its worker and the progress dialog's Cancel share.
// The main window derives from it; a worker reaches it through JoinJob::pMainDlg.
#pragma once

#include <windows.h>

#include "framework/critical_section.h"
#include <memory>
#include <vector>

#include "join/join_host.h"
#include "join/join_worker.h"
#include "join/progress_dlg.h"

namespace cordwain {

class CJoinWindow : public JoinList {
public:
    CJoinWindow(const CJoinWindow&) = delete;
    CJoinWindow& operator=(const CJoinWindow&) = delete;

    // The window itself: owner of the command's boxes, disabled while a worker runs. JoinList's
    // FileCount and FilePath read the list afresh, by message, from any thread.
    virtual HWND JoinWindowHandle() const = 0;

    DWORD m_dwWorkerThreadId = 0;  // the worker of the latest join
    CCriticalSection m_csJoin;     // guards m_bJoinRunning and the worker's progress messages
    bool m_bJoinRunning = false;   // read by the worker only under m_csJoin
    CProgressDlg m_dlgProgress;
    // Jobs whose workers the Join command stopped waiting for; they may still reach this window.
    std::vector<std::unique_ptr<JoinJob>> m_abandonedJobs;

protected:
    CJoinWindow() = default;
    // Ends the program here while a worker left behind has not finished: it must not wake to a
    // window that has gone.
    ~CJoinWindow();
};

}  // namespace cordwain
