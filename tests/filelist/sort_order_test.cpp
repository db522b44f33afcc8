// Sort List's order: ASCII-only folding over unsigned bytes, double-byte characters after every
// single byte, and the fixed exchange order that places equal texts.
#include <gtest/gtest.h>

#include <random>

#include "filelist/sort_order.h"

namespace cordwain {
namespace {

using Texts = std::vector<std::string>;

int Sign(int value) { return (value > 0) - (value < 0); }

// Shift-JIS-like: lead bytes 0x81-0x9F and 0xE0-0xFC; the full-width small letters 0x8281-0x829A
// upper-case to 0x8260-0x8279.
CodePage DoubleByteCodePage()
{
    return CodePage(
        [](unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); },
        [](std::uint16_t c) { return static_cast<std::uint16_t>(c >= 0x8281 && c <= 0x829A ? c - 0x21 : c); });
}

Texts Sorted(Texts texts, const CodePage& codePage = CodePage())
{
    SortListTexts(texts, codePage);
    return texts;
}

TEST(CompareListTexts, OrdersPairsByTheFoldedCharacters)
{
    struct Case {
        const char* why;
        std::string left, right;
        int sign;
        bool dbcs;
    };
    const Case cases[] = {
        {"ASCII letters fold", "README.txt", "readme.txt", 0, false},
        {"the neighbours of A-Z are not folded", "@", "`", -1, false},
        {"the neighbours of A-Z are not folded", "[", "{", -1, false},
        {"Latin-1 letters are not folded", "\xC4", "\xE4", -1, false},
        {"bytes are unsigned", "\x7F", "\x80", -1, false},
        {"shorter is smaller", "abcd", "ABC", 1, false},
        {"shorter is smaller", "", "a", -1, false},
        {"separators sort before letters", "a_b.txt", "ab.txt", -1, false},
        {"separators sort before letters", "C:\\dir\\file", "C:\\dirA\\file", -1, false},
        {"digits compare as characters", "part10", "part2", -1, false},
        {"the folder decides", "C:\\b\\x.txt", "C:\\B\\y.txt", -1, false},
        {"a double-byte character sorts after every single byte", "\x95\x5C", "\xFF", 1, true},
        {"without lead bytes the pair is two single bytes", "\x95\x5C", "\xA5", -1, false},
        {"a trail byte that looks like 'A' is not folded",
         "\x95"
         "A",
         "\x95"
         "a",
         -1, true},
        {"a trail byte that is itself a lead byte starts no character",
         "\x81\x81"
         "A",
         "\x81\x81"
         "a",
         0, true},
        {"a trail byte equal to '\\' is not a separator", "C:\\\x95\x5C\\b", "C:\\\xA5\\a", 1, true},
        {"the code page upper-cases double-byte characters", "x\x82\x81y", "X\x82\x60Y", 0, true},
        {"a lead byte at the very end stands alone", "a\x95", "a\x95\x40", -1, true},
        {"a lead byte at the very end stands alone", "a\x95", "A\x95", 0, true},
    };
    const CodePage single;
    const CodePage dbcs = DoubleByteCodePage();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.why) + ": \"" + c.left + "\" against \"" + c.right + "\"");
        EXPECT_EQ(Sign(CompareListTexts(c.left, c.right, c.dbcs ? dbcs : single)), c.sign);
        EXPECT_EQ(Sign(CompareListTexts(c.right, c.left, c.dbcs ? dbcs : single)), -c.sign);
    }
}

// The sort folds each text once into a key; it must place every text, equal ones included,
// exactly where the exchange sort over the direct comparison does.
TEST(SortListTexts, KeysSortExactlyAsTheComparison)
{
    std::mt19937 random(777);
    const std::string alphabet = "aAzZ_\\.0\x81\x95\x5C\x82\x60\x61\xA5\xFF@[";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (const CodePage& codePage : {CodePage(), DoubleByteCodePage()}) {
        for (int round = 0; round < 20; ++round) {
            Texts texts(40);
            for (std::string& text : texts) {
                text.resize(pick(random) % 6);
                for (char& byte : text)
                    byte = alphabet[pick(random)];
            }
            Texts expected = texts;
            ExchangeSort(expected,
                         [&](const std::string& a, const std::string& b) { return CompareListTexts(a, b, codePage); });
            EXPECT_EQ(Sorted(texts, codePage), expected);
        }
    }
}

TEST(SortListTexts, EqualTextsLandWhereTheExchangesPutThem)
{
    EXPECT_EQ(Sorted({"B", "a", "A"}), (Texts{"A", "a", "B"}));
    EXPECT_EQ(Sorted({"b", "a", "c", "a", "b"}), (Texts{"a", "a", "b", "b", "c"}));
    const Texts once = Sorted({"b.txt", "README", "A.txt", "readme", "a.txt", "Readme", "B.TXT", "C:\\x", "c:\\X"});
    EXPECT_EQ(Sorted(once), once);
    EXPECT_EQ(Sorted({}), Texts{});
    // UTF-8 names: only ASCII letters fold; every other character orders by its bytes.
    EXPECT_EQ(Sorted({"Ωmega", "zeta", "Äpfel", "apple", "日本", "Zebra", "ärger"}),
              (Texts{"apple", "Zebra", "zeta", "Äpfel", "ärger", "Ωmega", "日本"}));
}

}  // namespace
}  // namespace cordwain
