// The multiple-selection dialog's texts: the overflow test and the quoted names of a selection
// that outgrew the result buffer.
#include <gtest/gtest.h>

#include "filelist/multi_select_text.h"

namespace cordwain {
namespace {

using Names = std::vector<std::string>;

TEST(SelectionOverflows, StrictlyGreaterThanTheBufferWithoutWrapping)
{
    EXPECT_FALSE(SelectionOverflows(9000, 1000));
    EXPECT_TRUE(SelectionOverflows(9000, 1001));
    EXPECT_TRUE(SelectionOverflows(0xFFFFFFFFU, 2));
    EXPECT_FALSE(SelectionOverflows(30, 10, 40));
}

TEST(SplitQuotedNames, QuotedNamesInOrderUpToTheFirstEmptyOne)
{
    EXPECT_EQ(SplitQuotedNames(R"("a.txt" "b c.txt" "d")"), (Names{"a.txt", "b c.txt", "d"}));
    EXPECT_EQ(SplitQuotedNames("single.txt"), (Names{"single.txt"}));
    EXPECT_EQ(SplitQuotedNames(R"("a" "" "b")"), (Names{"a"}));
    for (const char* nothing : {"", "\"", R"("")"})
        EXPECT_TRUE(SplitQuotedNames(nothing).empty()) << nothing;
}

TEST(SplitQuotedNames, ThreeHundredLongNamesPastTheBuffer)
{
    std::string text;
    Names expected;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "piece-" + std::to_string(1000 + i) + std::string(30, 'x') + ".bin";
        text += (i == 0 ? "\"" : " \"") + name + "\"";
        expected.push_back(name);
    }
    ASSERT_TRUE(SelectionOverflows(static_cast<std::uint32_t>(text.size() + 1), 10));
    EXPECT_EQ(SplitQuotedNames(text), expected);
}

TEST(JoinOverflowPath, ExactlyOneBackslashWhateverTheFolderEndsWith)
{
    EXPECT_EQ(JoinOverflowPath("C:\\data", "a.txt"), "C:\\data\\a.txt");
    EXPECT_EQ(JoinOverflowPath("C:\\", "a.txt"), "C:\\\\a.txt");
}

}  // namespace
}  // namespace cordwain
