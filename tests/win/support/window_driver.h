// Driving the program's windows as a user would, from a thread of the test's own: finding windows,
// clicking, typing, and reading back what is shown with the W messages, so the user's view is checked.
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
// A visible, enabled top-level window of this process that `match` accepts (or with this caption).
HWND WaitForWindow(const std::function<bool(HWND)>& match, DWORD timeoutMs = 10000);
HWND WaitForWindow(const char* caption, DWORD timeoutMs = 10000);

// Posted, so the caller never waits for what they start: a button's click, a menu command.
void ClickButton(HWND dialog, int id);
void ChooseMenuItem(HWND window, int id);
// Types a path into a file dialog's name box and presses its OK button.
void AnswerFileDialog(HWND dialog, const std::string& path);
// The framework's object behind a running common file dialog (bound to its hook's child dialog).
const CFileDialog* FileDialogObject(HWND dialog);

// Replaces the file list of the main window with `paths`.
void List(HWND mainWindow, const std::vector<std::string>& paths);
std::string ReadText(HWND window);
std::vector<std::string> ReadListItems(HWND listBox);
// A message box that comes, answered with `answer`: its text, icon and owner's caption (empty for
// none), and every text it shows, a line each.
struct Box {
    std::string text;
    HICON icon = nullptr;
    std::string owner;
    std::string texts;
};
Box Dismiss(const char* caption, int answer = IDOK);

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

// Runs `dialog` as the program does (the application's main window, modal on this thread) while
// `script` acts on it from another thread. Then whatever it left open is cancelled and the window
// ended with its Exit button; answers false when a dialog had to be closed for it.
bool RunMainWindow(CMainDlg& dialog, const std::function<void(HWND mainWindow)>& script);

}  // namespace cordwain
