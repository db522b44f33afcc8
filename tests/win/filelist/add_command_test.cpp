// The Add command on the real main window, with the real open dialog driven as a user would:
// a typed path, a selection in the dialog's file list, a selection past the result buffer, Cancel.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "filelist/multi_select_text.h"
#include "open_dialog_driver.h"
#include "res/resource.h"
#include "support/modal_watcher.h"
#include "support/window_input.h"
#include "support/temp_folder.h"
#include "support/main_dlg_harness.h"

namespace {

using Strings = std::vector<std::string>;

// What the user saw in the dialog: the names of its file list, and its file-name text at OK.
struct DialogSeen {
    bool reachedFolder = false;
    Strings listed;
    Strings named;
};

// The user's part: go to folder, select these items of its list (-1: all), read what the dialog
// shows, and end with OK or Cancel. Anything unexpected ends the dialog with Cancel.
std::function<void(HWND)> SelectInFolder(const std::string& folder, int itemCount, std::vector<int> selection,
                                         int endButton, DialogSeen& seen)
{
    return [=, &seen](HWND dialog) {
        const HWND listView = opendlg::GoToFolder(dialog, folder, itemCount);
        if (listView == nullptr) {
            wintest::ClickButton(dialog, IDCANCEL);
            return;
        }
        seen.reachedFolder = true;
        seen.listed = opendlg::ListViewNames(listView);
        opendlg::SelectItems(listView, selection);
        seen.named = SplitQuotedNames(opendlg::FileNameText(dialog));
        wintest::ClickButton(dialog, endButton);
    };
}

// Runs one Add command (the button, or the menu item) on the running main window while the
// user acts in its open dialog; answers whether the dialog was found and acted on.
bool RunAdd(CMainDlg& mainDlg, std::function<void(HWND)> user, UINT command = IDC_ADD)
{
    wintest::ModalWatcher watcher("Open", std::move(user));
    const HWND button = command == IDC_ADD ? ::GetDlgItem(mainDlg.m_hWnd, IDC_ADD) : nullptr;
    mainDlg.SendMessage(WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return watcher.Finish();
}

int CurrentSelection(const CMainDlg& mainDlg) { return static_cast<int>(mainDlg.m_lstFiles.SendMessage(LB_GETCURSEL)); }

void FillList(const CMainDlg& mainDlg, const Strings& items, int selected)
{
    AddTexts(mainDlg.m_lstFiles, items);
    mainDlg.m_lstFiles.SendMessage(LB_SETCURSEL, static_cast<WPARAM>(selected));
}

Strings InFolder(const std::string& folder, const Strings& names)
{
    Strings paths;
    for (const std::string& name : names)
        paths.push_back(folder + "\\" + name);
    return paths;
}

Strings Concat(Strings first, const Strings& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The folder of 300 files whose quoted names alone take 14,100 characters: far past the
// 10,000-character result buffer. Made once for the tests that need it.
class AddCommand : public ::testing::Test {
protected:
    static constexpr int kManyFiles = 300;

    static void SetUpTestSuite()
    {
        s_many = std::make_unique<wintest::TempFolder>();
        for (int i = 0; i < kManyFiles; ++i) {
            char name[64] = {};
            std::snprintf(name, sizeof name, "part-%03d-abcdefghijklmnopqrstuvwxyz01234.txt", i);
            s_many->MakeFile(name);
        }
    }
    static void TearDownTestSuite() { s_many.reset(); }

    static std::unique_ptr<wintest::TempFolder> s_many;
};

std::unique_ptr<wintest::TempFolder> AddCommand::s_many;

TEST_F(AddCommand, TypedPathIsAppendedAfterTheItemsAndTheSelectionStays)
{
    wintest::TempFolder folder;
    const std::string file = folder.MakeFile("typed.bin");
    const Strings before{"C:\\first.txt", "C:\\second.txt"};
    bool acted = false;
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        FillList(d, before, 1);
        acted = RunAdd(d, [&](HWND dialog) {
            wintest::TypeText(opendlg::FileNameBox(dialog), file.c_str());
            wintest::ClickButton(dialog, IDOK);
        });
        EXPECT_EQ(Concat(before, {file}), ListTexts(d.m_lstFiles));
        EXPECT_EQ(1, CurrentSelection(d));
    }));
    EXPECT_TRUE(acted);
}

TEST_F(AddCommand, SelectedFilesComeInTheDialogsOrderAndADuplicateIsAddedAgain)
{
    wintest::TempFolder folder;
    // Made out of name order, so the order of the answer is the dialog's, not the disk's.
    const std::string duplicate = folder.MakeFile("b-second.txt");
    folder.MakeFile("c-third.dat");
    folder.MakeFile("a-first.txt");
    DialogSeen seen;
    bool acted = false;
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        FillList(d, {duplicate}, 0);
        // From the menu item this time: it runs the same command.
        acted = RunAdd(d, SelectInFolder(folder.Path(), 3, {0, 1, 2}, IDOK, seen), ID_ACTION_ADD);
        ASSERT_TRUE(seen.reachedFolder);
        EXPECT_EQ(seen.listed, seen.named);
        EXPECT_EQ(Concat({duplicate}, InFolder(folder.Path(), seen.named)), ListTexts(d.m_lstFiles));
        EXPECT_EQ(0, CurrentSelection(d));
    }));
    EXPECT_TRUE(acted);
    ASSERT_EQ(3u, seen.named.size());
    // The duplicate is in the answer as well as already in the list.
    EXPECT_EQ(1, std::count(seen.named.begin(), seen.named.end(), "b-second.txt"));
}

TEST_F(AddCommand, SelectionPastTheResultBufferAddsExactlyTheSelectedFiles)
{
    DialogSeen seen;
    bool acted = false;
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        acted = RunAdd(d, SelectInFolder(s_many->Path(), kManyFiles, {-1}, IDOK, seen));
        ASSERT_TRUE(seen.reachedFolder);
        ASSERT_EQ(static_cast<std::size_t>(kManyFiles), seen.named.size());
        EXPECT_EQ(seen.listed, seen.named);
        const Strings items = ListTexts(d.m_lstFiles);
        EXPECT_EQ(InFolder(s_many->Path(), seen.named), items);
        // Folder, one backslash, name: never a cut name, never a doubled separator.
        for (const std::string& item : items)
            EXPECT_EQ(s_many->Path().size() + 1 + 44, item.size()) << item;
    }));
    EXPECT_TRUE(acted);
}

TEST_F(AddCommand, CancelAddsNothingAndKeepsTheListAndItsSelection)
{
    const Strings before{"C:\\one.txt", "C:\\two.txt", "C:\\three.txt"};
    DialogSeen seen;
    bool acted = false;
    EXPECT_TRUE(RunMainDlg([&](CMainDlgUnderTest& d) {
        FillList(d, before, 2);
        // A selection large enough to be captured is still no answer once the user cancels.
        acted = RunAdd(d, SelectInFolder(s_many->Path(), kManyFiles, {-1}, IDCANCEL, seen));
        EXPECT_TRUE(seen.reachedFolder);
        EXPECT_EQ(before, ListTexts(d.m_lstFiles));
        EXPECT_EQ(2, CurrentSelection(d));
    }));
    EXPECT_TRUE(acted);
}

}  // namespace
