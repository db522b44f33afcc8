// The join worker thread: the portable engine run over real files and the main window's controls.
#include "join/join_worker.h"

#include <string>

#include "join/copy_engine.h"
#include "join/file_system.h"
#include "join/join_host_win32.h"
#include "ui/main_dlg.h"

// The flag is shared without a lock; it must stay one byte, as the Join command expects.
static_assert(sizeof(std::atomic<bool>) == 1, "g_bJoinSucceeded is a one-byte flag");
static_assert(std::atomic<bool>::is_always_lock_free, "g_bJoinSucceeded must not hide a lock");

std::atomic<bool> g_bJoinSucceeded{false};

DWORD WINAPI JoinWorker(LPVOID param)
{
    const JoinJob& job = *static_cast<const JoinJob*>(param);
    CMainDlg& mainDlg = *job.pMainDlg;
    const cordwain::JoinRequest request{job.strOutputPath.str(), job.bInsertDividers != FALSE};

    cordwain::ListBoxJoinList list(mainDlg.m_lstFiles);
    cordwain::Win32JoinHost host(mainDlg.m_csJoin, mainDlg.m_bJoinRunning, mainDlg.m_dlgProgress);
    cordwain::StdioFileSystem files;
    const cordwain::JoinServices services{list, host, host, files, host};
    cordwain::RunJoinJob(services, request, g_bJoinSucceeded);
    return 0;
}
