// Drops: plain files only, in the drop's order, after what the list already holds.
#include "filelist/dropped_files.h"

#include <gtest/gtest.h>

#include <map>

#include "filelist/memory_list_box.h"

namespace filelist {
namespace {

using Texts = std::vector<std::string>;

constexpr std::uint32_t kArchive = 0x20;
constexpr std::uint32_t kReadOnly = 0x01;

FileAttributesQuery AttributesFrom(const std::map<std::string, std::uint32_t>& known)
{
    return [known](const std::string& path) {
        const auto found = known.find(path);
        return found == known.end() ? kInvalidFileAttributes : found->second;
    };
}

TEST(DroppedFilesTest, KeepsPlainFilesInDropOrderAfterExistingItems)
{
    MemoryListBox list;
    list.AddString("C:\\old.txt");
    const auto attributes = AttributesFrom({
        {"C:\\z.txt", kArchive},
        {"C:\\folder", kFileAttributeDirectory},
        {"C:\\a.txt", kArchive | kReadOnly},
        {"C:\\hidden folder", kFileAttributeDirectory | 0x02},
        {"C:\\m.txt", 0x80},
    });
    AppendDroppedFiles(list, {"C:\\z.txt", "C:\\folder", "C:\\a.txt", "C:\\gone.txt", "C:\\hidden folder", "C:\\m.txt"},
                       attributes);
    EXPECT_EQ(list.Texts(), (Texts{"C:\\old.txt", "C:\\z.txt", "C:\\a.txt", "C:\\m.txt"}));
    EXPECT_EQ(list.GetCurSel(), kListBoxError);
}

TEST(DroppedFilesTest, DuplicatesAreAddedAgain)
{
    MemoryListBox list;
    list.AddString("C:\\a.txt");
    AppendDroppedFiles(list, {"C:\\a.txt", "C:\\a.txt"}, AttributesFrom({{"C:\\a.txt", 0}}));
    EXPECT_EQ(list.Texts(), (Texts{"C:\\a.txt", "C:\\a.txt", "C:\\a.txt"}));
}

TEST(DroppedFilesTest, AppendsThroughTheListSoTheExtentGrows)
{
    MemoryListBox list([](const std::string& text) { return static_cast<int>(text.size()) * 7; });
    AppendDroppedFiles(list, {"C:\\a.txt", "C:\\longer name.txt"},
                       AttributesFrom({{"C:\\a.txt", 0}, {"C:\\longer name.txt", 0}}));
    EXPECT_EQ(list.GetHorizontalExtent(), 18 * 7);
}

}  // namespace
}  // namespace filelist
