// The framework's boundaries on the real program: run-time classes, commands told from
// notifications, exceptions stopped at every callback, and a progress dialog that cannot be made.
#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>

#include "filelist/multi_file_dialog.h"
#include "join/success_dlg.h"
#include "res/resource.h"
#include "support/temp_folder.h"
#include "support/window_driver.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

static_assert(!std::is_copy_assignable_v<CWnd> && !std::is_copy_constructible_v<CWnd>,
              "a window object is what the window's messages reach: it is neither copied nor assigned");

TEST(FrameworkTraps, RunTimeClassesChainToTheirRealBases)
{
    const CSuccessDlg success;
    EXPECT_TRUE(success.IsKindOf(CDialog::ThisClass()));
    EXPECT_FALSE(success.IsKindOf(CFileDialog::ThisClass()));
    EXPECT_STREQ(CMultiFileDialog::ThisClass()->m_pBaseClass->m_lpszClassName, "CFileDialog");
}

constexpr UINT kThrowMessage = WM_APP + 7;

// The main window with a handler that fails, and a list its worker cannot read.
class CFailingMainDlg : public CMainDlg {
public:
    const MessageMapBase* GetMessageMap() const override
    {
        using E = MessageEntry<CFailingMainDlg>;
        static const E entries[] = {E::Message(kThrowMessage, &CFailingMainDlg::OnThrow)};
        static const MessageMap<CFailingMainDlg> map(CMainDlg::GetMessageMap(), entries);
        return &map;
    }
    std::string FilePath(int index) const override
    {
        if (::GetCurrentThreadId() != m_windowThread)
            throw std::runtime_error("the list could not be read");
        return CMainDlg::FilePath(index);
    }

private:
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("the handler gave up"); }
    const DWORD m_windowThread = ::GetCurrentThreadId();
};

TEST(FrameworkTraps, ExceptionsBecomeABoxAndTheProgramGoesOn)
{
    const TempFolder folder;
    CFailingMainDlg dialog;
    dialog.AddPendingFile(folder.Write("input", "data"));
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        ::PostMessageW(window, kThrowMessage, 0, 0);
        Box box = Dismiss("Oh, no!");
        EXPECT_EQ(box.text, "Sorry; something went wrong, and what you asked for was stopped.\nthe handler gave up");
        EXPECT_EQ(box.owner, window);

        // Still running: a join, whose worker fails, ends as a failed join does.
        ClickButton(window, IDC_JOIN);
        AnswerFileDialog(WaitForWindow("Save As"), folder.PathOf("out"));
        const HWND progress = WaitForWindow("Joining Files...");
        box = Dismiss("Oh, no!");
        EXPECT_NE(box.text.find("the list could not be read"), std::string::npos);
        EXPECT_EQ(box.owner, progress);
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
        EXPECT_EQ(WaitForWindow("It Worked!", 700), nullptr);
    }));
}

// A hook that keeps the progress dialog from being made, as a system out of resources would.
HHOOK g_refusal = nullptr;

LRESULT CALLBACK RefuseProgressDialog(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* const create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    if (code == HCBT_CREATEWND && !IS_INTRESOURCE(create->lpcs->lpszName) &&
        std::string(create->lpcs->lpszName) == "Joining Files...")
        return 1;
    return ::CallNextHookEx(g_refusal, code, wParam, lParam);
}

TEST(FrameworkTraps, ProgressDialogThatCannotBeMadeIsReportedNotCalledASuccess)
{
    const TempFolder folder;
    g_refusal = ::SetWindowsHookExA(WH_CBT, &RefuseProgressDialog, nullptr, ::GetCurrentThreadId());
    CMainDlg dialog;
    dialog.AddPendingFile(folder.Write("empty", ""));  // nothing to copy: the worker alone would call it a success
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        ClickButton(window, IDC_JOIN);
        AnswerFileDialog(WaitForWindow("Save As"), folder.PathOf("out"));
        EXPECT_EQ(Dismiss("Oh, no!").text.rfind("Sorry; the join could not be started.", 0), 0u);
        EXPECT_EQ(WaitForWindow("It Worked!", 700), nullptr);
    }));
    ::UnhookWindowsHookEx(g_refusal);
    EXPECT_FALSE(dialog.m_bJoinRunning);
}

}  // namespace
}  // namespace cordwain
