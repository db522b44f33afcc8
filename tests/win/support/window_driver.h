// Driving the program's windows as a user would, from a thread of the test's own: finding
// windows, clicking, typing, and reading back what is shown (with the W messages, so what the
// user sees is checked, not the program's own conversion).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CFileDialog;

namespace cordwain {

class CMainDlg;

// Polls until done() answers true or the limit passes; answers done()'s last value.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
// A visible, enabled top-level window of this process with this caption, or nullptr once the
// limit has passed.
HWND WaitForWindow(const char* caption, DWORD timeoutMs = 10000);

// Posted, so the caller never waits for what they start: a button's click, a menu command.
void ClickButton(HWND dialog, int id);
void ChooseMenuItem(HWND window, int id);
// Types a path into a file dialog's name box and presses its OK button.
void AnswerFileDialog(HWND dialog, const std::string& path);
// Answers Yes to a question box (the file dialog's "replace it?") if one comes within the limit.
void AnswerYesIfAsked(DWORD timeoutMs = 3000);
// The framework's object behind a running common file dialog (bound to its hook's child dialog).
const CFileDialog* FileDialogObject(HWND dialog);

std::string ReadText(HWND window);
std::vector<std::string> ReadListItems(HWND listBox);
// A message box that comes: its text, icon and owner; it is dismissed with OK.
struct Box {
    std::string text;
    HICON icon = nullptr;
    HWND owner = nullptr;
};
Box Dismiss(const char* caption);

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

// Runs `dialog` as the program does (the application's main window, modal on this thread) while
// `script` acts on it from another thread. When the script returns, whatever it left open is
// cancelled and the window closed; answers false when a dialog had to be closed for it.
bool RunMainWindow(CMainDlg& dialog, const std::function<void(HWND mainWindow)>& script);

}  // namespace cordwain
