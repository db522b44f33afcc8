// The Add command through the real open dialog, as a user drives it: files chosen in the
// dialog's list, a selection far past the result buffer, and Cancel.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>

#include "framework/file_dialog.h"
#include "res/resource.h"
#include "support/temp_folder.h"
#include "support/window_driver.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

using Items = std::vector<std::string>;

// Opens the Add dialog, shows `folder` (holding `count` files), selects them all as Ctrl+A would
// and ends with `button`; answers the names as the dialog listed them, with the folder in front.
Items AddAll(HWND window, bool fromMenu, const std::string& folder, int count, int button)
{
    fromMenu ? ChooseMenuItem(window, ID_ACTION_ADD) : ClickButton(window, IDC_ADD);
    const HWND open = WaitForWindow("Open");
    if (open == nullptr)
        return {};
    AnswerFileDialog(open, folder);
    HWND view = nullptr;
    WaitUntil([&] {
        const HWND shell = ::FindWindowExA(open, nullptr, "SHELLDLL_DefView", nullptr);
        view = shell != nullptr ? ::FindWindowExA(shell, nullptr, "SysListView32", nullptr) : nullptr;
        return view != nullptr && ::SendMessageW(view, LVM_GETITEMCOUNT, 0, 0) == count;
    });
    LVITEMW selected{};
    selected.stateMask = selected.state = LVIS_SELECTED;
    ::SendMessageW(view, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&selected));
    Items paths;
    for (int i = 0; i < count; ++i) {
        wchar_t text[MAX_PATH] = {};
        LVITEMW item{};
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        ::SendMessageW(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        paths.push_back(folder + "\\" + Utf8(text));
    }
    ClickButton(open, button);
    WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; });
    return paths;
}

TEST(AddCommand, SelectedFilesComeInTheDialogsOrderAfterTheList)
{
    const TempFolder folder;
    // Made out of name order, so the order of the answer is the dialog's, not the disk's.
    const std::string duplicate = folder.Write("b-Grüße-日本-😀.txt", "");
    folder.Write("c-third.dat", "");
    folder.Write("a-first.txt", "");
    CMainDlg dialog;
    dialog.AddPendingFile(duplicate);
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const HWND list = ::GetDlgItem(window, IDC_FILE_LIST);
        ::SendMessageW(list, LB_SETCURSEL, 0, 0);
        ChooseMenuItem(window, ID_ACTION_ADD);
        const HWND open = WaitForWindow("Open");
        ASSERT_NE(open, nullptr);
        // What the dialog is given: two filters, the default extension "*.*", its flags and buffer.
        const CFileDialog* const given = FileDialogObject(open);
        ASSERT_NE(given, nullptr);
        EXPECT_EQ(std::string(given->m_ofn.lpstrFilter, 47),
                  std::string("All Files (*.*)\0*.*\0Text Files (*.txt)\0*.txt\0\0", 47));
        EXPECT_STREQ(given->m_ofn.lpstrDefExt, "*.*");
        constexpr DWORD kAsked = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_ENABLEHOOK;
        EXPECT_EQ(given->m_ofn.Flags & (kAsked | OFN_HIDEREADONLY), kAsked);  // the dialog may add its own
        EXPECT_EQ(given->m_ofn.nMaxFile, 10000u);
        ClickButton(open, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));

        Items expected = AddAll(window, true, folder.Path(), 3, IDOK);
        expected.insert(expected.begin(), duplicate);
        EXPECT_TRUE(WaitUntil([&] { return ReadListItems(list) == expected; }, 3000));
        EXPECT_EQ(ReadListItems(list), expected);
        EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 0);  // the selection stays
    }));
}

// Selections past the 10,000-character result buffer: 300 names whose quoted text alone takes
// 14,100 characters; 240 names of 40 UTF-16 units, past it in units; and 200 of them, whose
// 8,600 units fit but whose 14,400 bytes of UTF-8 do not.
TEST(AddCommand, SelectionPastTheResultBufferAddsExactlyTheSelectedFilesAndCancelNothing)
{
    const TempFolder ascii("-ascii");
    const TempFolder units("-units");
    const TempFolder bytes("-bytes");
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
    dialog.AddPendingFile("C:\\kept.txt");
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const HWND list = ::GetDlgItem(window, IDC_FILE_LIST);
        EXPECT_EQ(AddAll(window, false, ascii.Path(), 300, IDCANCEL).size(), 300u);
        EXPECT_EQ(ReadListItems(list), Items{"C:\\kept.txt"});
        Items expected = {"C:\\kept.txt"};
        for (const auto& [folder, count] : {std::pair(&ascii, 300), std::pair(&units, 240), std::pair(&bytes, 200)}) {
            const Items added = AddAll(window, false, folder->Path(), count, IDOK);
            expected.insert(expected.end(), added.begin(), added.end());
            EXPECT_TRUE(WaitUntil([&] { return ReadListItems(list).size() == expected.size(); }, 3000)) << count;
        }
        EXPECT_EQ(ReadListItems(list), expected);
    }));
}

}  // namespace
}  // namespace cordwain
