// The list rules over the in-memory list box: the extent upkeep, Remove, Remove All and Sort
// List's rebuild. Drops are checked on the real list box.
#include <gtest/gtest.h>

#include "filelist/list_commands.h"
#include "memory_list_box.h"

namespace cordwain {
namespace {

using Texts = std::vector<std::string>;

TEST(HorizontalExtent, FollowsAddsDeletesAndClears)
{
    MemoryListBox list({"abcd", "ab"});
    EXPECT_EQ(list.Extent(), 4);  // grows with the first, not the shorter second
    list.Append("abcdefgh");
    list.Append("abcdef");
    EXPECT_EQ(list.Extent(), 8);
    EXPECT_EQ(list.measured, (Texts{"abcd", "ab", "abcdefgh", "abcdef"}));  // each addition measures itself only

    list.measured.clear();
    list.Delete(2);  // the widest: shrinks to the widest remaining, measured over every item
    EXPECT_EQ(list.Extent(), 6);
    EXPECT_EQ(list.measured, (Texts{"abcd", "ab", "abcdef"}));
    list.SetExtent(999);  // a stale value shows whether anything recomputed it
    EXPECT_EQ(list.Delete(7), kListError);
    EXPECT_EQ(list.Extent(), 999);

    list.Clear();
    EXPECT_EQ(list.Extent(), 0);
    list.Append("abc");
    EXPECT_EQ(list.Extent(), 3);  // grows from 0 again, not from the old width
    list.Delete(0);
    EXPECT_EQ(list.Extent(), 0);  // the last item gone

    MemoryListBox full({"ab"}, 1);
    full.measured.clear();
    EXPECT_EQ(full.Append("a much longer text"), kListErrorSpace);  // refused: not measured
    EXPECT_EQ(full.Extent(), 2);
    EXPECT_TRUE(full.measured.empty());
}

TEST(HorizontalExtent, TextWidthMargins)
{
    EXPECT_EQ(TextWidthFromExtent(117), 120);
    EXPECT_EQ(TextWidthFromTabbedExtent(0x00100050u), 0x50 + 2);  // the height in the high word is ignored
    EXPECT_EQ(TextWidthFromTabbedExtent(0x0010FFFFu), -1 + 2);    // the low word is signed
    EXPECT_EQ(TextWidthFromTabbedExtent(0x00108000u), -0x8000 + 2);
}

TEST(ListCommands, RemoveTakesOnlyTheSelection)
{
    MemoryListBox list({"a", "bbbbbb", "c"});
    RemoveSelected(list);
    EXPECT_EQ(list.Count(), 3);
    list.Select(1);
    RemoveSelected(list);
    EXPECT_EQ(list.Texts(), (Texts{"a", "c"}));
    EXPECT_EQ(list.Selection(), kListError);
    EXPECT_EQ(list.Extent(), 1);
    RemoveAll(list);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Extent(), 0);
}

TEST(ListCommands, SortRebuildsTheListWithNothingSelected)
{
    MemoryListBox list({"bb", "B", "a", "A", "C:\\long\\path.txt"});
    list.Select(2);
    list.SetExtent(500);  // stale: the rebuild must drop it
    SortList(list, CodePage());
    EXPECT_EQ(list.Texts(), (Texts{"A", "a", "B", "bb", "C:\\long\\path.txt"}));
    EXPECT_EQ(list.Selection(), kListError);
    EXPECT_EQ(list.Extent(), 16);
}

}  // namespace
}  // namespace cordwain
