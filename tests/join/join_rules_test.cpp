// Progress arithmetic, the output-name rules and the output-is-an-input check.
#include <gtest/gtest.h>

#include <cctype>
#include <limits>

#include "join/output_name.h"
#include "join/progress_position.h"
#include "join/same_file.h"
#include "support/temp_folder.h"

namespace cordwain {
namespace {

TEST(ProgressPosition, ThousandthsTruncatedThenTheLowSixteenBitsAsSigned)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::int64_t cases[][3] = {
        {0, 300, 0},  {2, 3, 666},          {5LL << 30, 10LL << 30, 500}, {kMax, kMax, 1000},
        {123, 0, 0},  {32767, 1000, 32767}, {32768, 1000, -32768},        {65537, 1000, 1},
        {kMax, 1, 0},  // past the 64-bit range: the conversion's indefinite value, whose low bits are 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressPosition(c[0], c[1]), c[2]) << c[0] << " of " << c[1];
}

struct Paths final : JoinList {
    std::vector<std::string> paths;
    int FileCount() const override { return static_cast<int>(paths.size()); }
    std::string FilePath(int index) const override { return paths.at(static_cast<std::size_t>(index)); }
};

bool TestLeadByte(unsigned char c) { return c >= 0x81 && c <= 0x9F; }
bool SuperscriptTwoIsADigit(unsigned char c) { return IsAsciiDigit(c) || c == 0xB2; }

TEST(OutputName, ProposedNameAndFirstFolder)
{
    struct Case {
        const char* first;
        const char* name;
        std::optional<std::string> folder;
    };
    const Case cases[] = {
        {"D:\\video\\film.avi.001", "D:\\video\\film.avi", "D:\\video"},
        {"D:\\part.001", "D:\\part", "D:"},
        {"piece.007", "piece", ""},
        {"D:\\video\\film.", "D:\\video\\film", "D:\\video"},  // an empty extension counts as digits
        {"D:\\video\\notes.txt", "", "D:\\video"},
        {"D:\\video\\film.0a1", "", "D:\\video"},
        {"D:\\my.files\\readme", "", "D:\\my.files"},
        {"12345", "", ""},
        {".001", ".001", ""},  // a leading dot keeps the path unchanged
        {"\\part.001", "\\part", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SuggestedOutputName(c.first), c.name) << c.first;
        EXPECT_EQ(InitialOutputFolder(c.first), c.folder) << c.first;
    }
}

TEST(OutputName, CodePageDecidesTrailBytesAndDigits)
{
    const CharClasses dbcs{TestLeadByte, IsAsciiDigit};
    EXPECT_EQ(SuggestedOutputName("x.001\x81."), "x.001\x81");
    EXPECT_EQ(SuggestedOutputName("x.001\x81.", dbcs), "");
    EXPECT_EQ(InitialOutputFolder("D:\\dir\\\x81\\name", dbcs), std::optional<std::string>("D:\\dir"));
    EXPECT_EQ(SuggestedOutputName("film.1\xB2"), "");
    EXPECT_EQ(SuggestedOutputName("film.1\xB2", CharClasses{NoLeadBytes, SuperscriptTwoIsADigit}), "film");
}

TEST(OutputName, OutputInTheListByTextOrByFileIdentity)
{
    const TempFolder folder;
    Paths list;
    list.paths = {folder.Write("a.txt", "a"), folder.Write("b.txt", "b")};
    std::filesystem::create_directories(folder.PathOf("sub"));
    EXPECT_TRUE(IsOutputInList(list, list.paths[1]));
    EXPECT_TRUE(IsOutputInList(list, folder.PathOf("sub") + "/../a.txt"));
    EXPECT_FALSE(IsOutputInList(list, folder.PathOf("c.txt")));
    list.paths.push_back(folder.PathOf("missing"));
    EXPECT_TRUE(IsOutputInList(list, folder.PathOf("missing")));  // the same text, existing or not
    std::string upper = list.paths[0];
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
#ifdef _WIN32
    EXPECT_TRUE(IsOutputInList(list, upper));  // letter case names the same file on Windows
#else
    EXPECT_FALSE(IsOutputInList(list, upper));
#endif
}

}  // namespace
}  // namespace cordwain
