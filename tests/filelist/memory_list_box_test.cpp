// The in-memory list box must answer as the real control does, or every rule tested over it
// would be tested against the wrong list.
#include "filelist/memory_list_box.h"
#include "list_of.h"

#include <gtest/gtest.h>

namespace filelist {
namespace {

TEST(MemoryListBoxTest, AddAndInsertAnswerTheNewIndex)
{
    MemoryListBox list;
    EXPECT_EQ(list.AddString("a"), 0);
    EXPECT_EQ(list.AddString("c"), 1);
    EXPECT_EQ(list.InsertString(1, "b"), 1);
    EXPECT_EQ(list.InsertString(-1, "d"), 3);  // -1 appends
    EXPECT_EQ(list.InsertString(4, "e"), 4);   // the index just past the end is allowed
    EXPECT_EQ(list.Texts(), (Texts{"a", "b", "c", "d", "e"}));
}

TEST(MemoryListBoxTest, BadIndexesAnswerErrorAndChangeNothing)
{
    MemoryListBox list = ListOf({"a", "b"});
    EXPECT_EQ(list.InsertString(3, "x"), kListBoxError);
    EXPECT_EQ(list.InsertString(-2, "x"), kListBoxError);
    EXPECT_EQ(list.DeleteString(2), kListBoxError);
    EXPECT_EQ(list.DeleteString(-1), kListBoxError);
    EXPECT_EQ(list.SetCurSel(2), kListBoxError);
    EXPECT_EQ(list.SetItemData(2, 7), kListBoxError);
    EXPECT_EQ(list.GetItemData(2), ListBox::kItemDataError);
    EXPECT_EQ(list.GetText(2), "");
    EXPECT_EQ(list.Texts(), (Texts{"a", "b"}));
    EXPECT_EQ(list.GetCurSel(), kListBoxError);
}

TEST(MemoryListBoxTest, DeleteAnswersTheRemainingCount)
{
    MemoryListBox list = ListOf({"a", "b", "c"});
    EXPECT_EQ(list.DeleteString(1), 2);
    EXPECT_EQ(list.DeleteString(1), 1);
    EXPECT_EQ(list.DeleteString(0), 0);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(MemoryListBoxTest, CapacityRefusesWithErrSpace)
{
    MemoryListBox list;
    list.SetCapacity(2);
    EXPECT_EQ(list.AddString("a"), 0);
    EXPECT_EQ(list.AddString("b"), 1);
    EXPECT_EQ(list.AddString("c"), kListBoxErrorSpace);
    EXPECT_EQ(list.InsertString(0, "c"), kListBoxErrorSpace);
    // A bad index is reported as such even when the list is full.
    EXPECT_EQ(list.InsertString(5, "c"), kListBoxError);
    EXPECT_EQ(list.Texts(), (Texts{"a", "b"}));
    list.DeleteString(0);
    EXPECT_EQ(list.AddString("c"), 1);
}

TEST(MemoryListBoxTest, SelectionFollowsItsItem)
{
    MemoryListBox list = ListOf({"a", "b", "c", "d"});
    ASSERT_EQ(list.SetCurSel(2), 2);  // "c"

    list.InsertString(2, "x");  // inserted at the selected index: "c" moves down
    EXPECT_EQ(list.GetText(list.GetCurSel()), "c");
    list.InsertString(0, "y");
    EXPECT_EQ(list.GetText(list.GetCurSel()), "c");
    list.AddString("z");
    EXPECT_EQ(list.GetText(list.GetCurSel()), "c");
    list.DeleteString(0);  // before the selection
    EXPECT_EQ(list.GetText(list.GetCurSel()), "c");
    list.DeleteString(list.GetCount() - 1);  // after it
    EXPECT_EQ(list.GetText(list.GetCurSel()), "c");

    list.DeleteString(list.GetCurSel());
    EXPECT_EQ(list.GetCurSel(), kListBoxError);
}

TEST(MemoryListBoxTest, ClearingOrSelectingMinusOneRemovesTheSelection)
{
    MemoryListBox list = ListOf({"a", "b"});
    list.SetCurSel(1);
    EXPECT_EQ(list.SetCurSel(-1), kListBoxError);  // the control's answer, though it worked
    EXPECT_EQ(list.GetCurSel(), kListBoxError);

    list.SetCurSel(1);
    list.ResetContent();
    EXPECT_EQ(list.GetCurSel(), kListBoxError);
    EXPECT_EQ(list.GetCount(), 0);
    list.AddString("c");
    EXPECT_EQ(list.GetCurSel(), kListBoxError);
}

TEST(MemoryListBoxTest, ItemDataStartsAtZeroAndStaysWithItsItem)
{
    MemoryListBox list = ListOf({"a", "b"});
    EXPECT_EQ(list.GetItemData(0), 0u);
    EXPECT_EQ(list.SetItemData(1, 42), 0);
    list.InsertString(0, "x");
    EXPECT_EQ(list.GetItemData(2), 42u);
    EXPECT_EQ(list.GetItemData(0), 0u);
    list.DeleteString(0);
    EXPECT_EQ(list.GetItemData(1), 42u);
}

}  // namespace
}  // namespace filelist
