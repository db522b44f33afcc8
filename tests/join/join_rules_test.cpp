// Progress arithmetic, the engine's texts and the output-name rules.
#include <gtest/gtest.h>

#include <limits>

#include "join/join_texts.h"
#include "join/output_name.h"
#include "join/progress_position.h"
#include "join_fakes.h"

namespace cordwain::testing {
namespace {

TEST(ProgressPosition, ThousandthsTruncatedTowardZero)
{
    EXPECT_EQ(ProgressPosition(0, 300), 0);
    EXPECT_EQ(ProgressPosition(1, 3), 333);
    EXPECT_EQ(ProgressPosition(2, 3), 666);  // truncated, not rounded
    EXPECT_EQ(ProgressPosition(150, 100), 1500);
    EXPECT_EQ(ProgressPosition(5LL << 30, 10LL << 30), 500);  // beyond 32 bits
    // Dividing first keeps a count near the 64-bit limit from overflowing.
    EXPECT_EQ(ProgressPosition(std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::max()),
              1000);
}

TEST(ProgressPosition, ZeroTotalGivesZero)
{
    EXPECT_EQ(ProgressPosition(0, 0), 0);
    EXPECT_EQ(ProgressPosition(123456789, 0), 0);
}

TEST(ProgressPosition, LowSixteenBitsAsSigned)
{
    EXPECT_EQ(ProgressPosition(32767, 1000), 32767);
    EXPECT_EQ(ProgressPosition(32768, 1000), -32768);
    EXPECT_EQ(ProgressPosition(65536, 1000), 0);
    EXPECT_EQ(ProgressPosition(65537, 1000), 1);
    // Beyond the 64-bit range the conversion yields its indefinite value, whose low bits are 0.
    EXPECT_EQ(ProgressPosition(std::numeric_limits<std::int64_t>::max(), 1), 0);
}

TEST(JoinTexts, DividerForAThirteenCharacterPathIs94Bytes)
{
    const std::string divider = DividerBlock("C:\\data\\a.txt");
    EXPECT_EQ(divider.size(), 94u);
    EXPECT_EQ(divider, "\nFILE: C:\\data\\a.txt\n"
                       "------------------------------------------------------------------------\n");
}

TEST(JoinTexts, ReportEntriesReadAsThePrograms)
{
    EXPECT_EQ(ErrorReportText(OpenFailureEntry("x") + ReadFailureEntry("y")),
              "Trying to copy all the files, these errors occurred:\n\n\nCould not open x\nCould not read y to the "
              "end.\n\nSorry it didn't turn out.  I did what I could.");
    EXPECT_EQ(WriteFailureEntry("p"),
              "\nI was trying to copy the content of this little jewel:\n[p].\nThe attempt to write to the output "
              "file failed.  There are a number of reasons this can happen,\nbut a common one is that you don't "
              "have enough free disk space.  I didn't try to copy any more files.\n");
}

TEST(SuggestedOutputName, DropsAnAllDigitExtension)
{
    EXPECT_EQ(SuggestedOutputName("D:\\video\\film.avi.001"), "D:\\video\\film.avi");
    EXPECT_EQ(SuggestedOutputName("D:\\part.001"), "D:\\part");
    EXPECT_EQ(SuggestedOutputName("piece.007"), "piece");
    EXPECT_EQ(SuggestedOutputName("D:\\video\\film."), "D:\\video\\film");  // an empty extension counts
}

TEST(SuggestedOutputName, ProposesNothingForOtherNames)
{
    EXPECT_EQ(SuggestedOutputName("D:\\video\\notes.txt"), "");
    EXPECT_EQ(SuggestedOutputName("D:\\video\\film.0a1"), "");
    EXPECT_EQ(SuggestedOutputName("D:\\my.files\\readme"), "");
    EXPECT_EQ(SuggestedOutputName("12345"), "");  // no dot at all
    EXPECT_EQ(SuggestedOutputName(""), "");
}

TEST(SuggestedOutputName, LeadingDotKeepsThePathUnchanged)
{
    EXPECT_EQ(SuggestedOutputName(".001"), ".001");
    EXPECT_EQ(SuggestedOutputName(".profile"), ".profile");
}

bool TestLeadByte(unsigned char c) { return c >= 0x81 && c <= 0x9F; }
bool SuperscriptTwoIsADigit(unsigned char c) { return IsAsciiDigit(c) || c == 0xB2; }

TEST(SuggestedOutputName, TrailBytesAreNeverTakenForADot)
{
    const std::string path = "x.001\x81.";
    EXPECT_EQ(SuggestedOutputName(path), "x.001\x81");
    EXPECT_EQ(SuggestedOutputName(path, CharClasses{TestLeadByte, IsAsciiDigit}), "");
}

TEST(SuggestedOutputName, UsesTheInjectedDigitTest)
{
    EXPECT_EQ(SuggestedOutputName("film.1\xB2"), "");
    EXPECT_EQ(SuggestedOutputName("film.1\xB2", CharClasses{NoLeadBytes, SuperscriptTwoIsADigit}), "film");
}

TEST(InitialOutputFolder, IsTheFirstEntrysFolder)
{
    EXPECT_EQ(InitialOutputFolder("D:\\video\\film.avi.001"), std::optional<std::string>("D:\\video"));
    EXPECT_EQ(InitialOutputFolder("D:\\my.files\\readme"), std::optional<std::string>("D:\\my.files"));
    EXPECT_EQ(InitialOutputFolder("D:\\part.001"), std::optional<std::string>("D:"));
}

TEST(InitialOutputFolder, NoneAndEmptyAreDistinct)
{
    EXPECT_EQ(InitialOutputFolder("\\part.001"), std::nullopt);
    EXPECT_EQ(InitialOutputFolder("piece.007"), std::optional<std::string>(""));
}

TEST(InitialOutputFolder, TrailByteIsNeverTakenForABackslash)
{
    const std::string path = "D:\\dir\\\x81\\name";
    EXPECT_EQ(InitialOutputFolder(path), std::optional<std::string>("D:\\dir\\\x81"));
    EXPECT_EQ(InitialOutputFolder(path, CharClasses{TestLeadByte, IsAsciiDigit}),
              std::optional<std::string>("D:\\dir"));
    // A lead byte as the very last byte has no trail to swallow.
    EXPECT_EQ(FindLastChar("a\\\x81", '\\', TestLeadByte), 1);
}

TEST(FindInList, FirstByteEqualEntry)
{
    const VectorList list({"C:\\a.txt", "C:\\b.txt", "C:\\b.txt"});
    EXPECT_EQ(FindInList(list, "C:\\b.txt"), 1);
    EXPECT_EQ(FindInList(list, "C:\\B.TXT"), -1);
    EXPECT_EQ(FindInList(list, "C:\\a.txt "), -1);
    EXPECT_EQ(FindInList(VectorList({}), "C:\\a.txt"), -1);
}

}  // namespace
}  // namespace cordwain::testing
