// Sort List's order: ASCII-only folding over unsigned bytes, double-byte characters after every
// single byte, and the fixed exchange order that places equal texts.
#include <gtest/gtest.h>

#include "filelist/sort_order.h"

namespace cordwain {
namespace {

using Texts = std::vector<std::string>;

// Shift-JIS-like: lead bytes 0x81-0x9F and 0xE0-0xFC; 0x8281-0x829A upper-case to 0x8260-0x8279.
CodePage DoubleByteCodePage()
{
    return CodePage([](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); },
                    [](std::uint16_t c) { return std::uint16_t(c >= 0x8281 && c <= 0x829A ? c - 0x21 : c); });
}

Texts Sorted(Texts texts, const CodePage& codePage = CodePage())
{
    SortListTexts(texts, codePage);
    return texts;
}

TEST(CompareListTexts, OrdersByTheFoldedCharacters)
{
    const std::tuple<std::string, std::string, int, bool> cases[] = {
        {"README.txt", "readme.txt", 0, false},          // ASCII letters fold
        {"[", "{", -1, false},                           // their neighbours do not
        {"\xC4", "\xE4", -1, false},                     // nor Latin-1 letters; bytes are unsigned
        {"abcd", "ABC", 1, false},                       // shorter is smaller
        {"C:\\dir\\file", "C:\\dirA\\file", -1, false},  // the backslash sorts before letters
        {"\x95\x5C", "\xFF", 1, true},                   // a double-byte character after every single byte
        {"\x95\x5C", "\xA5", -1, false},                 // ... but without lead bytes it is two bytes
        {"\x95\x41", "\x95\x61", -1, true},              // a trail byte that looks like 'A' is not folded
        {"\x81\x81\x41", "\x81\x81\x61", 0, true},       // a trail byte that is a lead byte starts nothing
        {"x\x82\x81y", "X\x82\x60Y", 0, true},           // the code page upper-cases double-byte characters
        {"a\x95", "A\x95", 0, true},                     // a lead byte at the very end stands alone
        {"a\x95", "a\x95\x40", -1, true},
    };
    for (const auto& [left, right, sign, dbcs] : cases) {
        const CodePage codePage = dbcs ? DoubleByteCodePage() : CodePage();
        EXPECT_EQ((CompareListTexts(left, right, codePage) > 0) - (CompareListTexts(left, right, codePage) < 0), sign)
            << left << " against " << right;
        EXPECT_EQ((CompareListTexts(right, left, codePage) > 0) - (CompareListTexts(right, left, codePage) < 0), -sign);
    }
}

TEST(SortListTexts, EqualTextsLandWhereTheExchangesPutThem)
{
    EXPECT_EQ(Sorted({"B", "a", "A"}), (Texts{"A", "a", "B"}));
    EXPECT_EQ(Sorted({"b", "a", "c", "a", "b"}), (Texts{"a", "a", "b", "b", "c"}));
    // UTF-8 names: only ASCII letters fold; every other character orders by its bytes.
    EXPECT_EQ(Sorted({"Ωmega", "zeta", "Äpfel", "apple", "日本", "Zebra", "ärger"}),
              (Texts{"apple", "Zebra", "zeta", "Äpfel", "ärger", "Ωmega", "日本"}));
}

}  // namespace
}  // namespace cordwain
