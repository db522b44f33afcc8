// The test's hands and eyes on the program's windows.
#include "support/window_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "framework/file_dialog.h"
#include "framework/win_app.h"
#include "res/resource.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

class TestApp final : public CWinApp {
    BOOL InitInstance() override { return FALSE; }
};

BOOL CALLBACK CollectIfOursAndActive(HWND hWnd, LPARAM found)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(hWnd);
    return TRUE;
}

// The visible, enabled top-level windows of this process.
std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> found;
    ::EnumWindows(&CollectIfOursAndActive, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

std::string Utf8(const std::wstring& text)
{
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(std::size_t(::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(),
                                                   int(bytes.size()), nullptr, nullptr)));
    return bytes;
}

std::wstring Wide(const std::string& utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(
        std::size_t(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), int(wide.size()))));
    return wide;
}

std::string ReadText(HWND window)
{
    std::wstring text(std::size_t(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(::GetWindowTextW(window, text.data(), int(text.size()))));
    return Utf8(text);
}

void List(HWND mainWindow, const std::vector<std::string>& paths)
{
    ::SendDlgItemMessageW(mainWindow, IDC_FILE_LIST, LB_RESETCONTENT, 0, 0);
    for (const std::string& path : paths)
        ::SendDlgItemMessageW(mainWindow, IDC_FILE_LIST, LB_ADDSTRING, 0, LPARAM(Wide(path).c_str()));
}

std::vector<std::string> ReadListItems(HWND listBox)
{
    std::vector<std::string> items;
    for (WPARAM i = 0; i < WPARAM(::SendMessageW(listBox, LB_GETCOUNT, 0, 0)); ++i) {
        // An item can go while it is read (the list is the program's); it then reads as empty.
        std::wstring text(std::size_t(std::max<LRESULT>(::SendMessageW(listBox, LB_GETTEXTLEN, i, 0), 0)) + 1, L'\0');
        text.resize(std::size_t(std::max<LRESULT>(::SendMessageW(listBox, LB_GETTEXT, i, LPARAM(text.data())), 0)));
        items.push_back(Utf8(text));
    }
    return items;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    for (const ULONGLONG deadline = ::GetTickCount64() + timeoutMs; !done(); ::Sleep(5))
        if (::GetTickCount64() >= deadline)
            return done();
    return true;
}

HWND WaitForWindow(const std::function<bool(HWND)>& match, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (const HWND hWnd : TopLevelWindows())
                found = match(hWnd) ? hWnd : found;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND WaitForWindow(const char* caption, DWORD timeoutMs)
{
    return WaitForWindow([&](HWND hWnd) { return ReadText(hWnd) == caption; }, timeoutMs);
}

void ClickButton(HWND dialog, int id)
{
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(::GetDlgItem(dialog, id)));
}

void ChooseMenuItem(HWND window, int id) { ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void AnswerFileDialog(HWND dialog, const std::string& path)
{
    HWND nameBox = ::GetDlgItem(dialog, 0x47C);  // a combo box on newer systems, an edit on older ones
    nameBox = nameBox != nullptr ? nameBox : ::GetDlgItem(dialog, 0x480);
    ::SendMessageW(nameBox, WM_SETTEXT, 0, LPARAM(Wide(path).c_str()));
    ClickButton(dialog, IDOK);
}

const CFileDialog* FileDialogObject(HWND dialog)
{
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        if (const auto* const object = dynamic_cast<const CFileDialog*>(CWnd::FromHandle(child)))
            return object;
    return nullptr;
}

Box Dismiss(const char* caption, int answer)
{
    const HWND window = WaitForWindow(caption);
    Box box{"", nullptr, ReadText(::GetWindow(window, GW_OWNER)), ""};  // read while the owner is still there
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = ReadText(child);  // the message is the longest text; the icon has none
        box.text = text.size() > box.text.size() && ::GetDlgCtrlID(child) != IDOK ? text : box.text;
        box.texts += text + "\n";
        box.icon = box.icon != nullptr ? box.icon : HICON(::SendMessageW(child, STM_GETICON, 0, 0));
    }
    ClickButton(window, answer);
    WaitUntil([&] { return !::IsWindow(window); }, 3000);
    return box;
}

bool RunMainWindow(CMainDlg& dialog, const std::function<void(HWND)>& script)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    TestApp app;
    app.m_pMainWnd = &dialog;
    std::atomic<bool> ended{false};
    bool forced = false;
    std::thread driver([&] {
        const HWND mainWindow = WaitForWindow("Cordwain");
        if (mainWindow != nullptr)
            script(mainWindow);
        // Whatever the script left open is cancelled, until the window's modal loop has ended.
        const bool closed = WaitUntil(
            [&] {
                for (const HWND hWnd : TopLevelWindows()) {
                    forced = forced || hWnd != mainWindow;
                    ClickButton(hWnd, ::GetDlgItem(hWnd, IDCANCEL) != nullptr ? IDCANCEL : IDOK);
                }
                ::Sleep(50);
                return ended.load();
            },
            30000);
        forced = forced || !closed || mainWindow == nullptr;
    });
    dialog.DoModal();
    ended = true;
    driver.join();
    return !forced;
}

}  // namespace cordwain
