// CString searches and the file dialog filter, both stepping over double-byte characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/cstring.h"
#include "framework/file_dialog.h"

namespace {

constexpr UINT kShiftJis = 932;
// "表" in Shift-JIS is 0x95 0x5C: its trail byte is the backslash's code.
const char kHyo[] = "\x95\x5C";

TEST(CString, ReverseFindSkipsTrailBytesOfDoubleByteCharacters)
{
    ASSERT_TRUE(::IsDBCSLeadByteEx(kShiftJis, 0x95)) << "code page 932 is not available";
    const CString onlyTrail = CString("C:") + kHyo;
    EXPECT_EQ(-1, onlyTrail.ReverseFind('\\', kShiftJis));
    EXPECT_EQ(3, onlyTrail.ReverseFind('\\', 1252));  // a single-byte page sees a backslash

    const CString path = CString("C:\\") + kHyo + "\\name" + kHyo + ".txt";
    EXPECT_EQ(5, path.ReverseFind('\\', kShiftJis));
    EXPECT_EQ(12, path.ReverseFind('.', kShiftJis));
    EXPECT_EQ(2, path.Find('\\', 0, kShiftJis));
    EXPECT_EQ(5, path.Find('\\', 3, kShiftJis));
}

TEST(CString, ALeadByteAtTheVeryEndIsTakenAlone)
{
    const CString cut = CString("a\\") + "\x95";
    EXPECT_EQ(1, cut.ReverseFind('\\', kShiftJis));
    EXPECT_EQ(-1, cut.ReverseFind('x', kShiftJis));
}

TEST(FileDialogFilter, BarsBecomeTerminatorsButNotInsideDoubleByteCharacters)
{
    const std::vector<char> filter = MakeFileDialogFilter("All Files (*.*)|*.*|Text Files (*.txt)|*.txt|");
    static const char expectedBytes[] = "All Files (*.*)\0*.*\0Text Files (*.txt)\0*.txt\0\0";
    const std::string expected(expectedBytes, sizeof expectedBytes);  // with the literal's own terminator
    EXPECT_EQ(expected, std::string(filter.begin(), filter.end()));

    // 0x83 0x7C is one Shift-JIS character whose trail byte is '|'.
    const std::vector<char> dbcs = MakeFileDialogFilter("\x83\x7C|*.x|", kShiftJis);
    static const char dbcsBytes[] = "\x83\x7C\0*.x\0\0";
    EXPECT_EQ(std::string(dbcsBytes, sizeof dbcsBytes), std::string(dbcs.begin(), dbcs.end()));
    EXPECT_TRUE(MakeFileDialogFilter(nullptr).empty());
}

}  // namespace
