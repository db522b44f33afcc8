// The session runner and the script steps for the join tests.
#include "join_session.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "res/resource.h"
#include "support/window_finder.h"
#include "support/window_input.h"

namespace jointest {

namespace {

BOOL CALLBACK CollectStaticText(HWND hWnd, LPARAM lParam)
{
    if (wintest::WindowClassName(hWnd) == "Static") {
        const int length = ::GetWindowTextLengthA(hWnd);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextA(hWnd, text.data(), length + 1)));
        auto& longest = *reinterpret_cast<std::string*>(lParam);
        if (text.size() > longest.size())
            longest = text;
    }
    return TRUE;
}

// Presses the way out of whatever the script left open: Cancel where there is one, else OK.
void CancelOpenDialogs(HWND mainWindow)
{
    for (const HWND hWnd : wintest::TopLevelWindows()) {
        if (hWnd == mainWindow || wintest::WindowClassName(hWnd) != "#32770" || !::IsWindowEnabled(hWnd))
            continue;
        wintest::ClickButton(hWnd, ::GetDlgItem(hWnd, IDCANCEL) != nullptr ? IDCANCEL : IDOK);
    }
}

}  // namespace

std::string MessageBoxText(HWND box)
{
    std::string longest;
    ::EnumChildWindows(box, &CollectStaticText, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

std::string ControlText(HWND dialog, int id)
{
    char text[1024] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void AnswerSaveAs(HWND saveAs, const std::string& path)
{
    wintest::TypeText(wintest::FileNameBox(saveAs), path.c_str());
    wintest::ClickButton(saveAs, IDOK);
}

bool ConfirmOverwrite(DWORD timeoutMs)
{
    HWND question = nullptr;
    WaitUntil(
        [&] {
            for (const HWND hWnd : wintest::TopLevelWindows()) {
                if (::IsWindowEnabled(hWnd) && ::GetDlgItem(hWnd, IDYES) != nullptr) {
                    question = hWnd;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    if (question != nullptr)
        wintest::ClickButton(question, IDYES);
    return question != nullptr;
}

MainWindowSession::MainWindowSession()
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_app.m_pMainWnd = &m_dialog;
}

MainWindowSession::~MainWindowSession() { m_app.m_pMainWnd = nullptr; }

void MainWindowSession::Run(const std::function<void(HWND mainWindow)>& script)
{
    std::atomic<bool> ended{false};
    std::thread driver;
    // The script waits on windows this thread must keep pumping, so it runs beside the modal loop.
    m_dialog.m_endAfterBody = false;
    m_dialog.m_onShown = [&](CMainDlgUnderTest& dialog) {
        driver = std::thread([&, mainWindow = dialog.m_hWnd] {
            script(mainWindow);
            // Leftovers of a failed script: cancel them until the main window's loop has ended.
            WaitUntil(
                [&] {
                    CancelOpenDialogs(mainWindow);
                    if (::IsWindowEnabled(mainWindow))
                        ::PostMessageA(mainWindow, WM_CLOSE, 0, 0);
                    ::Sleep(50);
                    return ended.load();
                },
                30000);
        });
    };
    const INT_PTR result = m_dialog.DoModal();
    ended = true;
    if (driver.joinable())
        driver.join();
    else
        ADD_FAILURE() << "the main window did not come up";
    EXPECT_NE(CMainDlgUnderTest::kTimedOut, result) << "the join session hung and was ended by the watchdog";
}

void AddFiles(HWND mainWindow, std::initializer_list<std::string> paths)
{
    const HWND list = ::GetDlgItem(mainWindow, IDC_FILE_LIST);
    for (const std::string& path : paths)
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

void SetInsertDividers(HWND mainWindow, bool on)
{
    ::SendDlgItemMessageA(mainWindow, IDC_INSERT_DIVIDERS, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void PressJoin(HWND mainWindow) { wintest::ClickButton(mainWindow, IDC_JOIN); }

}  // namespace jointest
