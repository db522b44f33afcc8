// The platform's code page for the sort: lead bytes and double-byte upper case as Windows
// defines them, checked on Shift-JIS whatever the system's own page is.
#include <gtest/gtest.h>

#include <windows.h>

#include "filelist/code_page_win32.h"
#include "filelist/sort_order.h"

namespace {

TEST(PlatformCodePage, ShiftJisLeadBytesAndFullWidthUpperCase)
{
    const filelist::CodePage shiftJis = filelist::PlatformCodePage(932);
    EXPECT_TRUE(shiftJis.HasLeadBytes());
    EXPECT_TRUE(shiftJis.IsLeadByte(0x82));
    EXPECT_TRUE(shiftJis.IsLeadByte(0xE0));
    EXPECT_FALSE(shiftJis.IsLeadByte('A'));
    EXPECT_FALSE(shiftJis.IsLeadByte(0xA0));      // half-width katakana are single bytes
    EXPECT_EQ(0x8260, shiftJis.ToUpper(0x8281));  // full-width a -> A
    EXPECT_EQ(0x8260, shiftJis.ToUpper(0x8260));
    EXPECT_EQ(0x82A0, shiftJis.ToUpper(0x82A0));  // hiragana has no case
    EXPECT_EQ(0, filelist::CompareListTexts("x\x82\x81", "X\x82\x60", shiftJis));
    // A single byte sorts before any double-byte character, however large the byte.
    EXPECT_LT(filelist::CompareListTexts("\xDF", "\x82\x60", shiftJis), 0);
}

TEST(PlatformCodePage, SingleBytePagesAndTheSystemPage)
{
    EXPECT_FALSE(filelist::PlatformCodePage(1252).HasLeadBytes());
    const filelist::CodePage system = filelist::PlatformCodePage();
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(::IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE,
                  system.IsLeadByte(static_cast<unsigned char>(byte)))
            << byte;
}

}  // namespace
