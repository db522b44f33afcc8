// The main window on screen: its controls and menus as shown, the system-menu About entry, the
// Insert Dividers option kept in step with its menu item, the About box, the queued paths,
// the list's place above the group box, the minimum size and painting while minimised.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win_app.h"
#include "support/main_dlg_harness.h"
#include "res/resource.h"
#include "support/modal_watcher.h"
#include "support/window_finder.h"
#include "support/window_input.h"
#include "ui/minimized_icon.h"

namespace {

constexpr const char* kAboutCaption = "About Cordwain...";

std::wstring MenuText(HMENU menu, UINT position)
{
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

// The state of every item of a popup, by position.
std::vector<UINT> MenuStates(HMENU menu)
{
    std::vector<UINT> states;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        states.push_back(::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION));
    return states;
}

SIZE WindowSize(HWND hWnd)
{
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

// Texts, classes and styles come from the template and are checked there; here, what the window
// does with them once it runs.
TEST(MainWindow, StartsWithEveryControlUsableAnEmptyListAndTheProgramIcons)
{
    const int ids[] = {IDC_JOIN,        IDC_ABOUT,     IDCANCEL, IDC_NOTE,   IDC_INSERT_DIVIDERS, IDC_OPTIONS_LABEL,
                       IDC_FILES_GROUP, IDC_FILE_LIST, IDC_ADD,  IDC_REMOVE, IDC_REMOVE_ALL,      IDC_SORT_LIST};
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        for (const int id : ids) {
            const HWND control = ::GetDlgItem(d.m_hWnd, id);
            ASSERT_NE(nullptr, control) << id;
            EXPECT_TRUE(::IsWindowVisible(control)) << id;
            EXPECT_TRUE(::IsWindowEnabled(control)) << id;
        }
        EXPECT_EQ(BST_UNCHECKED, ::IsDlgButtonChecked(d.m_hWnd, IDC_INSERT_DIVIDERS));
        EXPECT_EQ(0, ::SendDlgItemMessageA(d.m_hWnd, IDC_FILE_LIST, LB_GETCOUNT, 0, 0));
        // The list box runs through the file list box object from the first exchange on.
        EXPECT_EQ(&d.m_lstFiles, CWnd::FromHandle(::GetDlgItem(d.m_hWnd, IDC_FILE_LIST)));
        // The icons the window shows are the program's, at both sizes.
        const auto big = reinterpret_cast<HICON>(d.SendMessage(WM_GETICON, ICON_BIG));
        const auto small = reinterpret_cast<HICON>(d.SendMessage(WM_GETICON, ICON_SMALL));
        EXPECT_NE(nullptr, big);
        EXPECT_NE(nullptr, small);
        EXPECT_NE(big, small);
        EXPECT_EQ(reinterpret_cast<LRESULT>(big), d.SendMessage(WM_QUERYDRAGICON));
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(small, &info));
        BITMAP mask{};
        ::GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(16, mask.bmWidth);
        ::DeleteObject(info.hbmMask);
        ::DeleteObject(info.hbmColor);
    }));
}

TEST(MainWindow, ExitButtonMenuEscAndCloseBoxAllEndWithCancel)
{
    struct Way {
        const char* name;
        void (*trigger)(CMainDlgUnderTest&);
    };
    const Way ways[] = {
        {"Exit button", [](CMainDlgUnderTest& d) { wintest::ClickButton(d.m_hWnd, IDCANCEL); }},
        {"Exit menu item", [](CMainDlgUnderTest& d) { d.PostMessage(WM_COMMAND, MAKEWPARAM(ID_PROGRAM_EXIT, 0)); }},
        {"Esc", [](CMainDlgUnderTest& d) { wintest::PostKey(::GetDlgItem(d.m_hWnd, IDC_FILE_LIST), VK_ESCAPE); }},
        {"close box", [](CMainDlgUnderTest& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }},
    };
    for (const Way& way : ways) {
        CMainDlgUnderTest dlg;
        dlg.m_endAfterBody = false;
        dlg.m_onShown = [&](CMainDlgUnderTest& d) { way.trigger(d); };
        EXPECT_EQ(IDCANCEL, dlg.DoModal()) << way.name;
    }
}

TEST(MainWindow, SystemMenuEndsWithAboutEntryAndOnlyItsMaskedCommandOpensAbout)
{
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        const HMENU system = ::GetSystemMenu(d.m_hWnd, FALSE);
        ASSERT_NE(nullptr, system);
        const int count = ::GetMenuItemCount(system);
        ASSERT_GE(count, 2);
        EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), ::GetMenuItemID(system, count - 1));
        EXPECT_EQ(L"&About Cordwain...", MenuText(system, static_cast<UINT>(count - 1)));
        EXPECT_NE(0U, ::GetMenuState(system, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR);

        // The low four bits carry flags: 0x1F still means the About entry.
        for (const WPARAM command : {WPARAM{IDM_ABOUTBOX}, WPARAM{IDM_ABOUTBOX | 0xF}}) {
            wintest::ModalWatcher about(kAboutCaption, [](HWND box) { wintest::ClickButton(box, IDOK); });
            d.SendMessage(WM_SYSCOMMAND, command);
            EXPECT_TRUE(about.Finish()) << command;
        }
        // Other values, also ones that share bits with it, go to default processing.
        wintest::ModalWatcher none(
            kAboutCaption, [](HWND box) { wintest::ClickButton(box, IDOK); }, 400);
        for (const WPARAM command : {WPARAM{0x0000}, WPARAM{0x0020}, WPARAM{0x0110}, WPARAM{0x0030}})
            d.SendMessage(WM_SYSCOMMAND, command);
        EXPECT_FALSE(none.Finish());
        EXPECT_TRUE(::IsWindowVisible(d.m_hWnd));
    }));
}

TEST(MainWindow, AboutBoxClosesEveryWayAndLeavesTheWindowAsItWas)
{
    struct Way {
        const char* name;
        UINT command;  // what opens the box
        void (*close)(HWND);
    };
    const Way ways[] = {
        {"&Whatever", IDC_ABOUT, [](HWND box) { wintest::ClickButton(box, IDOK); }},
        {"Esc", ID_PROGRAM_ABOUT, [](HWND box) { wintest::PostKey(::GetDlgItem(box, IDOK), VK_ESCAPE); }},
        {"close box", IDC_ABOUT, [](HWND box) { ::PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    CWinApp app;
    CMainDlgUnderTest dlg;
    app.m_pMainWnd = &dlg;
    dlg.AddPendingFile("C:\\in\\kept.txt");
    dlg.m_onShown = [&](CMainDlgUnderTest& d) {
        ::CheckDlgButton(d.m_hWnd, IDC_INSERT_DIVIDERS, BST_CHECKED);
        for (const Way& way : ways) {
            std::wstring text;
            HWND owner = nullptr;
            BOOL mainEnabled = TRUE;
            wintest::ModalWatcher about(kAboutCaption, [&](HWND box) {
                text = wintest::ReadWindowText(::FindWindowExA(box, nullptr, "Static", "Cordwain Version 2.1"));
                owner = ::GetWindow(box, GW_OWNER);
                mainEnabled = ::IsWindowEnabled(d.m_hWnd);
                way.close(box);
            });
            d.SendMessage(WM_COMMAND, MAKEWPARAM(way.command, BN_CLICKED));
            ASSERT_TRUE(about.Finish()) << way.name;
            EXPECT_EQ(L"Cordwain Version 2.1", text) << way.name;
            EXPECT_EQ(d.m_hWnd, owner) << way.name;
            EXPECT_FALSE(mainEnabled) << way.name;
            EXPECT_EQ(nullptr, wintest::FindTopLevelWindow(kAboutCaption)) << way.name;
            EXPECT_TRUE(::IsWindowEnabled(d.m_hWnd)) << way.name;
            EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(d.m_hWnd, IDC_INSERT_DIVIDERS)) << way.name;
            EXPECT_EQ(1, ::SendDlgItemMessageA(d.m_hWnd, IDC_FILE_LIST, LB_GETCOUNT, 0, 0)) << way.name;
        }
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(MainWindow, CheckBoxAndMenuItemStayInStepBothWays)
{
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        const HMENU options = ::GetSubMenu(::GetMenu(d.m_hWnd), 2);
        const HWND box = ::GetDlgItem(d.m_hWnd, IDC_INSERT_DIVIDERS);
        const auto openOptions = [&] { d.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(options), 2); };
        const auto menuChecked = [&] {
            return (::GetMenuState(options, ID_OPTIONS_INSERT_DIVIDERS, MF_BYCOMMAND) & MF_CHECKED) != 0;
        };
        const auto boxChecked = [&] { return ::IsDlgButtonChecked(d.m_hWnd, IDC_INSERT_DIVIDERS) == BST_CHECKED; };
        const auto choose = [&] { d.SendMessage(WM_COMMAND, MAKEWPARAM(ID_OPTIONS_INSERT_DIVIDERS, 0)); };

        openOptions();
        EXPECT_FALSE(menuChecked());

        // A click changes only the box; opening the popup brings the mark and the member along.
        ::SendMessageA(box, BM_CLICK, 0, 0);
        EXPECT_TRUE(boxChecked());
        EXPECT_FALSE(menuChecked());
        openOptions();
        EXPECT_TRUE(menuChecked());
        EXPECT_EQ(1, d.m_bInsertDividers);

        // Choosing the item flips the box.
        choose();
        EXPECT_FALSE(boxChecked());
        EXPECT_EQ(0, d.m_bInsertDividers);
        openOptions();
        EXPECT_FALSE(menuChecked());

        // Unchecked again by a click after the item checked it.
        choose();
        ::SendMessageA(box, BM_CLICK, 0, 0);
        openOptions();
        EXPECT_FALSE(menuChecked());
        EXPECT_EQ(0, d.m_bInsertDividers);
    }));
}

TEST(MainWindow, OpeningAPopupLeavesItemsWithoutUpdateHandlersAlone)
{
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        const HMENU bar = ::GetMenu(d.m_hWnd);
        const HMENU system = ::GetSystemMenu(d.m_hWnd, FALSE);
        struct Popup {
            HMENU menu;
            LPARAM lParam;
        };
        const Popup popups[] = {{::GetSubMenu(bar, 0), 0},
                                {::GetSubMenu(bar, 1), 1},
                                {::GetSubMenu(bar, 2), 2},
                                {system, MAKELPARAM(0, TRUE)}};
        for (const Popup& popup : popups) {
            const std::vector<UINT> before = MenuStates(popup.menu);
            d.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.menu), popup.lParam);
            EXPECT_EQ(before, MenuStates(popup.menu)) << popup.lParam;
        }
        // The menu bar itself: its entries open popups and are offered under their first items' ids.
        const std::vector<UINT> barBefore = MenuStates(bar);
        ::CheckDlgButton(d.m_hWnd, IDC_INSERT_DIVIDERS, BST_CHECKED);
        d.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(bar), 0);
        EXPECT_EQ(barBefore, MenuStates(bar));
        EXPECT_EQ(1, d.m_bInsertDividers);  // the Options entry was offered as its first item
    }));
}

TEST(MainWindow, QueuedPathsFillTheListInOrderAndTheListStaysAboveTheGroupBox)
{
    const std::vector<std::string> queued = {"C:\\in\\b.txt", "C:\\in\\a.txt", "C:\\in\\b.txt",
                                             "Z:\\does\\not\\exist.bin", "relative.txt"};
    CMainDlgUnderTest dlg;
    for (const std::string& path : queued)
        dlg.AddPendingFile(path);
    std::vector<std::wstring> shown;
    dlg.m_onShown = [&](CMainDlgUnderTest& d) {
        const HWND list = ::GetDlgItem(d.m_hWnd, IDC_FILE_LIST);
        shown = wintest::ReadListBoxItems(list);
        EXPECT_EQ(list, ::GetWindow(d.m_hWnd, GW_CHILD));
        // A size change moves the controls; the list is raised again each time.
        ::SetWindowPos(::GetDlgItem(d.m_hWnd, IDC_FILES_GROUP), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ASSERT_NE(list, ::GetWindow(d.m_hWnd, GW_CHILD));
        const SIZE size = WindowSize(d.m_hWnd);
        ::SetWindowPos(d.m_hWnd, nullptr, 0, 0, size.cx + 40, size.cy + 30, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(list, ::GetWindow(d.m_hWnd, GW_CHILD));
        // Too late: only paths queued before the window opens reach the list.
        d.AddPendingFile("C:\\in\\late.txt");
        EXPECT_EQ(5, ::SendMessageA(list, LB_GETCOUNT, 0, 0));
    };
    dlg.DoModal();
    ASSERT_EQ(queued.size(), shown.size());
    for (std::size_t i = 0; i < queued.size(); ++i)
        EXPECT_EQ(wintest::Widen(queued[i].c_str()), shown[i]) << i;
}

TEST(MainWindow, EmptyListIsStillRaisedAboveTheGroupBox)
{
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        EXPECT_EQ(::GetDlgItem(d.m_hWnd, IDC_FILE_LIST), ::GetWindow(d.m_hWnd, GW_CHILD));
    }));
}

TEST(MainWindow, MinimumTrackingSizeIsFiveHundredByThreeHundred)
{
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        MINMAXINFO info{};
        info.ptMinTrackSize = POINT{1, 1};
        info.ptMaxTrackSize = POINT{4000, 3000};
        d.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(500, info.ptMinTrackSize.x);
        EXPECT_EQ(300, info.ptMinTrackSize.y);
        EXPECT_EQ(4000, info.ptMaxTrackSize.x);  // the rest is left alone
        EXPECT_EQ(3000, info.ptMaxTrackSize.y);

        ::SetWindowPos(d.m_hWnd, nullptr, 0, 0, 120, 80, SWP_NOMOVE | SWP_NOZORDER);
        SIZE size = WindowSize(d.m_hWnd);
        EXPECT_EQ(500, size.cx);
        EXPECT_EQ(300, size.cy);
        ::SetWindowPos(d.m_hWnd, nullptr, 0, 0, 499, 700, SWP_NOMOVE | SWP_NOZORDER);
        size = WindowSize(d.m_hWnd);
        EXPECT_EQ(500, size.cx);
        EXPECT_EQ(700, size.cy);
        ::SetWindowPos(d.m_hWnd, nullptr, 0, 0, 501, 301, SWP_NOMOVE | SWP_NOZORDER);
        size = WindowSize(d.m_hWnd);
        EXPECT_EQ(501, size.cx);
        EXPECT_EQ(301, size.cy);
    }));
}

TEST(MainWindow, PaintsWhileMinimisedAndComesBack)
{
    CMainDlgUnderTest dlg;
    dlg.AddPendingFile("C:\\in\\one.txt");
    dlg.m_onShown = [&](CMainDlgUnderTest& d) {
        d.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        ASSERT_TRUE(::IsIconic(d.m_hWnd));
        ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        d.SendMessage(WM_PAINT);
        EXPECT_FALSE(::GetUpdateRect(d.m_hWnd, nullptr, FALSE));
        d.SendMessage(WM_SYSCOMMAND, SC_RESTORE);
        EXPECT_FALSE(::IsIconic(d.m_hWnd));
        ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(1, ::SendDlgItemMessageA(d.m_hWnd, IDC_FILE_LIST, LB_GETCOUNT, 0, 0));
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(MinimizedIcon, IsCentredWithTheOddPixelRightAndBelow)
{
    const IconOrigin even = MinimizedIconOrigin(36, 36, 32, 32);
    EXPECT_EQ(2, even.x);
    EXPECT_EQ(2, even.y);
    const IconOrigin odd = MinimizedIconOrigin(37, 35, 32, 32);
    EXPECT_EQ(3, odd.x);  // (37 - 32 + 1) / 2
    EXPECT_EQ(2, odd.y);  // (35 - 32 + 1) / 2
    // A client area smaller than the icon: the division truncates toward zero, not down.
    const IconOrigin small = MinimizedIconOrigin(0, 29, 32, 32);
    EXPECT_EQ(-15, small.x);  // -31 / 2
    EXPECT_EQ(-1, small.y);   // -2 / 2
}

}  // namespace
