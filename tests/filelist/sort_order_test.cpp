// Sort List's order: ASCII-only folding over unsigned bytes, double-byte characters after
// every single byte, and the fixed exchange order that places equal texts.
#include "filelist/sort_order.h"

#include <gtest/gtest.h>

#include <random>

namespace filelist {
namespace {

using Texts = std::vector<std::string>;

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// A Shift-JIS-like code page: lead bytes 0x81-0x9F and 0xE0-0xFC; the full-width small
// letters 0x8281-0x829A upper-case to 0x8260-0x8279.
CodePage DoubleByteCodePage() {
    return CodePage(
        [](unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); },
        [](std::uint16_t character) {
            return static_cast<std::uint16_t>(
                character >= 0x8281 && character <= 0x829A ? character - 0x21 : character);
        });
}

Texts Sorted(Texts texts, const CodePage& codePage = CodePage()) {
    SortListTexts(texts, codePage);
    return texts;
}

TEST(CompareListTextsTest, FoldsOnlyAsciiLetters) {
    const CodePage single;
    EXPECT_EQ(CompareListTexts("README.txt", "readme.txt", single), 0);
    EXPECT_EQ(CompareListTexts("Z", "z", single), 0);
    EXPECT_EQ(CompareListTexts("@", "`", single), -1);  // the neighbours of A-Z are not folded
    EXPECT_EQ(CompareListTexts("[", "{", single), -1);
    EXPECT_NE(CompareListTexts("\xC4", "\xE4", single), 0);  // Latin-1 letters are not folded
}

TEST(CompareListTextsTest, BytesAreUnsignedAndShorterIsSmaller) {
    const CodePage single;
    EXPECT_EQ(CompareListTexts("a", "\xE9", single), -1);
    EXPECT_EQ(CompareListTexts("\x7F", "\x80", single), -1);
    EXPECT_EQ(CompareListTexts("abc", "abcd", single), -1);
    EXPECT_EQ(CompareListTexts("abcd", "ABC", single), 1);
    EXPECT_EQ(CompareListTexts("", "", single), 0);
    EXPECT_EQ(CompareListTexts("", "a", single), -1);
}

TEST(CompareListTextsTest, SeparatorsAndDigitsSortBeforeLetters) {
    const CodePage single;
    EXPECT_LT(CompareListTexts("a_b.txt", "ab.txt", single), 0);
    EXPECT_LT(CompareListTexts("C:\\dir\\file", "C:\\dirA\\file", single), 0);
    EXPECT_LT(CompareListTexts("part10", "part2", single), 0);
    EXPECT_LT(CompareListTexts("C:\\a\\z.txt", "C:\\b\\x.txt", single), 0);
    EXPECT_LT(CompareListTexts("C:\\b\\x.txt", "C:\\B\\y.txt", single), 0);
}

TEST(CompareListTextsTest, DoubleByteCharacterSortsAfterEverySingleByte) {
    const CodePage dbcs = DoubleByteCodePage();
    // Byte for byte 0x95 < 0xA5 and 0x95 < 0xFF; as characters 0x955C is above both.
    EXPECT_GT(CompareListTexts("\x95\x5C", "\xA5", dbcs), 0);
    EXPECT_GT(CompareListTexts("\x95\x5C", "\xFF", dbcs), 0);
    EXPECT_LT(CompareListTexts("\x95\x5C", "\xA5", CodePage()), 0);
}

TEST(CompareListTextsTest, TrailBytesBelongToTheirCharacter) {
    const CodePage dbcs = DoubleByteCodePage();
    // A trail byte that looks like 'A' is not folded.
    EXPECT_NE(CompareListTexts("\x95" "A", "\x95" "a", dbcs), 0);
    EXPECT_EQ(CompareListTexts("\x95" "A", "\x95" "a", CodePage()), 0);
    // A trail byte that is itself a lead byte does not start a new character.
    EXPECT_EQ(CompareListTexts("\x81\x81" "A", "\x81\x81" "a", dbcs), 0);
    // A trail byte equal to '\\' is part of its character, not a separator: the folder
    // "\x95\x5C" is one character, after every single byte such as 0xA5.
    EXPECT_GT(CompareListTexts("C:\\\x95\x5C\\b", "C:\\\xA5\\a", dbcs), 0);
    EXPECT_LT(CompareListTexts("C:\\\x95\x5C\\b", "C:\\\xA5\\a", CodePage()), 0);
}

TEST(CompareListTextsTest, DoubleByteCharactersAreUpperCasedByTheCodePage) {
    const CodePage dbcs = DoubleByteCodePage();
    EXPECT_EQ(CompareListTexts("x\x82\x81y", "X\x82\x60Y", dbcs), 0);
    EXPECT_LT(CompareListTexts("\x82\x60", "\x82\x82", dbcs), 0);  // 0x8260 vs 0x8261
    // A lead byte at the very end stands alone.
    EXPECT_LT(CompareListTexts("a\x95", "a\x95\x40", dbcs), 0);
    EXPECT_EQ(CompareListTexts("a\x95", "A\x95", dbcs), 0);
}

TEST(ListSortKeyTest, KeysOrderExactlyAsTheComparison) {
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

TEST(ExchangeSortTest, ComparesEveryPairInTheFixedOrder) {
    std::vector<int> items{2, 3, 1, 0};
    std::vector<std::pair<int, int>> compared;
    ExchangeSort(items, [&compared](int left, int right) {
        compared.emplace_back(left, right);
        return left - right;
    });
    EXPECT_EQ(items, (std::vector<int>{0, 1, 2, 3}));
    // j = 0: k = 3, 2, 1; j = 1: k = 3, 2; j = 2: k = 3 (values as they stood then).
    EXPECT_EQ(compared, (std::vector<std::pair<int, int>>{
                            {2, 0}, {0, 1}, {0, 3}, {3, 2}, {2, 1}, {2, 3}}));
}

TEST(ExchangeSortTest, MakesHalfNSquaredComparisonsWhateverTheInput) {
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

TEST(SortListTextsTest, EqualKeysLandWhereTheExchangesPutThem) {
    EXPECT_EQ(Sorted({"B", "a", "A"}), (Texts{"A", "a", "B"}));
    EXPECT_EQ(Sorted({"README.txt", "x", "readme.txt"}), (Texts{"README.txt", "readme.txt", "x"}));
}

TEST(SortListTextsTest, FolderDecidesBeforeTheName) {
    EXPECT_EQ(Sorted({"C:\\B\\y.txt", "C:\\b\\x.txt", "C:\\a\\z.txt"}),
              (Texts{"C:\\a\\z.txt", "C:\\b\\x.txt", "C:\\B\\y.txt"}));
    EXPECT_EQ(Sorted({"C:\\dirA\\file", "C:\\dir\\file", "ab.txt", "a_b.txt", "part2", "part10"}),
              (Texts{"a_b.txt", "ab.txt", "C:\\dir\\file", "C:\\dirA\\file", "part10", "part2"}));
}

TEST(SortListTextsTest, DuplicatesEndUpAdjacent) {
    EXPECT_EQ(Sorted({"b", "a", "c", "a", "b"}), (Texts{"a", "a", "b", "b", "c"}));
}

TEST(SortListTextsTest, EmptyAndSingleLists) {
    EXPECT_EQ(Sorted({}), Texts{});
    EXPECT_EQ(Sorted({"only"}), Texts{"only"});
}

TEST(SortListTextsTest, SortingASortedListChangesNothing) {
    const Texts once = Sorted({"b.txt", "README", "A.txt", "readme", "a.txt", "Readme", "B.TXT",
                               "a_b", "C:\\x", "c:\\X"});
    EXPECT_EQ(Sorted(once), once);
}

TEST(SortListTextsTest, MatchesTheExchangeSortOverTheDirectComparison) {
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

TEST(SortListTextsTest, DoubleBytePairsSortAfterSingleBytes) {
    EXPECT_EQ(Sorted({"\x95\x5C", "\xA5", "z"}, DoubleByteCodePage()),
              (Texts{"z", "\xA5", "\x95\x5C"}));
}

}  // namespace
}  // namespace filelist
