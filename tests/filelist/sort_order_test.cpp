// Sort List's order: ASCII-only folding over unsigned bytes, double-byte characters after
// every single byte, and the fixed exchange order that places equal texts.
#include "filelist/sort_order.h"

#include <gtest/gtest.h>

#include <random>

namespace filelist {
namespace {

using Texts = std::vector<std::string>;

int Sign(int value) { return (value > 0) - (value < 0); }

// A Shift-JIS-like code page: lead bytes 0x81-0x9F and 0xE0-0xFC; the full-width small
// letters 0x8281-0x829A upper-case to 0x8260-0x8279.
CodePage DoubleByteCodePage()
{
    return CodePage([](unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); },
                    [](std::uint16_t character) {
                        return static_cast<std::uint16_t>(character >= 0x8281 && character <= 0x829A ? character - 0x21
                                                                                                     : character);
                    });
}

Texts Sorted(Texts texts, const CodePage& codePage = CodePage())
{
    SortListTexts(texts, codePage);
    return texts;
}

// The comparison's sign for pairs of texts, under a single-byte code page unless `dbcs`.
TEST(CompareListTextsTest, OrdersPairsByTheFoldedCharacters)
{
    struct Case {
        const char* why;
        std::string left;
        std::string right;
        int sign;
        bool dbcs;
    };
    const Case cases[] = {
        {"ASCII letters fold", "README.txt", "readme.txt", 0, false},
        {"ASCII letters fold", "Z", "z", 0, false},
        {"the neighbours of A-Z are not folded", "@", "`", -1, false},
        {"the neighbours of A-Z are not folded", "[", "{", -1, false},
        {"Latin-1 letters are not folded", "\xC4", "\xE4", -1, false},
        {"bytes are unsigned", "a", "\xE9", -1, false},
        {"bytes are unsigned", "\x7F", "\x80", -1, false},
        {"shorter is smaller", "abc", "abcd", -1, false},
        {"shorter is smaller", "abcd", "ABC", 1, false},
        {"empty texts", "", "", 0, false},
        {"empty texts", "", "a", -1, false},
        {"separators sort before letters", "a_b.txt", "ab.txt", -1, false},
        {"separators sort before letters", "C:\\dir\\file", "C:\\dirA\\file", -1, false},
        {"digits compare as characters", "part10", "part2", -1, false},
        {"the folder decides", "C:\\a\\z.txt", "C:\\b\\x.txt", -1, false},
        {"the folder decides", "C:\\b\\x.txt", "C:\\B\\y.txt", -1, false},
        // Byte for byte 0x95 < 0xA5 and 0x95 < 0xFF; as characters 0x955C is above both.
        {"a double-byte character sorts after every single byte", "\x95\x5C", "\xA5", 1, true},
        {"a double-byte character sorts after every single byte", "\x95\x5C", "\xFF", 1, true},
        {"without lead bytes the same pair is two single bytes", "\x95\x5C", "\xA5", -1, false},
        {"a trail byte that looks like 'A' is not folded",
         "\x95"
         "A",
         "\x95"
         "a",
         -1, true},
        {"without lead bytes that 'A' folds",
         "\x95"
         "A",
         "\x95"
         "a",
         0, false},
        {"a trail byte that is itself a lead byte starts no character",
         "\x81\x81"
         "A",
         "\x81\x81"
         "a",
         0, true},
        // The folder "\x95\x5C" is one character, after every single byte such as 0xA5.
        {"a trail byte equal to '\\' is not a separator", "C:\\\x95\x5C\\b", "C:\\\xA5\\a", 1, true},
        {"without lead bytes 0x5C separates", "C:\\\x95\x5C\\b", "C:\\\xA5\\a", -1, false},
        {"the code page upper-cases double-byte characters", "x\x82\x81y", "X\x82\x60Y", 0, true},
        {"0x8260 is below 0x8261", "\x82\x60", "\x82\x82", -1, true},
        {"a lead byte at the very end stands alone", "a\x95", "a\x95\x40", -1, true},
        {"a lead byte at the very end stands alone", "a\x95", "A\x95", 0, true},
    };
    const CodePage single;
    const CodePage dbcs = DoubleByteCodePage();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.why) + ": \"" + c.left + "\" against \"" + c.right + "\"");
        EXPECT_EQ(Sign(CompareListTexts(c.left, c.right, c.dbcs ? dbcs : single)), c.sign);
    }
}

TEST(ListSortKeyTest, KeysOrderExactlyAsTheComparison)
{
    // Texts drawn from a small alphabet that holds every kind of byte the rules tell apart.
    const std::string alphabet = "aAzZ_\\.0\x81\x95\x5C\x82\x60\x61\xA5\xFF@[";
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 6);
    const auto randomText = [&] {
        std::string text(static_cast<std::size_t>(length(random)), ' ');
        for (char& byte : text) {
            byte = alphabet[pick(random)];
        }
        return text;
    };
    for (const CodePage& codePage : {CodePage(), DoubleByteCodePage()}) {
        for (int round = 0; round < 20000; ++round) {
            const std::string a = randomText();
            const std::string b = randomText();
            ASSERT_EQ(Sign(ListSortKey(a, codePage).compare(ListSortKey(b, codePage))),
                      Sign(CompareListTexts(a, b, codePage)))
                << "comparing \"" << a << "\" with \"" << b << "\"";
        }
    }
}

TEST(ExchangeSortTest, ComparesEveryPairInTheFixedOrder)
{
    std::vector<int> items{2, 3, 1, 0};
    std::vector<std::pair<int, int>> compared;
    ExchangeSort(items, [&compared](int left, int right) {
        compared.emplace_back(left, right);
        return left - right;
    });
    EXPECT_EQ(items, (std::vector<int>{0, 1, 2, 3}));
    // j = 0: k = 3, 2, 1; j = 1: k = 3, 2; j = 2: k = 3 (values as they stood then).
    EXPECT_EQ(compared, (std::vector<std::pair<int, int>>{{2, 0}, {0, 1}, {0, 3}, {3, 2}, {2, 1}, {2, 3}}));
}

TEST(ExchangeSortTest, MakesHalfNSquaredComparisonsWhateverTheInput)
{
    for (const std::size_t count : {0u, 1u, 2u, 7u, 50u}) {
        for (const bool alreadySorted : {true, false}) {
            std::vector<std::size_t> items(count);
            for (std::size_t i = 0; i < count; ++i) {
                items[i] = alreadySorted ? i : count - i;
            }
            std::size_t comparisons = 0;
            ExchangeSort(items, [&comparisons](std::size_t left, std::size_t right) {
                ++comparisons;
                return left < right ? -1 : (left > right ? 1 : 0);
            });
            EXPECT_EQ(comparisons, count * (count - (count > 0 ? 1 : 0)) / 2) << count;
        }
    }
}

TEST(SortListTextsTest, EqualKeysLandWhereTheExchangesPutThem)
{
    EXPECT_EQ(Sorted({"B", "a", "A"}), (Texts{"A", "a", "B"}));
    EXPECT_EQ(Sorted({"README.txt", "x", "readme.txt"}), (Texts{"README.txt", "readme.txt", "x"}));
}

TEST(SortListTextsTest, FolderDecidesBeforeTheName)
{
    EXPECT_EQ(Sorted({"C:\\B\\y.txt", "C:\\b\\x.txt", "C:\\a\\z.txt"}),
              (Texts{"C:\\a\\z.txt", "C:\\b\\x.txt", "C:\\B\\y.txt"}));
    EXPECT_EQ(Sorted({"C:\\dirA\\file", "C:\\dir\\file", "ab.txt", "a_b.txt", "part2", "part10"}),
              (Texts{"a_b.txt", "ab.txt", "C:\\dir\\file", "C:\\dirA\\file", "part10", "part2"}));
}

TEST(SortListTextsTest, DuplicatesEndUpAdjacent)
{
    EXPECT_EQ(Sorted({"b", "a", "c", "a", "b"}), (Texts{"a", "a", "b", "b", "c"}));
}

TEST(SortListTextsTest, EmptyAndSingleLists)
{
    EXPECT_EQ(Sorted({}), Texts{});
    EXPECT_EQ(Sorted({"only"}), Texts{"only"});
}

TEST(SortListTextsTest, SortingASortedListChangesNothing)
{
    const Texts once =
        Sorted({"b.txt", "README", "A.txt", "readme", "a.txt", "Readme", "B.TXT", "a_b", "C:\\x", "c:\\X"});
    EXPECT_EQ(Sorted(once), once);
}

TEST(SortListTextsTest, MatchesTheExchangeSortOverTheDirectComparison)
{
    // The key-based sort must place equal texts exactly where the plain one does.
    std::mt19937 random(777);
    const std::string alphabet = "aAbB\\_\x95\x5C\x82\x81\x60";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (const CodePage& codePage : {CodePage(), DoubleByteCodePage()}) {
        Texts texts(60);
        for (std::string& text : texts) {
            text.resize(1 + pick(random) % 4);
            for (char& byte : text) {
                byte = alphabet[pick(random)];
            }
        }
        Texts expected = texts;
        ExchangeSort(expected, [&codePage](const std::string& left, const std::string& right) {
            return CompareListTexts(left, right, codePage);
        });
        EXPECT_EQ(Sorted(texts, codePage), expected);
    }
}

TEST(SortListTextsTest, DoubleBytePairsSortAfterSingleBytes)
{
    EXPECT_EQ(Sorted({"\x95\x5C", "\xA5", "z"}, DoubleByteCodePage()), (Texts{"z", "\xA5", "\x95\x5C"}));
}

}  // namespace
}  // namespace filelist
