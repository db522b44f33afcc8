// The file list on the real main window: real drops, drags through the drag list's registered
// notification, and Add through the real open dialog as a user drives it.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <fstream>

#include "framework/file_dialog.h"
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
    const HGDIOBJ old = ::SelectObject(dc, HFONT(::SendMessageW(list, WM_GETFONT, 0, 0)));
    SIZE size{};
    const std::wstring wide = Wide(text);
    ::GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
    return size.cx + 3;
}

// A drop as the shell builds it: DROPFILES, then each wide name with its terminator, then one more.
HGLOBAL MakeDrop(const Items& names)
{
    std::wstring text;
    for (const std::string& name : names)
        text += Wide(name) + L'\0';
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + (text.size() + 1) * 2);
    auto* const header = static_cast<DROPFILES*>(::GlobalLock(memory));
    *header = DROPFILES{sizeof(DROPFILES), POINT{}, FALSE, TRUE};  // wide names after the header
    std::memcpy(header + 1, text.data(), text.size() * 2);
    ::GlobalUnlock(memory);
    return memory;
}

// Opens the Add dialog and checks what it is given; shows `folder` (holding `count` files), selects
// them all as Ctrl+A would and ends with `button`, or with OK after typing `typed` over the selection.
// Appends the names that should come, with the folder, to `shown`.
void AddAll(HWND window, bool fromMenu, const std::string& folder, int count, int button, Items& shown,
            const std::string& typed = "")
{
    fromMenu ? ChooseMenuItem(window, ID_ACTION_ADD) : ClickButton(window, IDC_ADD);
    const HWND open = WaitForWindow("Open");
    const CFileDialog* const given = FileDialogObject(open);
    ASSERT_NE(given, nullptr);
    constexpr DWORD kAsked = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_ENABLEHOOK;
    EXPECT_EQ(given->m_ofn.Flags & (kAsked | OFN_HIDEREADONLY), kAsked);  // the dialog may add its own
    EXPECT_EQ(given->m_ofn.nMaxFile, 10000u);
    AnswerFileDialog(open, folder);
    HWND view = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const HWND shell = ::FindWindowExA(open, nullptr, "SHELLDLL_DefView", nullptr);
        view = shell != nullptr ? ::FindWindowExA(shell, nullptr, "SysListView32", nullptr) : nullptr;
        return view != nullptr && ::SendMessageW(view, LVM_GETITEMCOUNT, 0, 0) == count;
    }));
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED;
    ::SendMessageW(view, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&item));
    wchar_t text[MAX_PATH] = {};
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    for (int i = 0; i < count; ++i) {
        ::SendMessageW(view, LVM_GETITEMTEXTW, WPARAM(i), LPARAM(&item));
        shown.push_back(folder + "\\" + Utf8(text));
    }
    if (!typed.empty()) {
        shown.resize(shown.size() - std::size_t(count));
        shown.push_back(folder + "\\" + typed);
        return AnswerFileDialog(open, typed);
    }
    ClickButton(open, button);
    WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; });
}

// Add's selections: a few files in the dialog's order, one listed already; then past the 10,000-character
// result buffer: 300 names whose quoted text alone takes 14,100 characters, 240 names of 40 UTF-16 units,
// past it in units, and 200 of them, whose 8,600 units fit but whose 14,400 bytes of UTF-8 do not.
TEST(FileListBox, DropsDragsAndAddsKeepTheOrderTheNamesAndTheExtent)
{
    const TempFolder folder;
    const std::string first = folder.Write("first.bin", "1");
    const std::string widest = folder.Write("Ωmega Grüße 日本語の名前 😀😀 with the longest name.bin", "2");
    std::filesystem::create_directories(folder.PathOf("a folder"));  // folders are skipped, never expanded
    // A name of 300 characters must arrive whole (cut, it would name the file made beside it), be
    // taken as a file, and join.
    const std::string longPath = folder.PathOf(std::string(295 - folder.Path().size(), 'n') + ".txt");
    const std::wstring longWide = L"\\\\?\\" + Wide(longPath);
    std::ofstream(std::filesystem::path(longWide), std::ios::binary) << "long";
    folder.Write(longPath.substr(folder.Path().size() + 1, 258 - folder.Path().size()), "");
    const TempFolder few("-few");
    const TempFolder ascii("-ascii");
    const TempFolder units("-units");
    const TempFolder bytes("-bytes");
    const std::string listed = few.Write("b-Grüße-日本-😀.txt", "");  // out of name order: the dialog orders
    few.Write("c-third.dat", "");
    few.Write("a-first.txt", "");
    char name[96] = {};
    for (int i = 0; i < 300; ++i) {
        std::snprintf(name, sizeof name, "part-%03d-abcdefghijklmnopqrstuvwxyz01234.txt", i);
        ascii.Write(name, "");
        std::snprintf(name, sizeof name, "Grüße-日本語-😀-%03d-ΩΩΩΩΩΩΩΩΩΩΩΩΩΩΩΩΩΩΩ.bin", i);
        if (i < 240)
            units.Write(name, "");
        if (i < 200)
            bytes.Write(name, "");
    }
    CMainDlg dialog;
    dialog.AddPendingFile(listed);
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const HWND list = ::GetDlgItem(window, IDC_FILE_LIST);
        const HGLOBAL drop = MakeDrop({widest, folder.PathOf("a folder"), first, longPath});
        ::SendMessageW(list, WM_DROPFILES, WPARAM(drop), 0);
        EXPECT_EQ(::GlobalSize(drop), 0u) << "the drop was not released";
        Items expected = {listed, widest, first, longPath};
        EXPECT_EQ(ReadListItems(list), expected);
        const auto extent = [&] { return ::SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0); };
        EXPECT_EQ(extent(), Width(list, longPath));
        ClickButton(window, IDC_JOIN);
        AnswerFileDialog(WaitForWindow("Save As"), folder.PathOf("joined"));
        Dismiss("It Worked!");
        EXPECT_EQ(ReadAll(folder.PathOf("joined")), "21long");
        const HGLOBAL elsewhere = MakeDrop({first});  // only the list takes drops
        ::SendMessageW(window, WM_DROPFILES, WPARAM(elsewhere), 0);
        ::GlobalFree(elsewhere);

        // Drag the widest item, with its data, onto the first: it lands just before it.
        ::SendMessageW(list, LB_SETITEMDATA, 1, 14);
        const auto pointOver = [&](int index) {
            RECT rc{};
            ::SendMessageW(list, LB_GETITEMRECT, WPARAM(index), LPARAM(&rc));
            POINT pt{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
            ::ClientToScreen(list, &pt);
            return pt;
        };
        const auto drag = [&](int source, POINT end) {
            const UINT message = ::RegisterWindowMessageA(DRAGLISTMSGSTRING);
            DRAGLISTINFO info{DL_BEGINDRAG, list, pointOver(source)};
            ::SendMessageW(list, LB_SETCURSEL, WPARAM(source), 0);
            EXPECT_EQ(::SendMessageW(window, message, IDC_FILE_LIST, LPARAM(&info)), TRUE);
            info = DRAGLISTINFO{DL_DRAGGING, list, end};
            const LRESULT cursor = ::SendMessageW(window, message, IDC_FILE_LIST, LPARAM(&info));
            info.uNotification = DL_DROPPED;
            ::SendMessageW(window, message, IDC_FILE_LIST, LPARAM(&info));
            return cursor;
        };
        EXPECT_EQ(drag(1, pointOver(0)), DL_MOVECURSOR);
        std::swap(expected[0], expected[1]);
        EXPECT_EQ(ReadListItems(list), expected);
        EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(::SendMessageW(list, LB_GETITEMDATA, 0, 0), 14);  // the item's data travels with it
        EXPECT_EQ(extent(), Width(list, longPath));
        // Alt+Up and Alt+Down move as a drag does, through the dialog's message loop; not past the end.
        const auto altKey = [&](WPARAM key, int selected) {
            ::SendMessageW(list, LB_SETCURSEL, WPARAM(selected), 0);
            ::PostMessageW(list, WM_SYSKEYDOWN, key, LPARAM(1 | 1 << 29));
            WaitUntil([&] { return ::SendMessageW(list, LB_GETCURSEL, 0, 0) != selected; }, 300);
            return std::pair(ReadListItems(list), ::SendMessageW(list, LB_GETCURSEL, 0, 0));
        };
        EXPECT_EQ(altKey(VK_DOWN, int(expected.size()) - 1), std::pair(expected, LRESULT(expected.size() - 1)));
        Items moved = expected;
        std::swap(moved[0], moved[1]);
        EXPECT_EQ(altKey(VK_DOWN, 0), std::pair(moved, LRESULT(1)));
        EXPECT_EQ(altKey(VK_UP, 1), std::pair(expected, LRESULT(0)));
        EXPECT_EQ(drag(2, POINT{-10000, -10000}), DL_STOPCURSOR);  // over no item: nothing moves
        EXPECT_EQ(ReadListItems(list), expected);

        Items ignored;
        AddAll(window, false, ascii.Path(), 300, IDCANCEL, ignored);
        EXPECT_EQ(ReadListItems(list), expected);
        // The last: a name typed over a selection too large for the buffer is what the user asked for.
        for (const auto& [from, count, over] :
             {std::tuple(&few, 3, ""), std::tuple(&ascii, 300, ""), std::tuple(&units, 240, ""),
              std::tuple(&bytes, 200, ""), std::tuple(&ascii, 300, "part-007-abcdefghijklmnopqrstuvwxyz01234.txt")}) {
            AddAll(window, from == &few, from->Path(), count, IDOK, expected, over);
            EXPECT_TRUE(WaitUntil([&] { return ReadListItems(list).size() == expected.size(); }, 3000)) << count;
        }
        EXPECT_EQ(ReadListItems(list), expected);
        EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 2);  // the selection the last drag left stays
    }));
    ::DeleteFileW(longWide.c_str());
}

}  // namespace
}  // namespace cordwain
