// The quoted names of a selection that outgrew the result buffer (300 of them go through the real
// dialog in the Windows suite; the overflow test is checked against a 64-bit sum by a fuzz target).
#include <gtest/gtest.h>

#include "filelist/multi_select_text.h"

namespace cordwain {
namespace {

using Names = std::vector<std::string>;

TEST(SplitQuotedNames, QuotedNamesInOrderUpToTheFirstEmptyOne)
{
    EXPECT_EQ(SplitQuotedNames(R"("a.txt" "b c.txt" "d")"), (Names{"a.txt", "b c.txt", "d"}));
    EXPECT_EQ(SplitQuotedNames("single.txt"), (Names{"single.txt"}));
    EXPECT_EQ(SplitQuotedNames(R"("a" "" "b")"), (Names{"a"}));
    for (const char* nothing : {"", "\"", R"("")"})
        EXPECT_TRUE(SplitQuotedNames(nothing).empty()) << nothing;
}

TEST(JoinOverflowPath, ExactlyOneBackslashWhateverTheFolderEndsWith)
{
    EXPECT_EQ(JoinOverflowPath("C:\\data", "a.txt"), "C:\\data\\a.txt");
    EXPECT_EQ(JoinOverflowPath("C:\\", "a.txt"), "C:\\\\a.txt");
}

}  // namespace
}  // namespace cordwain
