// The file list box on the real main window: real drops and drags through the drag list's
// registered notification, with the extent kept in the list's own font.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "res/resource.h"
#include "support/temp_folder.h"
#include "support/window_driver.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

using Items = std::vector<std::string>;

// The width the list must make room for: the text in the list's font, and the 3-pixel margin.
int Width(HWND list, const std::string& text)
{
    const HDC dc = ::GetDC(list);
    const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    SIZE size{};
    const std::wstring wide = Wide(text);
    ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
    return size.cx + 3;
}

LRESULT Extent(HWND list) { return ::SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0); }

LRESULT Send(HWND list, UINT message, WPARAM wParam, const std::string& text)
{
    return ::SendMessageW(list, message, wParam, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

// A drop as the shell builds it: DROPFILES, then each wide name with its terminator, then one more.
HGLOBAL MakeDrop(const Items& names)
{
    std::wstring text;
    for (const std::string& name : names)
        text += Wide(name) + L'\0';
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + (text.size() + 1) * 2);
    auto* const header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, text.data(), text.size() * 2);
    ::GlobalUnlock(memory);
    return memory;
}

TEST(FileListBox, DropsAddPlainFilesWholeInTheirOrderAndOnlyOnTheList)
{
    const TempFolder folder;
    const std::string first = folder.Write("first.bin", "1");
    const std::string second = folder.Write("Ωmega Grüße 日本語の名前 😀😀 with the longest name.bin", "2");
    std::filesystem::create_directories(folder.PathOf("a folder"));
    // A name past 259 characters must arrive whole: cut, it would name the file made beside it.
    const std::string longPath = folder.PathOf(std::string(262 - folder.Path().size(), 'n') + ".txt");
    const std::wstring longWide = L"\\\\?\\" + Wide(longPath);
    ::CloseHandle(::CreateFileW(longWide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    folder.Write(longPath.substr(folder.Path().size() + 1, 258 - folder.Path().size()), "");
    // Where the system's A functions stop at MAX_PATH, the whole name is unreadable and skipped.
    const bool longNamesWork = ::GetFileAttributesA(longPath.c_str()) != INVALID_FILE_ATTRIBUTES;
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const HWND list = ::GetDlgItem(window, IDC_FILE_LIST);
        Send(list, LB_ADDSTRING, 0, first);
        const HGLOBAL drop = MakeDrop({second, folder.PathOf("a folder"), folder.PathOf("gone.txt"), first, longPath});
        ::SendMessageW(list, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        EXPECT_EQ(::GlobalSize(drop), 0u) << "the drop was not released";
        Items expected = {first, second, first};
        if (longNamesWork)
            expected.push_back(longPath);
        EXPECT_EQ(ReadListItems(list), expected);
        EXPECT_EQ(Extent(list), Width(list, expected.back() == first ? second : longPath));
        EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
        const HGLOBAL elsewhere = MakeDrop({first});
        ::SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(elsewhere), 0);
        ::GlobalFree(elsewhere);
        EXPECT_EQ(ReadListItems(list).size(), expected.size());
    }));
    ::DeleteFileW(longWide.c_str());
}

TEST(FileListBox, DragMovesAnItemJustBeforeTheItemDroppedOn)
{
    const std::string widest = "E, the widest item of this list by far";
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const HWND list = ::GetDlgItem(window, IDC_FILE_LIST);
        const auto pointOver = [&](int index) {
            RECT rc{};
            ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
            POINT pt{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
            ::ClientToScreen(list, &pt);
            return pt;
        };
        const auto drag = [&](int source, POINT end) {
            const UINT message = ::RegisterWindowMessageA(DRAGLISTMSGSTRING);
            DRAGLISTINFO info{DL_BEGINDRAG, list, pointOver(source)};
            ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(source), 0);
            EXPECT_EQ(::SendMessageW(window, message, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&info)), TRUE);
            info = DRAGLISTINFO{DL_DRAGGING, list, end};
            const LRESULT cursor = ::SendMessageW(window, message, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&info));
            info.uNotification = DL_DROPPED;
            ::SendMessageW(window, message, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&info));
            return cursor;
        };
        for (const char* item : {"A", "B", "C", "D"})
            Send(list, LB_ADDSTRING, 0, item);
        ::SendMessageW(list, LB_SETITEMDATA, Send(list, LB_ADDSTRING, 0, widest), 14);

        EXPECT_EQ(drag(4, pointOver(1)), DL_MOVECURSOR);
        EXPECT_EQ(ReadListItems(list), (Items{"A", widest, "B", "C", "D"}));
        EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(::SendMessageW(list, LB_GETITEMDATA, 1, 0), 14);  // the item's data travels with it
        EXPECT_EQ(Extent(list), Width(list, widest));
        RECT rc{};
        ::GetWindowRect(list, &rc);
        EXPECT_EQ(drag(2, POINT{rc.right + 300, rc.bottom + 300}), DL_STOPCURSOR);  // over no item: nothing moves
        EXPECT_EQ(ReadListItems(list), (Items{"A", widest, "B", "C", "D"}));
        EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
    }));
}

}  // namespace
}  // namespace cordwain
