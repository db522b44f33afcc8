// Driving the main window through whole joins: the shared main-window harness on the test thread,
// a script thread acting as the user, and readers for the boxes it meets.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/win_app.h"
#include "support/main_dlg_harness.h"
#include "support/temp_folder.h"
#include "support/window_finder.h"

namespace jointest {

using wintest::FileExists;
using wintest::Pattern;
using wintest::ReadFileBytes;
using wintest::TempFolder;
using wintest::WaitUntil;

// A visible, enabled top-level window of this process with this caption.
inline HWND WaitForDialog(const char* caption, DWORD timeoutMs = 10000)
{
    return wintest::WaitForTopLevelWindow(caption, nullptr, timeoutMs);
}
// The message text of a message box (its longest static text).
std::string MessageBoxText(HWND box);
std::string ControlText(HWND dialog, int id);
// Types a full path into the Save As dialog's name box and presses its OK button.
void AnswerSaveAs(HWND saveAs, const std::string& path);
// Answers the Save As dialog's "replace it?" question with Yes.
bool ConfirmOverwrite(DWORD timeoutMs = 10000);

// The main window under test, with the application object that makes it the owner of the dialogs
// run without a parent, as in the program.
class MainWindowSession {
public:
    MainWindowSession();
    ~MainWindowSession();
    MainWindowSession(const MainWindowSession&) = delete;
    MainWindowSession& operator=(const MainWindowSession&) = delete;

    // Runs the main window on this thread; once it is up, `script` drives it from another. When
    // the script returns (done or failed), whatever it left open is cancelled and the window closed.
    void Run(const std::function<void(HWND mainWindow)>& script);

    CMainDlgUnderTest& Dialog() { return m_dialog; }

private:
    CWinApp m_app;
    CMainDlgUnderTest m_dialog;
};

// Script steps on the main window.
void AddFiles(HWND mainWindow, std::initializer_list<std::string> paths);
void SetInsertDividers(HWND mainWindow, bool on);
void PressJoin(HWND mainWindow);

}  // namespace jointest
