// The Join command, from the empty-list check to "It Worked!".
#include "join/join_command.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/file_dialog.h"
#include "framework/handles.h"
#include "framework/win32_error.h"
#include "join/file_system.h"
#include "join/join_texts.h"
#include "join/join_worker.h"
#include "join/output_name.h"
#include "join/piece_check.h"
#include "join/same_file.h"
#include "join/success_dlg.h"

namespace cordwain {
namespace {

constexpr char kNoFilesText[] = "There are no files to join together.";
constexpr char kNoFilesCaption[] = "Sorry";
constexpr char kNotStartedText[] = "Sorry; the join could not be started.";
constexpr char kNotStartedCaption[] = "Oh, no!";
constexpr char kSaveFilter[] = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|";

// What could start a second join, an Exit or a list change: the user's input, commands, drops, closing.
bool IsUserAction(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_DROPFILES || message == WM_CLOSE;
}

// How long the worker gets once the progress dialog has gone (after a Cancel, the dialog's own
// pause makes it about a second) before its pending I/O is cancelled, and then before it is left.
constexpr DWORD kWorkerGraceMs = 500;

BOOL CALLBACK NoteVisible(HWND hWnd, LPARAM shown)
{
    *reinterpret_cast<bool*>(shown) = ::IsWindowVisible(hWnd) != FALSE;
    return !*reinterpret_cast<bool*>(shown);
}

// Whether the worker shows a window (its report, waiting for the user): then it is not stuck.
bool ShowsWindow(DWORD threadId)
{
    bool shown = false;
    ::EnumThreadWindows(threadId, &NoteVisible, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

// Waits for the worker while this thread goes on answering the messages the worker sends it (list
// reads, a report box's ownership) and painting. The window is disabled meanwhile, and actions
// that still reach it or its controls are dropped, as a disabled window would. A worker held in
// the system (a pipe nobody writes, a share that stopped answering) has its I/O cancelled; if it
// still does not return, the window stops waiting for it: false.
bool WaitForWorker(HANDLE thread, DWORD threadId, HWND window)
{
    const BOOL wasEnabled = !::EnableWindow(window, FALSE);
    std::optional<int> quitCode;
    bool cancelled = false;
    DWORD result = 0;
    for (ULONGLONG deadline = ::GetTickCount64() + kWorkerGraceMs;;) {
        const ULONGLONG now = ::GetTickCount64();
        result =
            ::MsgWaitForMultipleObjects(1, &thread, FALSE, DWORD(deadline > now ? deadline - now : 0), QS_ALLINPUT);
        if (result == WAIT_TIMEOUT) {
            if (cancelled && !ShowsWindow(threadId))
                break;
            // The read that fails here ends the job the way a cancelled one ends.
            if (!cancelled)
                ::CancelSynchronousIo(thread);
            cancelled = true;
            deadline = ::GetTickCount64() + kWorkerGraceMs;
            continue;
        }
        if (result != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // A quit request belongs to the loop outside; hand it back once the worker is done.
            if (msg.message == WM_QUIT) {
                quitCode = static_cast<int>(msg.wParam);
                continue;
            }
            if (IsUserAction(msg.message) && (msg.hwnd == window || ::IsChild(window, msg.hwnd)))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    ::EnableWindow(window, wasEnabled);
    if (quitCode)
        ::PostQuitMessage(*quitCode);
    return result == WAIT_OBJECT_0;
}

// The box for a join that could not be started, with the system's reason when it gave one.
void ReportNotStarted(HWND owner, DWORD error)
{
    std::string text = kNotStartedText;
    if (error != ERROR_SUCCESS)
        text += "\n" + DescribeWin32Error(error);
    ::MessageBoxA(owner, text.c_str(), kNotStartedCaption, MB_ICONERROR);
}

// A list of pieces that look wrong is named before anything is asked or written: true to go on.
bool PiecesMayBeJoined(const CJoinWindow& window, HWND owner)
{
    std::vector<std::string> paths;
    for (int i = 0; i < window.FileCount(); ++i)
        paths.push_back(window.FilePath(i));
    StdioFileSystem files;
    const std::vector<std::string> findings = PieceFindings(
        paths, [&](const std::string& path) { return files.SizeOf(path); }, &PathExists, SystemCodePage());
    return findings.empty() || ::MessageBoxA(owner, PieceCheckText(findings).c_str(), kPieceCheckCaption,
                                             MB_YESNO | MB_ICONWARNING) == IDYES;
}

// The end of a join the worker finished: "It Worked!", with what it was checked against, or the
// box for an output that does not match its checksum.
void ShowOutcome(const JoinJob& job, HWND owner)
{
    const CodePage& codePage = SystemCodePage();
    if (g_bJoinSucceeded) {
        CSuccessDlg success(
            job.outputDigest ? ChecksumMatchLine(HashName(job.published->kind), NamePart(job.published->path, codePage))
                             : std::string());
        success.DoModal();
    } else if (job.outputDigest) {
        const std::string text =
            ChecksumMismatchText(NamePart(job.published->path, codePage), HashName(job.published->kind),
                                 job.published->digest, *job.outputDigest);
        ::MessageBoxA(owner, text.c_str(), kChecksumMismatchCaption, MB_ICONERROR);
    }
}

}  // namespace

void RunJoinCommand(CJoinWindow& window, BOOL bInsertDividers)
{
    const HWND owner = window.JoinWindowHandle();
    if (window.FileCount() == 0) {
        ::MessageBoxA(owner, kNoFilesText, kNoFilesCaption, MB_ICONINFORMATION);
        return;
    }
    if (!PiecesMayBeJoined(window, owner))
        return;

    const std::string firstPath = window.FilePath(0);
    const std::string suggestedName = SuggestedOutputName(firstPath, SystemCodePage());
    // OFN_NOCHANGEDIR: relative paths in the list stay relative to the start folder.
    CFileDialog saveAs(FALSE, nullptr, suggestedName.c_str(),
                       OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR, kSaveFilter);
    // Kept alive here until the dialog has closed.
    const std::optional<std::string> initialFolder = InitialOutputFolder(firstPath, SystemCodePage());
    if (initialFolder)
        saveAs.m_ofn.lpstrInitialDir = initialFolder->c_str();
    if (saveAs.DoModal() != IDOK)
        return;

    if (IsOutputInList(window, saveAs.GetPathName().str())) {
        ::MessageBoxA(owner, kOutputInListText, kOutputInListCaption, MB_ICONERROR);
        return;
    }

    auto job = std::make_unique<JoinJob>();
    job->pMainDlg = &window;
    job->strOutputPath = saveAs.GetPathName();
    job->bInsertDividers = bInsertDividers;
    // With dividers the output is not the file that was published, so there is nothing to check.
    if (!bInsertDividers)
        job->published = FindPublishedChecksum(FolderPart(firstPath, SystemCodePage()),
                                               NamePart(job->strOutputPath.str(), SystemCodePage()));

    const CHandle thread(::CreateThread(nullptr, 0, &JoinWorker, job.get(), 0, &window.m_dwWorkerThreadId));
    if (!thread) {
        ReportNotStarted(owner, ::GetLastError());
        return;
    }

    const bool shown = window.m_dlgProgress.DoModal() != -1;
    const DWORD dialogError = shown ? ERROR_SUCCESS : ::GetLastError();
    if (!shown) {
        // No dialog will ever come up: let the worker stop at its first look at the flag.
        const CCriticalSectionLock lock(window.m_csJoin);
        window.m_bJoinRunning = false;
    }
    // The worker may still be inside a read, a write or a window request, using the job and this
    // window; it ends soon after a cancel, at its next look at the flag.
    const bool returned = WaitForWorker(thread.Get(), window.m_dwWorkerThreadId, owner);
    if (!returned) {
        // Left behind, the worker still uses its record: the window keeps it, and ends the program
        // before it goes.
        job->abandoned = true;
        auto& jobs = window.m_abandonedJobs;
        jobs.erase(std::remove_if(jobs.begin(), jobs.end(), [](const auto& left) { return left->finished.load(); }),
                   jobs.end());
        jobs.push_back(std::move(job));
    }

    if (!shown) {
        // Whatever the worker did without its dialog, the join was not the user's to see through.
        ReportNotStarted(owner, dialogError);
        return;
    }
    if (returned)
        ShowOutcome(*job, owner);
}

}  // namespace cordwain
