// The main window on screen: every command through its real button or menu item, the Insert
// Dividers option in step with its menu item, the About box, leaving, the queued paths, and the
// layout and minimum size as the window is sized.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <tuple>

#include "res/resource.h"
#include "support/window_driver.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

using Items = std::vector<std::string>;

TEST(MainWindow, ListCommandsThroughTheirButtonsAndMenuItems)
{
    const Items start = {"C:\\b\\x.txt", "C:\\a\\z.txt", "C:\\the widest entry of the list\\part.001", "C:\\B\\y.txt"};
    const Items removed = {start[0], start[1], start[3]};
    const std::tuple<int, bool, Items> cases[] = {
        {IDC_REMOVE, false, removed},
        {ID_ACTION_REMOVE, true, removed},
        {IDC_REMOVE_ALL, false, {}},
        {ID_ACTION_REMOVE_ALL, true, {}},
        {IDC_SORT_LIST, false, {start[1], start[0], start[3], start[2]}},
    };
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const HWND list = ::GetDlgItem(window, IDC_FILE_LIST);
        const auto fill = [&] {
            ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
            for (const std::string& item : start)
                ::SendMessageA(list, LB_ADDSTRING, 0, LPARAM(item.c_str()));
            ::SendMessageW(list, LB_SETCURSEL, 2, 0);
        };
        for (const auto& [id, menu, expected] : cases) {
            fill();
            menu ? ChooseMenuItem(window, id) : ClickButton(window, id);
            WaitUntil([&] { return ReadListItems(list) != start; }, 2000);
            EXPECT_EQ(ReadListItems(list), expected) << id;
            EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR) << id;
            EXPECT_TRUE(!expected.empty() || ::SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0) == 0) << id;
        }
        // A notification with code 1 from a control (a list box's selection change) is no command.
        fill();
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_REMOVE, LBN_SELCHANGE), LPARAM(list));
        EXPECT_EQ(ReadListItems(list), start);
    }));
}

TEST(MainWindow, OpensCentredWithItsQueuedPathsTheOptionAndAbout)
{
    const Items queued = {"C:\\in\\b.txt", "C:\\in\\a.txt", "C:\\in\\b.txt", "Z:\\not\\there.bin", "relative.txt"};
    CMainDlg dialog;
    for (const std::string& path : queued)
        dialog.AddPendingFile(path);
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        EXPECT_EQ(ReadListItems(::GetDlgItem(window, IDC_FILE_LIST)), queued);
        EXPECT_EQ(::GetWindow(window, GW_CHILD), ::GetDlgItem(window, IDC_FILE_LIST));  // above its group box
        RECT rc{};
        RECT screen{};
        ::GetWindowRect(window, &rc);
        ::GetClientRect(::GetDesktopWindow(), &screen);
        EXPECT_LE(std::abs(rc.left + rc.right - screen.right) + std::abs(rc.top + rc.bottom - screen.bottom), 2);
        const auto big = ::SendMessageW(window, WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(::SendMessageW(window, WM_GETICON, ICON_SMALL, 0), big);
        EXPECT_EQ(::SendMessageW(window, WM_QUERYDRAGICON, 0, 0), big);

        // A click changes only the box; opening the popup marks the item; choosing the item flips the box.
        const HMENU options = ::GetSubMenu(::GetMenu(window), 2);
        const auto marked = [&] {
            ::SendMessageW(window, WM_INITMENUPOPUP, WPARAM(options), 2);
            return (::GetMenuState(options, ID_OPTIONS_INSERT_DIVIDERS, MF_BYCOMMAND) & MF_CHECKED) != 0;
        };
        EXPECT_FALSE(marked());
        ::SendDlgItemMessageW(window, IDC_INSERT_DIVIDERS, BM_CLICK, 0, 0);
        EXPECT_TRUE(marked());
        for (const UINT expected : {BST_UNCHECKED, BST_CHECKED}) {
            ::SendMessageW(window, WM_COMMAND, ID_OPTIONS_INSERT_DIVIDERS, 0);
            EXPECT_EQ(::IsDlgButtonChecked(window, IDC_INSERT_DIVIDERS), expected);
        }

        const HMENU system = ::GetSystemMenu(window, FALSE);
        const int last = ::GetMenuItemCount(system) - 1;
        EXPECT_EQ(::GetMenuItemID(system, last), static_cast<UINT>(IDM_ABOUTBOX));
        EXPECT_NE(::GetMenuState(system, UINT(last - 1), MF_BYPOSITION) & MF_SEPARATOR, 0u);
        const std::pair<UINT, WPARAM> ways[] = {
            {WM_COMMAND, IDC_ABOUT}, {WM_COMMAND, ID_PROGRAM_ABOUT}, {WM_SYSCOMMAND, IDM_ABOUTBOX | 0xF}};
        for (const auto& [message, wParam] : ways) {  // the system command's low four bits carry flags
            ::PostMessageW(window, message, wParam, 0);
            const HWND about = WaitForWindow("About Cordwain...");
            EXPECT_EQ(::GetWindow(about, GW_OWNER), window) << wParam;
            ::PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
            ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
        }
    }));
}

TEST(MainWindow, ExitButtonAndMenuItemEndIt)
{
    for (const bool menu : {false, true}) {
        CMainDlg dialog;
        EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
            menu ? ChooseMenuItem(window, ID_PROGRAM_EXIT) : ClickButton(window, IDCANCEL);
            EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(window); }, 3000));
        }));
    }
}

// The layout's arithmetic is tested without windows; here, that the window applies it in client
// coordinates, keeps its minimum size, and comes back to the pixel.
TEST(MainWindow, ControlsFollowTheWindowWhichKeepsItsMinimumSize)
{
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const auto rects = [&] {
            std::map<int, RECT> at;
            for (const int id : {IDC_JOIN, IDCANCEL, IDC_FILE_LIST, IDC_NOTE}) {
                ::GetWindowRect(::GetDlgItem(window, id), &at[id]);
                ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&at[id]), 2);
            }
            return at;
        };
        const auto resize = [&](LONG width, LONG height) {
            ::SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
            RECT rc{};
            ::GetWindowRect(window, &rc);
            return std::pair(rc.right - rc.left, rc.bottom - rc.top);
        };
        const std::map<int, RECT> opened = rects();
        const auto [width, height] = resize(0, 0);  // the minimum: 500 x 300
        EXPECT_EQ(std::pair(width, height), std::pair(500L, 300L));
        const std::map<int, RECT> small = rects();
        resize(width + 100, height + 60);
        std::map<int, RECT> now = rects();
        EXPECT_EQ(now[IDC_JOIN].left - small.at(IDC_JOIN).left, 100);
        EXPECT_EQ(now[IDC_JOIN].top, opened.at(IDC_JOIN).top);
        EXPECT_EQ(now[IDCANCEL].top - small.at(IDCANCEL).top, 60);
        EXPECT_EQ(now[IDC_FILE_LIST].bottom - small.at(IDC_FILE_LIST).bottom, 60);
        EXPECT_EQ(now[IDC_NOTE].left, opened.at(IDC_NOTE).left);
        EXPECT_EQ(::GetWindow(window, GW_CHILD), ::GetDlgItem(window, IDC_FILE_LIST));  // raised again
        for (const int show : {SW_MAXIMIZE, SW_MINIMIZE, SW_RESTORE})
            ::ShowWindow(window, show);
        resize(width, height);  // every rectangle comes from the captured ones: nothing drifts
        now = rects();
        for (const auto& [id, rc] : small)
            EXPECT_TRUE(::EqualRect(&now[id], &rc)) << id;
    }));
}

}  // namespace
}  // namespace cordwain
