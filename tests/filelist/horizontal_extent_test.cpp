// The horizontal extent must always equal the widest item's width, and 0 for an empty list.
#include "filelist/horizontal_extent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filelist/memory_list_box.h"

namespace filelist {
namespace {

// Ten pixels per byte, counting every measurement.
class CountingWidth {
public:
    MemoryListBox::TextWidthFunction Function()
    {
        return [this](const std::string& text) {
            measured.push_back(text);
            return static_cast<int>(text.size()) * 10;
        };
    }
    std::vector<std::string> measured;
};

class SpyMeasurer final : public ExtentMeasurer {
public:
    int TextWidth(const std::string& text) override
    {
        events.push_back(inSession ? "measure in session" : "measure");
        return static_cast<int>(text.size());
    }
    void BeginMeasuringSession() override
    {
        events.push_back("begin");
        inSession = true;
    }
    void EndMeasuringSession() noexcept override
    {
        events.push_back("end");
        inSession = false;
    }
    bool inSession = false;
    std::vector<std::string> events;
};

TEST(TextWidthRuleTest, PlainExtentGetsThreePixelsOfMargin)
{
    EXPECT_EQ(TextWidthFromExtent(0), 3);
    EXPECT_EQ(TextWidthFromExtent(117), 120);
}

TEST(TextWidthRuleTest, TabbedExtentUsesTheSignedLowWordPlusTwo)
{
    EXPECT_EQ(TextWidthFromTabbedExtent(0x00100050u), 0x50 + 2);  // height 16 in the high word
    EXPECT_EQ(TextWidthFromTabbedExtent(0x00107FFFu), 0x7FFF + 2);
    EXPECT_EQ(TextWidthFromTabbedExtent(0x0010FFFFu), -1 + 2);
    EXPECT_EQ(TextWidthFromTabbedExtent(0x00108000u), -0x8000 + 2);
}

TEST(HorizontalExtentTest, AddingGrowsButNeverShrinks)
{
    CountingWidth width;
    MemoryListBox list(width.Function());
    EXPECT_EQ(list.GetHorizontalExtent(), 0);
    list.AddString("abcd");
    EXPECT_EQ(list.GetHorizontalExtent(), 40);
    list.AddString("ab");
    EXPECT_EQ(list.GetHorizontalExtent(), 40);
    list.InsertString(0, "abcdef");
    EXPECT_EQ(list.GetHorizontalExtent(), 60);
    list.InsertString(1, "a");
    EXPECT_EQ(list.GetHorizontalExtent(), 60);
    // Each addition measures its own text and nothing else.
    EXPECT_EQ(width.measured, (std::vector<std::string>{"abcd", "ab", "abcdef", "a"}));
}

TEST(HorizontalExtentTest, RefusedAdditionLeavesTheExtent)
{
    CountingWidth width;
    MemoryListBox list(width.Function());
    list.SetCapacity(1);
    list.AddString("ab");
    list.AddString("a much longer text");
    list.InsertString(0, "another long text");
    list.InsertString(7, "a bad index, long");
    EXPECT_EQ(list.GetHorizontalExtent(), 20);
    EXPECT_EQ(width.measured, (std::vector<std::string>{"ab"}));
}

TEST(HorizontalExtentTest, DeletingTheWidestShrinksToTheWidestRemaining)
{
    CountingWidth width;
    MemoryListBox list(width.Function());
    list.AddString("abc");
    list.AddString("abcdefgh");
    list.AddString("abcde");
    list.AddString("a");
    width.measured.clear();

    list.DeleteString(1);
    EXPECT_EQ(list.GetHorizontalExtent(), 50);
    EXPECT_EQ(width.measured, (std::vector<std::string>{"abc", "abcde", "a"}));
    list.DeleteString(2);  // not the widest: recomputed to the same value
    EXPECT_EQ(list.GetHorizontalExtent(), 50);
}

TEST(HorizontalExtentTest, BadDeleteLeavesTheExtentUnmeasured)
{
    CountingWidth width;
    MemoryListBox list(width.Function());
    list.AddString("abc");
    list.SetHorizontalExtent(999);  // a stale value shows whether anything recomputed it
    width.measured.clear();
    EXPECT_EQ(list.DeleteString(5), kListBoxError);
    EXPECT_EQ(list.GetHorizontalExtent(), 999);
    EXPECT_TRUE(width.measured.empty());
}

TEST(HorizontalExtentTest, EmptyingOrClearingGivesZero)
{
    MemoryListBox list;
    list.AddString("abc");
    list.DeleteString(0);
    EXPECT_EQ(list.GetHorizontalExtent(), 0);

    list.AddString("abc");
    list.AddString("abcdef");
    list.ResetContent();
    EXPECT_EQ(list.GetHorizontalExtent(), 0);
    list.AddString("ab");
    EXPECT_EQ(list.GetHorizontalExtent(), 2);  // grows from 0 again, not from the old width
}

TEST(HorizontalExtentTest, RecomputeMeasuresInOneSessionAndNoneWhenEmpty)
{
    MemoryListBox list;
    list.AddString("abc");
    list.AddString("ab");
    SpyMeasurer spy;
    RecalcHorizontalExtent(list, 2, spy);
    EXPECT_EQ(spy.events, (std::vector<std::string>{"begin", "measure in session", "measure in session", "end"}));
    EXPECT_EQ(list.GetHorizontalExtent(), 3);

    MemoryListBox empty;
    empty.SetHorizontalExtent(50);
    SpyMeasurer emptySpy;
    RecalcHorizontalExtent(empty, 0, emptySpy);
    EXPECT_TRUE(emptySpy.events.empty());
    EXPECT_EQ(empty.GetHorizontalExtent(), 0);
}

TEST(HorizontalExtentTest, ErrorResultsSkipTheUpkeep)
{
    MemoryListBox list;
    list.AddString("abc");
    list.SetHorizontalExtent(1);
    SpyMeasurer spy;
    RecalcHorizontalExtent(list, kListBoxErrorSpace, spy);
    GrowHorizontalExtent(list, kListBoxError, "abcdefgh", spy);
    GrowHorizontalExtent(list, kListBoxErrorSpace, "abcdefgh", spy);
    EXPECT_TRUE(spy.events.empty());
    EXPECT_EQ(list.GetHorizontalExtent(), 1);
    // A clear sets 0 whatever it answered.
    ResetHorizontalExtent(list);
    EXPECT_EQ(list.GetHorizontalExtent(), 0);
}

}  // namespace
}  // namespace filelist
