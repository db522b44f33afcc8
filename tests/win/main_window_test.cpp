// The main window on screen: every command through its real button or menu item, the Insert
// Dividers option in step with its menu item, the About box, leaving, the queued paths, and the
// layout and minimum size as the window is sized.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
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
                ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
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
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_REMOVE, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
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
        EXPECT_LE(std::abs(rc.left + rc.right - screen.right), 2);
        EXPECT_LE(std::abs(rc.top + rc.bottom - screen.bottom), 2);
        const auto big = ::SendMessageW(window, WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(big, 0);
        EXPECT_NE(::SendMessageW(window, WM_GETICON, ICON_SMALL, 0), big);
        EXPECT_EQ(::SendMessageW(window, WM_QUERYDRAGICON, 0, 0), big);

        // The option: a click changes only the box; opening the popup marks the item; the item flips the box.
        const HMENU options = ::GetSubMenu(::GetMenu(window), 2);
        const auto marked = [&] {
            ::SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(options), 2);
            return (::GetMenuState(options, ID_OPTIONS_INSERT_DIVIDERS, MF_BYCOMMAND) & MF_CHECKED) != 0;
        };
        EXPECT_FALSE(marked());
        ::SendDlgItemMessageW(window, IDC_INSERT_DIVIDERS, BM_CLICK, 0, 0);
        EXPECT_TRUE(marked());
        for (const UINT expected : {BST_UNCHECKED, BST_CHECKED}) {
            ::SendMessageW(window, WM_COMMAND, ID_OPTIONS_INSERT_DIVIDERS, 0);
            EXPECT_EQ(::IsDlgButtonChecked(window, IDC_INSERT_DIVIDERS), expected);
        }
        const UINT systemItem = ::GetMenuState(::GetSystemMenu(window, FALSE), 0, MF_BYPOSITION);
        ::SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(::GetSystemMenu(window, FALSE)), 0);
        EXPECT_EQ(::GetMenuState(::GetSystemMenu(window, FALSE), 0, MF_BYPOSITION), systemItem);

        const HMENU system = ::GetSystemMenu(window, FALSE);
        const int last = ::GetMenuItemCount(system) - 1;
        EXPECT_EQ(::GetMenuItemID(system, last), static_cast<UINT>(IDM_ABOUTBOX));
        EXPECT_NE(::GetMenuState(system, static_cast<UINT>(last - 1), MF_BYPOSITION) & MF_SEPARATOR, 0u);
        const std::pair<UINT, WPARAM> ways[] = {
            {WM_COMMAND, IDC_ABOUT}, {WM_COMMAND, ID_PROGRAM_ABOUT}, {WM_SYSCOMMAND, IDM_ABOUTBOX | 0xF}};
        for (const auto& [message, wParam] : ways) {
            ::PostMessageW(window, message, wParam, 0);
            const HWND about = WaitForWindow("About Cordwain...");
            ASSERT_NE(about, nullptr) << wParam;
            EXPECT_EQ(::GetWindow(about, GW_OWNER), window);
            ::PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
            ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
        }
        ::PostMessageW(window, WM_SYSCOMMAND, 0x0110, 0);  // shares bits with the About entry, but is not it
        EXPECT_EQ(WaitForWindow("About Cordwain...", 500), nullptr);
    }));
}

TEST(MainWindow, ExitButtonMenuEscAndCloseBoxAllEndIt)
{
    const std::function<void(HWND)> ways[] = {
        [](HWND w) { ClickButton(w, IDCANCEL); },
        [](HWND w) { ChooseMenuItem(w, ID_PROGRAM_EXIT); },
        [](HWND w) { ::PostMessageW(::GetDlgItem(w, IDC_FILE_LIST), WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND w) { ::PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& way : ways) {
        CMainDlg dialog;
        EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
            way(window);
            EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(window); }, 3000));
        }));
    }
}

// The layout's arithmetic is tested without windows; here, that the window applies it in client
// coordinates, keeps its minimum size, and comes back to the pixel.
TEST(MainWindow, ControlsFollowTheWindowWhichKeepsItsMinimumSize)
{
    const int ids[] = {IDC_JOIN, IDCANCEL, IDC_FILE_LIST, IDC_NOTE, IDC_SORT_LIST, IDC_FILES_GROUP};
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const auto rects = [&] {
            std::map<int, RECT> at;
            for (const int id : ids) {
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
        std::map<int, RECT> opened = rects();
        RECT frame{};
        ::GetWindowRect(window, &frame);
        resize(frame.right - frame.left + 100, frame.bottom - frame.top + 60);
        std::map<int, RECT> now = rects();
        EXPECT_EQ(now[IDC_JOIN].left - opened[IDC_JOIN].left, 100);
        EXPECT_EQ(now[IDC_JOIN].top, opened[IDC_JOIN].top);
        EXPECT_EQ(now[IDCANCEL].top - opened[IDCANCEL].top, 60);
        EXPECT_EQ(now[IDC_FILE_LIST].right - opened[IDC_FILE_LIST].right, 100);
        EXPECT_EQ(now[IDC_FILE_LIST].bottom - opened[IDC_FILE_LIST].bottom, 60);
        EXPECT_EQ(now[IDC_NOTE].left, opened[IDC_NOTE].left);
        EXPECT_EQ(::GetWindow(window, GW_CHILD), ::GetDlgItem(window, IDC_FILE_LIST));  // raised again

        EXPECT_EQ(resize(120, 80), std::pair(500L, 300L));
        for (const int show : {SW_MAXIMIZE, SW_MINIMIZE, SW_RESTORE})
            ::ShowWindow(window, show);
        resize(frame.right - frame.left, frame.bottom - frame.top);
        now = rects();
        for (const int id : ids)
            EXPECT_TRUE(::EqualRect(&now[id], &opened[id])) << id;
    }));
}

}  // namespace
}  // namespace cordwain
