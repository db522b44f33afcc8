// The Join command, from the empty-list check to "It Worked!".
#include "join/join_command.h"

#include <optional>
#include <string>

#include "framework/file_dialog.h"
#include "framework/handles.h"
#include "framework/win32_error.h"
#include "join/join_texts.h"
#include "join/join_worker.h"
#include "join/output_name.h"
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

// Waits for the worker while this thread goes on answering the messages the worker sends it (list
// reads, a report box's ownership) and painting. The window is disabled meanwhile, and actions
// that still reach it or its controls are dropped, as a disabled window would.
void WaitForWorker(HANDLE thread, HWND window)
{
    const BOOL wasEnabled = !::EnableWindow(window, FALSE);
    std::optional<int> quitCode;
    while (::MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
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
}

// The box for a join that could not be started, with the system's reason when it gave one.
void ReportNotStarted(HWND owner, DWORD error)
{
    std::string text = kNotStartedText;
    if (error != ERROR_SUCCESS)
        text += "\n" + DescribeWin32Error(error);
    ::MessageBoxA(owner, text.c_str(), kNotStartedCaption, MB_ICONERROR);
}

}  // namespace

void RunJoinCommand(CJoinWindow& window, bool insertDividers)
{
    const HWND owner = window.JoinWindowHandle();
    if (window.FileCount() == 0) {
        ::MessageBoxA(owner, kNoFilesText, kNoFilesCaption, MB_ICONINFORMATION);
        return;
    }

    const std::string firstPath = window.FilePath(0);
    const std::string suggestedName = SuggestedOutputName(firstPath, SystemCodePage());
    CFileDialog saveAs(FALSE, nullptr, suggestedName.c_str(), OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER,
                       kSaveFilter);
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

    JoinJob job;
    job.pMainDlg = &window;
    job.strOutputPath = saveAs.GetPathName();
    job.bInsertDividers = insertDividers ? TRUE : FALSE;

    const CHandle thread(::CreateThread(nullptr, 0, &JoinWorker, &job, 0, &window.m_dwWorkerThreadId));
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
    WaitForWorker(thread.Get(), owner);

    if (!shown) {
        // Whatever the worker did without its dialog, the join was not the user's to see through.
        ReportNotStarted(owner, dialogError);
        return;
    }
    if (g_bJoinSucceeded) {
        CSuccessDlg success;
        success.DoModal();
    }
}

}  // namespace cordwain
