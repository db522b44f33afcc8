// The join worker thread: the portable engine run over real files and the window's controls.
#include "join/join_worker.h"

#include "framework/exception_barrier.h"
#include "join/copy_engine.h"
#include "join/digesting_file_system.h"
#include "join/file_system.h"
#include "join/join_host_win32.h"
#include "join/join_window.h"

namespace cordwain {

namespace {

// The progress dialog is given half a second to come up before the worker first turns to it.
constexpr DWORD kStartPauseMs = 500;

// The join over real files; with a checksum to check, each chunk is hashed on its way to the
// output, and a join whose output does not match it has not succeeded.
JoinOutcome RunJobOverFiles(JoinJob& job, CJoinWindow& window, Win32JoinHost& host)
{
    StdioFileSystem files;
    const JoinRequest request{job.strOutputPath.str(), job.bInsertDividers};
    const std::unique_ptr<Digest> digest = job.published ? Digest::Create(job.published->kind) : nullptr;
    if (!digest)
        return RunJoinJob(JoinHost{window, host, host, files}, request);
    DigestingFileSystem hashed(files, *digest);
    JoinOutcome outcome = RunJoinJob(JoinHost{window, host, host, hashed}, request);
    if (outcome.succeeded) {
        job.outputDigest = digest->FinishHex();
        outcome.succeeded = *job.outputDigest == job.published->digest;
    }
    return outcome;
}

}  // namespace

// The flag is shared without a lock; it must stay one byte, as the Join command expects.
static_assert(sizeof(std::atomic<bool>) == 1, "g_bJoinSucceeded is a one-byte flag");
static_assert(std::atomic<bool>::is_always_lock_free, "g_bJoinSucceeded must not hide a lock");

std::atomic<bool> g_bJoinSucceeded{false};

DWORD WINAPI JoinWorker(LPVOID param)
{
    JoinJob& job = *static_cast<JoinJob*>(param);
    CJoinWindow& window = *job.pMainDlg;
    {
        Win32JoinHost host(window.m_csJoin, window.m_bJoinRunning, window.m_dlgProgress, job.abandoned);
        ::Sleep(kStartPauseMs);
        host.WaitForDialog();
        // A worker left behind by an earlier join never touches the flag a later join reads.
        if (!job.abandoned)
            g_bJoinSucceeded = false;

        JoinOutcome outcome;
        try {
            outcome = RunJobOverFiles(job, window, host);
        } catch (...) {
            // The job's streams are closed by now; it ends as a failed join does.
            outcome = JoinOutcome{};
            host.Report(Severity::kError, kUnexpectedErrorCaption, UnexpectedErrorText());
        }
        // Before the close is asked for: the Join command reads the flag once the dialog has ended.
        if (!job.abandoned)
            g_bJoinSucceeded = outcome.succeeded;
        host.RequestClose();
    }
    job.finished = true;
    return 0;
}

CJoinWindow::~CJoinWindow()
{
    for (const std::unique_ptr<JoinJob>& job : m_abandonedJobs) {
        if (!job->finished)
            ::ExitProcess(0);
    }
}

}  // namespace cordwain
