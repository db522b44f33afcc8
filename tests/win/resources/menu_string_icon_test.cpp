// The main menu, the system-menu string and icon 128 as the program loads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "res/resource.h"

namespace cordwain::test {
namespace {

HMODULE ThisModule() { return GetModuleHandleA(nullptr); }

struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

struct IconDestroyer {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

constexpr UINT kSeparator = 0;

struct ExpectedItem {
    UINT id;  // kSeparator for a separator
    const char* text;
};

struct ExpectedPopup {
    const char* text;
    std::vector<ExpectedItem> items;
};

std::string MenuText(HMENU menu, UINT position)
{
    char buffer[256] = {};
    GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
    return buffer;
}

TEST(MainMenu, PopupsItemsAndIdsInOrder)
{
    const std::vector<ExpectedPopup> expected = {
        {"&Program", {{ID_PROGRAM_ABOUT, "A&bout..."}, {ID_PROGRAM_EXIT, "E&xit"}}},
        {"A&ction",
         {{ID_ACTION_ADD, "&Add"},
          {ID_ACTION_REMOVE, "&Remove"},
          {ID_ACTION_REMOVE_ALL, "Remove A&ll"},
          {kSeparator, ""},
          {ID_ACTION_JOIN, "&Join..."}}},
        {"&Options", {{ID_OPTIONS_INSERT_DIVIDERS, "&Insert Dividers"}}},
    };
    const OwnedMenu menu(LoadMenuA(ThisModule(), MAKEINTRESOURCEA(IDR_MAINMENU)));
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu.get()), static_cast<int>(expected.size()));

    for (UINT p = 0; p < expected.size(); ++p) {
        SCOPED_TRACE(expected[p].text);
        EXPECT_EQ(MenuText(menu.get(), p), expected[p].text);
        const HMENU popup = GetSubMenu(menu.get(), static_cast<int>(p));
        ASSERT_NE(popup, nullptr);
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(expected[p].items.size()));
        for (UINT i = 0; i < expected[p].items.size(); ++i) {
            const ExpectedItem& want = expected[p].items[i];
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
            ASSERT_TRUE(GetMenuItemInfoA(popup, i, TRUE, &info));
            EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, want.id == kSeparator) << "item " << i;
            EXPECT_EQ(info.hSubMenu, nullptr) << "item " << i;
            if (want.id != kSeparator) {
                // Every command starts enabled and unchecked, Insert Dividers included.
                EXPECT_EQ(info.fState & (MFS_CHECKED | MFS_DISABLED), 0u) << "item " << i;
                EXPECT_EQ(info.wID, want.id) << "item " << i;
                EXPECT_EQ(MenuText(popup, i), want.text) << "item " << i;
            }
        }
    }
}

TEST(AboutEntryString, LoadsWithItsMnemonic)
{
    char buffer[256] = {};
    const int length = LoadStringA(ThisModule(), IDS_ABOUTBOX, buffer, sizeof buffer);
    EXPECT_EQ(length, 18);
    EXPECT_STREQ(buffer, "&About Cordwain...");
}

// The icon group's directory: how many images of which size and colour depth it holds.
struct IconImageEntry {
    int width, height, colours, bitsPerPixel;
    bool operator==(const IconImageEntry& other) const
    {
        return width == other.width && height == other.height && colours == other.colours &&
               bitsPerPixel == other.bitsPerPixel;
    }
};

std::vector<IconImageEntry> IconGroupEntries(int groupId)
{
    std::vector<IconImageEntry> entries;
    const HRSRC found = FindResourceA(ThisModule(), MAKEINTRESOURCEA(groupId), MAKEINTRESOURCEA(14));
    if (!found)
        return entries;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(ThisModule(), found)));
    const DWORD size = SizeofResource(ThisModule(), found);
    constexpr size_t kHeader = 6, kEntry = 14;
    if (!bytes || size < kHeader)
        return entries;
    const size_t count = bytes[4] | (bytes[5] << 8);
    for (size_t i = 0; i < count && kHeader + (i + 1) * kEntry <= size; ++i) {
        const BYTE* entry = bytes + kHeader + i * kEntry;
        entries.push_back({entry[0] ? entry[0] : 256, entry[1] ? entry[1] : 256, entry[2], entry[6] | (entry[7] << 8)});
    }
    return entries;
}

TEST(ProgramIcon, HoldsA32AndA16ImageOf16ColoursEach)
{
    const std::vector<IconImageEntry> expected = {{32, 32, 16, 4}, {16, 16, 16, 4}};
    EXPECT_EQ(IconGroupEntries(IDR_MAINFRAME), expected);
}

class ProgramIconSize : public testing::TestWithParam<int> {};

TEST_P(ProgramIconSize, LoadsAtItsOwnSize)
{
    const int size = GetParam();
    const OwnedIcon icon(static_cast<HICON>(
        LoadImageA(ThisModule(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
}

INSTANTIATE_TEST_SUITE_P(LargeAndSmall, ProgramIconSize, testing::Values(32, 16));

// The size picked must be a drawn image, not the other one scaled: each size has its own entry.
TEST(ProgramIcon, EachSizePicksItsOwnImage)
{
    const HRSRC found = FindResourceA(ThisModule(), MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(14));
    ASSERT_NE(found, nullptr);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(ThisModule(), found)));
    ASSERT_NE(directory, nullptr);
    const int large = LookupIconIdFromDirectoryEx(directory, TRUE, 32, 32, LR_DEFAULTCOLOR);
    const int small = LookupIconIdFromDirectoryEx(directory, TRUE, 16, 16, LR_DEFAULTCOLOR);
    EXPECT_NE(large, 0);
    EXPECT_NE(small, 0);
    EXPECT_NE(large, small);
}

}  // namespace
}  // namespace cordwain::test
