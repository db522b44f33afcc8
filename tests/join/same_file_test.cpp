// File identity against real files, whatever the spelling.
#include <gtest/gtest.h>

#include <cctype>

#include "join/same_file.h"
#include "temp_folder.h"

namespace cordwain::testing {
namespace {

TEST(IsSameExistingFile, RecognisesOneFileUnderTwoSpellings)
{
    const TempFolder folder;
    const std::string a = folder.Write("a.txt", "a");
    const std::string b = folder.Write("b.txt", "b");
    std::filesystem::create_directories(folder.PathOf("sub"));
    const std::string roundabout = folder.PathOf("sub") + "/../a.txt";

    EXPECT_TRUE(IsSameExistingFile(a, a));
    EXPECT_TRUE(IsSameExistingFile(a, roundabout));
    EXPECT_FALSE(IsSameExistingFile(a, b));
}

TEST(IsSameExistingFile, FalseWhenEitherIsMissing)
{
    const TempFolder folder;
    const std::string a = folder.Write("a.txt", "a");
    EXPECT_FALSE(IsSameExistingFile(a, folder.PathOf("missing")));
    EXPECT_FALSE(IsSameExistingFile(folder.PathOf("missing"), folder.PathOf("missing")));
}

TEST(IsSameExistingFile, LetterCaseNamesTheSameFileOnWindows)
{
    const TempFolder folder;
    const std::string a = folder.Write("a.txt", "a");
    std::string upper = a;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
#ifdef _WIN32
    EXPECT_TRUE(IsSameExistingFile(a, upper));
#else
    EXPECT_FALSE(IsSameExistingFile(a, upper));
#endif
}

TEST(PathExists, FilesAndFoldersExistMissingOnesDoNot)
{
    const TempFolder folder;
    EXPECT_TRUE(PathExists(folder.Write("a", "")));
    EXPECT_TRUE(PathExists(folder.PathOf("")));
    EXPECT_FALSE(PathExists(folder.PathOf("missing")));
}

}  // namespace
}  // namespace cordwain::testing
