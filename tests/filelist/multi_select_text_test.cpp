// Tests for the text processing of the multiple-selection open dialog.
#include "filelist/multi_select_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Paths = std::vector<std::string>;

// A result buffer of the dialog's fixed size holding the given entries, then zeros.
std::string ResultBuffer(const Paths& entries)
{
    std::string buffer;
    for (const std::string& entry : entries) {
        buffer += entry;
        buffer += '\0';
    }
    buffer.resize(kSelectionBufferChars, '\0');
    return buffer;
}

// A 44-character name that is unique for index and sorts in index order.
std::string LongName(int index)
{
    std::string number = std::to_string(index);
    number.insert(0, 3 - number.size(), '0');
    const std::string stem = "piece-" + number + "-";
    return stem + std::string(44 - stem.size() - 4, 'x') + ".bin";
}

}  // namespace

TEST(SelectionOverflow, StrictlyGreaterThanTheBuffer)
{
    EXPECT_FALSE(SelectionOverflows(9000, 1000));
    EXPECT_TRUE(SelectionOverflows(9000, 1001));
    EXPECT_TRUE(SelectionOverflows(1, 10000));
    EXPECT_FALSE(SelectionOverflows(0, 0));
    EXPECT_TRUE(SelectionOverflows(0xFFFFFFFFU, 2));  // no wrap-around to a small sum
}

TEST(SplitQuotedNames, OneAndManyNames)
{
    EXPECT_EQ(SplitQuotedNames(R"("a.txt")"), (Paths{"a.txt"}));
    EXPECT_EQ(SplitQuotedNames(R"("a.txt" "b c.txt" "d")"), (Paths{"a.txt", "b c.txt", "d"}));
    EXPECT_EQ(SplitQuotedNames("single.txt"), (Paths{"single.txt"}));
}

TEST(SplitQuotedNames, TooShortOrEmptyGivesNoNames)
{
    EXPECT_TRUE(SplitQuotedNames("").empty());
    EXPECT_TRUE(SplitQuotedNames("\"").empty());
    EXPECT_TRUE(SplitQuotedNames(R"("")").empty());
    EXPECT_EQ(SplitQuotedNames(R"("a" "" "b")"), (Paths{"a"}));
}

TEST(OverflowPaths, ExactlyOneBackslashWhateverTheFolderEndsWith)
{
    EXPECT_EQ(JoinOverflowPath(R"(C:\data)", "a.txt"), R"(C:\data\a.txt)");
    EXPECT_EQ(JoinOverflowPath(R"(C:\)", "a.txt"), R"(C:\\a.txt)");
    EXPECT_EQ(JoinOverflowPath("/tmp", "a.txt"), R"(/tmp\a.txt)");

    const SelectionCapture capture{R"(D:\in\)", R"("one" "two")"};
    EXPECT_EQ(SelectedPaths(ResultBuffer({}), capture), (Paths{R"(D:\in\\one)", R"(D:\in\\two)"}));
}

TEST(OverflowPaths, CapturedNamesNeverGiveTheBareFolder)
{
    EXPECT_TRUE(SelectedPaths(ResultBuffer({}), SelectionCapture{R"(D:\in)", R"("")"}).empty());
    EXPECT_TRUE(SelectedPaths(ResultBuffer({}), SelectionCapture{R"(D:\in)", ""}).empty());
}

TEST(OverflowPaths, CaptureWinsOverTheResultBuffer)
{
    const std::string buffer = ResultBuffer({R"(C:\other)", "x"});
    EXPECT_EQ(SelectedPaths(buffer, SelectionCapture{R"(D:\in)", R"("a")"}), (Paths{R"(D:\in\a)"}));
}

TEST(ResultBuffer, SingleEntryIsOneFullPath)
{
    EXPECT_EQ(ReadResultBuffer(ResultBuffer({R"(C:\data\a.txt)"})), (Paths{R"(C:\data\a.txt)"}));
    EXPECT_EQ(ReadResultBuffer(ResultBuffer({})), Paths{});
}

TEST(ResultBuffer, FolderThenNamesJoinedWithOneSeparator)
{
    EXPECT_EQ(ReadResultBuffer(ResultBuffer({R"(C:\data)", "a.txt", "b.txt"})),
              (Paths{R"(C:\data\a.txt)", R"(C:\data\b.txt)"}));
    EXPECT_EQ(ReadResultBuffer(ResultBuffer({R"(C:\)", "a.txt", "b.txt"})), (Paths{R"(C:\a.txt)", R"(C:\b.txt)"}));
    EXPECT_EQ(ReadResultBuffer(ResultBuffer({R"(D:\in\)", "a"})), (Paths{R"(D:\in\a)"}));
}

TEST(ResultBuffer, FolderWithoutBackslashTakesASlash)
{
    EXPECT_EQ(ReadResultBuffer(ResultBuffer({"/home/me", "a", "b"})), (Paths{"/home/me/a", "/home/me/b"}));
    EXPECT_EQ(ReadResultBuffer(ResultBuffer({"/", "a", "b"})), (Paths{"/a", "/b"}));
}

TEST(ResultBuffer, CutOffAnswerIsIncomplete)
{
    // Filled to its last character with no terminator at all.
    std::string full = R"(C:\data)";
    full += '\0';
    while (full.size() < kSelectionBufferChars) {
        full += "abcdefgh.txt";
        full += '\0';
    }
    full.resize(kSelectionBufferChars);
    ASSERT_NE(full.back(), '\0');
    EXPECT_EQ(ReadResultBuffer(full), std::nullopt);
    EXPECT_TRUE(SelectedPaths(full, std::nullopt).empty());

    // The last entry ends exactly at the buffer's end, with no room for the empty entry.
    std::string noFinalEntry = std::string("C:\\data") + '\0' + "a.txt" + '\0';
    EXPECT_EQ(ReadResultBuffer(noFinalEntry), std::nullopt);
    noFinalEntry += '\0';
    EXPECT_EQ(ReadResultBuffer(noFinalEntry), (Paths{R"(C:\data\a.txt)"}));
}

TEST(ResultBuffer, NeverReadsPastTheGivenSize)
{
    // The terminators lie just beyond the view; a walk that looked there would find them.
    const std::string storage = std::string("C:\\data") + '\0' + "a.txt" + '\0' + '\0';
    EXPECT_EQ(ReadResultBuffer(std::string_view(storage.data(), storage.size() - 1)), std::nullopt);
    EXPECT_EQ(ReadResultBuffer(std::string_view(storage.data(), storage.size() - 2)), std::nullopt);
}

TEST(SelectedPathsTest, LargeSelectionFromCapturedTextsInOrder)
{
    const std::string folder = R"(C:\pieces)";
    std::string namesText;
    Paths expected;
    for (int i = 0; i < 300; ++i) {
        const std::string name = LongName(i);
        ASSERT_EQ(name.size(), 44U);
        namesText += (i == 0 ? "\"" : " \"") + name + "\"";
        expected.push_back(folder + "\\" + name);
    }
    ASSERT_EQ(namesText.size(), 300U * 47 - 1);
    ASSERT_TRUE(SelectionOverflows(static_cast<std::uint32_t>(namesText.size() + 1),
                                   static_cast<std::uint32_t>(folder.size() + 1)));

    // The dialog's own answer was cut off; the captured texts carry the selection.
    std::string cut = folder + '\0';
    for (int i = 0; cut.size() < kSelectionBufferChars; ++i) {
        cut += LongName(i) + '\0';
    }
    cut.resize(kSelectionBufferChars);
    EXPECT_EQ(SelectedPaths(cut, SelectionCapture{folder, namesText}), expected);
}

TEST(SelectedPathsIteration, WalksEveryPathThenEnds)
{
    const CSelectedPaths paths(Paths{"a", "b", "c"});
    Paths walked;
    for (std::size_t pos = paths.GetStartPosition(); pos != 0;) {
        walked.push_back(paths.GetNextPathName(pos));
    }
    EXPECT_EQ(walked, paths.Paths());

    std::size_t last = 3;
    EXPECT_EQ(paths.GetNextPathName(last), "c");
    EXPECT_EQ(last, 0U);
    EXPECT_THROW(paths.GetNextPathName(last), std::out_of_range);

    EXPECT_EQ(CSelectedPaths(Paths{}).GetStartPosition(), 0U);
}
