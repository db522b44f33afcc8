// Remove, Remove All and Sort List run on the real file list box: the list rules through the
// adapter, with the control's own selection and extent answers.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "filelist/code_page_win32.h"
#include "filelist/list_box_adapter_win32.h"
#include "filelist/list_commands.h"
#include "support/main_dlg_harness.h"

namespace {

using Texts = std::vector<std::string>;

struct ListState {
    Texts texts;
    int selection = -2;
    int extent = -1;
    int widest = -2;  // the widest text's measured width, 0 for an empty list
};

ListState StateOf(const CListBox& list)
{
    ListState state;
    state.texts = ListTexts(list);
    state.selection = list.GetCurSel();
    state.extent = list.GetHorizontalExtent();
    state.widest = 0;
    for (const std::string& text : state.texts)
        state.widest = std::max(state.widest, MeasuredWidth(list, text));
    return state;
}

// Fills the list, selects `selection` (-1: none) and runs the command on it.
template <class Command> ListState RunCommand(const Texts& texts, int selection, Command command)
{
    ListState state;
    const bool ended = RunMainDlg([&](CMainDlgUnderTest& d) {
        AddTexts(d.m_lstFiles, texts);
        d.m_lstFiles.SetCurSel(selection);
        filelist::ListBoxAdapter list(d.m_lstFiles);
        command(list);
        state = StateOf(d.m_lstFiles);
    });
    EXPECT_TRUE(ended);
    return state;
}

void Remove(filelist::ListBox& list) { filelist::RemoveSelected(list); }

void Sort(filelist::ListBox& list) { filelist::SortList(list, filelist::PlatformCodePage()); }

const std::string kWidest = "C:\\pieces\\the widest entry of them all.part.001";

TEST(FileListRemove, DeletesTheSelectionAndLeavesNothingSelected)
{
    const ListState removed = RunCommand({"A", kWidest, "C"}, 1, Remove);
    EXPECT_EQ((Texts{"A", "C"}), removed.texts);
    EXPECT_EQ(LB_ERR, removed.selection);
    EXPECT_EQ(removed.widest, removed.extent);  // shrank to the next widest

    const ListState first = RunCommand({"A", "B", "C"}, 0, Remove);
    EXPECT_EQ((Texts{"B", "C"}), first.texts);
    EXPECT_EQ(LB_ERR, first.selection);
}

TEST(FileListRemove, WithoutSelectionDoesNothing)
{
    const ListState untouched = RunCommand({"A", kWidest, "C"}, -1, Remove);
    EXPECT_EQ((Texts{"A", kWidest, "C"}), untouched.texts);
    EXPECT_EQ(untouched.widest, untouched.extent);
}

TEST(FileListRemove, LastItemRemovedLeavesNoExtent)
{
    const ListState empty = RunCommand({kWidest}, 0, Remove);
    EXPECT_TRUE(empty.texts.empty());
    EXPECT_EQ(0, empty.extent);
}

TEST(FileListRemove, RemoveAllEmptiesTheListAndItsExtent)
{
    const ListState cleared = RunCommand({"A", kWidest, "C"}, 2, filelist::RemoveAll);
    EXPECT_TRUE(cleared.texts.empty());
    EXPECT_EQ(0, cleared.extent);
    EXPECT_EQ(LB_ERR, cleared.selection);
}

TEST(FileListSort, WholePathOrderWithAsciiFolding)
{
    const ListState folders = RunCommand({"C:\\B\\y.txt", "C:\\b\\x.txt", "C:\\a\\z.txt"}, 1, Sort);
    // The folder decides before the name: b\x.txt before B\y.txt, both after a\z.txt.
    EXPECT_EQ((Texts{"C:\\a\\z.txt", "C:\\b\\x.txt", "C:\\B\\y.txt"}), folders.texts);
    EXPECT_EQ(LB_ERR, folders.selection);

    const ListState marks = RunCommand({"ab.txt", "C:\\dirA\\file", "a_b.txt", "C:\\dir\\file"}, -1, Sort);
    // '_' and '\\' sort before every letter; 'C' folds to 'c', after 'a'.
    EXPECT_EQ((Texts{"a_b.txt", "ab.txt", "C:\\dir\\file", "C:\\dirA\\file"}), marks.texts);

    const ListState numbers = RunCommand({"part2", "part10", "Part1"}, -1, Sort);
    EXPECT_EQ((Texts{"Part1", "part10", "part2"}), numbers.texts);
}

TEST(FileListSort, EqualTextsEndWhereTheExchangesPutThem)
{
    const ListState once = RunCommand({"B", "a", "A"}, 0, Sort);
    EXPECT_EQ((Texts{"A", "a", "B"}), once.texts);

    const ListState twice = RunCommand({"README.txt", "b", "readme.txt", "B", "a"}, -1, [](filelist::ListBox& list) {
        Sort(list);
        const std::vector<std::string> first{list.GetText(0), list.GetText(1), list.GetText(2), list.GetText(3),
                                             list.GetText(4)};
        Sort(list);
        EXPECT_EQ(first, (std::vector<std::string>{list.GetText(0), list.GetText(1), list.GetText(2), list.GetText(3),
                                                   list.GetText(4)}));
    });
    EXPECT_EQ(5u, twice.texts.size());
}

TEST(FileListSort, RebuildLeavesNoSelectionAndTheWidestExtent)
{
    const ListState sorted = RunCommand({"z.txt", kWidest, "a.txt", "z.txt"}, 3, Sort);
    EXPECT_EQ((Texts{"a.txt", kWidest, "z.txt", "z.txt"}), sorted.texts);
    EXPECT_EQ(LB_ERR, sorted.selection);
    EXPECT_EQ(sorted.widest, sorted.extent);

    const ListState single = RunCommand({"only.txt"}, 0, Sort);
    EXPECT_EQ((Texts{"only.txt"}), single.texts);
    EXPECT_EQ(LB_ERR, single.selection);

    const ListState empty = RunCommand({}, -1, Sort);
    EXPECT_TRUE(empty.texts.empty());
    EXPECT_EQ(0, empty.extent);
}

}  // namespace
