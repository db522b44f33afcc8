// Remove, Remove All and Sort List over the in-memory list box.
#include "filelist/list_commands.h"

#include <gtest/gtest.h>

#include "filelist/memory_list_box.h"
#include "list_of.h"

namespace filelist {
namespace {

TEST(RemoveTest, WithoutSelectionDoesNothing)
{
    MemoryListBox list = ListOf({"a", "b"});
    RemoveSelected(list);
    EXPECT_EQ(list.Texts(), (Texts{"a", "b"}));
}

TEST(RemoveTest, DeletesTheSelectionAndLeavesNothingSelected)
{
    MemoryListBox list = ListOf({"a", "bbbbbb", "c"});
    list.SetCurSel(1);
    RemoveSelected(list);
    EXPECT_EQ(list.Texts(), (Texts{"a", "c"}));
    EXPECT_EQ(list.GetCurSel(), kListBoxError);
    EXPECT_EQ(list.GetHorizontalExtent(), 1);  // the widest went with it
}

TEST(RemoveTest, RemovingTheLastItemGivesZeroExtent)
{
    MemoryListBox list = ListOf({"abc"});
    list.SetCurSel(0);
    RemoveSelected(list);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetHorizontalExtent(), 0);
}

TEST(RemoveAllTest, ClearsItemsSelectionAndExtent)
{
    MemoryListBox list = ListOf({"abc", "de"});
    list.SetCurSel(0);
    RemoveAll(list);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), kListBoxError);
    EXPECT_EQ(list.GetHorizontalExtent(), 0);
    RemoveAll(list);  // harmless on an empty list
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(SortListTest, RebuildsInOrderWithNothingSelected)
{
    MemoryListBox list = ListOf({"B", "a", "A", "C:\\long\\path.txt"});
    list.SetCurSel(2);
    list.SetItemData(0, 9);
    SortList(list, CodePage());
    EXPECT_EQ(list.Texts(), (Texts{"A", "a", "B", "C:\\long\\path.txt"}));
    EXPECT_EQ(list.GetCurSel(), kListBoxError);
    EXPECT_EQ(list.GetItemData(2), 0u);  // a rebuild: items are new
    EXPECT_EQ(list.GetHorizontalExtent(), 16);
}

TEST(SortListTest, SingleItemLosesItsSelectionAndEmptyStaysEmpty)
{
    MemoryListBox list = ListOf({"only"});
    list.SetCurSel(0);
    SortList(list, CodePage());
    EXPECT_EQ(list.Texts(), Texts{"only"});
    EXPECT_EQ(list.GetCurSel(), kListBoxError);

    MemoryListBox empty;
    SortList(empty, CodePage());
    EXPECT_EQ(empty.GetCount(), 0);
    EXPECT_EQ(empty.GetHorizontalExtent(), 0);
}

TEST(SortListTest, ExtentAfterRebuildIsTheWidestItem)
{
    MemoryListBox list = ListOf({"bb", "aaaa", "c"});
    list.SetHorizontalExtent(500);  // stale: the clear must drop it
    SortList(list, CodePage());
    EXPECT_EQ(list.GetHorizontalExtent(), 4);
}

}  // namespace
}  // namespace filelist
