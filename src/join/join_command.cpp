// The Join command: checks the list, asks for the output file, refuses an output that is one of
// the inputs, runs the worker behind the progress dialog and waits for it, then says "It Worked!".
#include <windows.h>

#include <optional>
#include <string>

#include "framework/file_dialog.h"
#include "framework/handles.h"
#include "framework/win32_error.h"
#include "join/join_host_win32.h"
#include "join/join_texts.h"
#include "join/join_worker.h"
#include "join/output_name.h"
#include "join/same_file.h"
#include "join/success_dlg.h"
#include "ui/main_dlg.h"

namespace {

constexpr char kNoFilesText[] = "There are no files to join together.";
constexpr char kNoFilesCaption[] = "Sorry";
constexpr char kThreadFailedText[] = "Sorry; the join could not be started.\n";
constexpr char kThreadFailedCaption[] = "Oh, no!";
constexpr char kSaveFilter[] = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|";

// The ANSI code page's own view of lead bytes and digits, for the name and folder rules.
cordwain::CharClasses AnsiCharClasses()
{
    cordwain::CharClasses classes;
    classes.isLeadByte = [](unsigned char c) { return ::IsDBCSLeadByte(c) != FALSE; };
    classes.isDigit = [](unsigned char c) {
        const CHAR ch = static_cast<CHAR>(c);
        return ::IsCharAlphaNumericA(ch) && !::IsCharAlphaA(ch);
    };
    return classes;
}

// True when writing `output` would overwrite a listed file: the same text, or, for an output
// that already exists, the same file under another spelling (case, short name, relative path).
bool IsOutputInList(const cordwain::JoinList& list, const std::string& output)
{
    if (cordwain::FindInList(list, output) >= 0)
        return true;
    if (!cordwain::PathExists(output))
        return false;
    for (int i = 0; i < list.Count(); ++i) {
        if (cordwain::IsSameExistingFile(output, list.Text(i)))
            return true;
    }
    return false;
}

// What could start a second join, an Exit or a list change: the user's input, commands, drops, closing.
bool IsUserAction(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_DROPFILES || message == WM_CLOSE;
}

// Waits for the worker while this thread goes on answering the messages the worker sends it (list
// reads, a report box's ownership) and painting. The main window is disabled meanwhile, and
// actions that still reach it or its controls are dropped, as a disabled window would.
void WaitForWorker(HANDLE thread, HWND mainWindow)
{
    const BOOL wasEnabled = !::EnableWindow(mainWindow, FALSE);
    std::optional<int> quitCode;
    for (;;) {
        const DWORD woke = ::MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT);
        if (woke != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // A quit request belongs to the loop outside; hand it back once the worker is done.
            if (msg.message == WM_QUIT) {
                quitCode = static_cast<int>(msg.wParam);
                continue;
            }
            if (IsUserAction(msg.message) && (msg.hwnd == mainWindow || ::IsChild(mainWindow, msg.hwnd)))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    ::EnableWindow(mainWindow, wasEnabled);
    if (quitCode)
        ::PostQuitMessage(*quitCode);
}

}  // namespace

void CMainDlg::OnJoin()
{
    UpdateData(TRUE);
    m_bJoinRunning = true;

    const cordwain::ListBoxJoinList list(m_lstFiles);
    if (list.Count() == 0) {
        MessageBox(kNoFilesText, kNoFilesCaption, MB_ICONINFORMATION);
        return;
    }

    const cordwain::CharClasses classes = AnsiCharClasses();
    const std::string firstPath = list.Text(0);
    const std::string suggestedName = cordwain::SuggestedOutputName(firstPath, classes);
    CFileDialog saveAs(FALSE, nullptr, suggestedName.c_str(), OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER,
                       kSaveFilter);
    // Kept alive here until the dialog has closed.
    const std::optional<std::string> initialFolder = cordwain::InitialOutputFolder(firstPath, classes);
    if (initialFolder)
        saveAs.m_ofn.lpstrInitialDir = initialFolder->c_str();
    if (saveAs.DoModal() != IDOK)
        return;

    if (IsOutputInList(list, saveAs.GetPathName().str())) {
        MessageBox(cordwain::kOutputInListText, cordwain::kOutputInListCaption, MB_ICONERROR);
        return;
    }

    JoinJob job;
    job.pMainDlg = this;
    job.strOutputPath = saveAs.GetPathName();
    job.bInsertDividers = m_bInsertDividers;

    const CHandle thread(::CreateThread(nullptr, 0, &JoinWorker, &job, 0, &m_dwWorkerThreadId));
    if (!thread) {
        const CString reason = DescribeWin32Error(::GetLastError());
        MessageBox(kThreadFailedText + reason, kThreadFailedCaption, MB_ICONERROR);
        return;
    }

    if (m_dlgProgress.DoModal() == -1) {
        // No dialog will ever come up: let the worker stop at its first look at the flag.
        const CriticalSectionLock lock(m_csJoin);
        m_bJoinRunning = false;
    }
    // The worker may still be inside a read, a write or a window request, using the job and this
    // window; it ends soon after a cancel, at its next look at the flag.
    WaitForWorker(thread.Get(), m_hWnd);

    if (g_bJoinSucceeded) {
        CSuccessDlg success;
        success.DoModal();
    }
}
