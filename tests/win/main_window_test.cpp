// The main window on screen: every command through its real button or menu item (the Exit button
// ends every RunMainWindow), Insert Dividers in step with its menu item, and the window's size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

#include "res/resource.h"
#include "support/window_driver.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

using Items = std::vector<std::string>;

TEST(MainWindow, OpensCentredTakesEveryCommandAndKeepsItsLayoutAsItIsSized)
{
    const Items start = {"C:\\b\\x.txt", "C:\\a\\z.txt", "C:\\the widest entry of the list\\part.001", "C:\\B\\y.txt"};
    const std::tuple<int, bool, Items> cases[] = {
        {IDC_REMOVE, false, {start[0], start[1], start[3]}},
        {ID_ACTION_REMOVE, true, {start[0], start[1], start[3]}},
        {IDC_REMOVE_ALL, false, {}},
        {ID_ACTION_REMOVE_ALL, true, {}},
        {IDC_SORT_LIST, false, {start[1], start[0], start[3], start[2]}},
    };
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const HWND list = ::GetDlgItem(window, IDC_FILE_LIST);
        EXPECT_EQ(::GetWindow(window, GW_CHILD), list);  // above its group box
        RECT rc{};
        RECT screen{};
        ::GetWindowRect(window, &rc);
        ::GetClientRect(::GetDesktopWindow(), &screen);
        EXPECT_LE(std::abs(rc.left + rc.right - screen.right) + std::abs(rc.top + rc.bottom - screen.bottom), 2);
        // The icon's 16-colour images and its 32-bit ones (a size of 0 is 256), which serve sizes above 32.
        const HMODULE module = ::GetModuleHandleW(nullptr);
        const auto* const group = static_cast<const BYTE*>(::LockResource(
            ::LoadResource(module, ::FindResourceA(module, MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON))));
        std::set<std::pair<int, int>> images;  // size and bits per pixel of each GRPICONDIRENTRY
        for (int i = 0; group != nullptr && i < group[4]; ++i)
            images.emplace(group[6 + 14 * i], group[12 + 14 * i]);
        EXPECT_EQ(images, (std::set<std::pair<int, int>>{
                              {16, 4}, {32, 4}, {20, 32}, {24, 32}, {40, 32}, {48, 32}, {64, 32}, {0, 32}}));
        const HICON at48 = HICON(
            ::LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 48, 48, LR_DEFAULTCOLOR | LR_SHARED));
        ICONINFO parts{};
        ::GetIconInfo(at48, &parts);
        std::vector<DWORD> pixels(48 * 48);
        BITMAPINFO format{{sizeof(BITMAPINFOHEADER), 48, -48, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        const HDC dc = ::GetDC(nullptr);
        EXPECT_EQ(::GetDIBits(dc, parts.hbmColor, 0, 48, pixels.data(), &format, DIB_RGB_COLORS), 48);
        ::ReleaseDC(nullptr, dc);
        // A 16-colour image has no alpha; the 32-bit one is opaque where it draws.
        EXPECT_NE(std::count_if(pixels.begin(), pixels.end(), [](DWORD pixel) { return pixel >> 24 == 0xFF; }), 0);
        ::DeleteObject(parts.hbmColor);
        ::DeleteObject(parts.hbmMask);

        const auto fill = [&] {
            List(window, start);
            ::SendMessageW(list, LB_SETCURSEL, 2, 0);
        };
        const auto extent = [&] { return ::SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0); };
        for (const auto& [id, menu, expected] : cases) {
            fill();
            const LRESULT widest = extent();
            menu ? ChooseMenuItem(window, id) : ClickButton(window, id);
            WaitUntil([&] { return ReadListItems(list) != start; }, 2000);
            EXPECT_EQ(ReadListItems(list), expected) << id;
            EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR) << id;
            // Remove took the widest item: the extent shrinks to the widest left; Sort keeps the items.
            EXPECT_TRUE(expected.empty()                 ? extent() == 0
                        : expected.size() < start.size() ? extent() > 0 && extent() < widest
                                                         : extent() == widest)
                << id;
        }
        // Remove without a selection, and a notification with code 1 from a control (a list box's
        // selection change), leave the list alone.
        fill();
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_REMOVE, LBN_SELCHANGE), LPARAM(list));
        ::SendMessageW(list, LB_SETCURSEL, WPARAM(-1), 0);
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_REMOVE, BN_CLICKED),
                       LPARAM(::GetDlgItem(window, IDC_REMOVE)));
        EXPECT_EQ(ReadListItems(list), start);

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
            EXPECT_EQ(Dismiss("About Cordwain...").owner, "Cordwain") << wParam;
        }

        // The layout's arithmetic is tested without windows; here, that the window applies it in client
        // coordinates, keeps its minimum size, raises the list again and comes back to the pixel.
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
            ::GetWindowRect(window, &rc);
            return std::pair(rc.right - rc.left, rc.bottom - rc.top);
        };
        const std::map<int, RECT> opened = rects();
        EXPECT_EQ(resize(0, 0), std::pair(750L, 450L)) << "the minimum, at the suite's 144 DPI";
        const SIZE unscaled = CMainDlg::MinTrackSize(96);
        EXPECT_EQ(std::pair(unscaled.cx, unscaled.cy), std::pair(500L, 300L));
        const std::map<int, RECT> small = rects();
        ::SetWindowPos(list, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        resize(850, 510);
        std::map<int, RECT> now = rects();
        EXPECT_EQ(now[IDC_JOIN].left - small.at(IDC_JOIN).left, 100);
        EXPECT_EQ(now[IDC_JOIN].top, opened.at(IDC_JOIN).top);
        EXPECT_EQ(now[IDC_FILE_LIST].bottom - small.at(IDC_FILE_LIST).bottom, 60);
        EXPECT_EQ(now[IDC_NOTE].left, opened.at(IDC_NOTE).left);
        EXPECT_EQ(::GetWindow(window, GW_CHILD), list);
        for (const int show : {SW_MAXIMIZE, SW_MINIMIZE, SW_RESTORE})
            ::ShowWindow(window, show);
        resize(750, 450);  // every rectangle comes from the captured ones: nothing drifts
        now = rects();
        for (const auto& [id, at] : small)
            EXPECT_TRUE(::EqualRect(&now[id], &at)) << id;

        ChooseMenuItem(window, ID_PROGRAM_EXIT);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(window); }, 3000));
    }));
}

}  // namespace
}  // namespace cordwain
