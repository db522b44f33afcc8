// The framework's portable rules: double-byte searches, the file dialog's texts, the drag move.
#include <gtest/gtest.h>

#include "framework/drag_move.h"
#include "framework/file_dialog_text.h"
#include "framework/text_scan.h"
#include "framework/wide_path.h"

namespace {

// Shift-JIS-like: 0x81-0x9F lead a double-byte character, whose trail may look like '\', '|' or '.'.
const CodePage kDoubleByte([](unsigned char byte) { return byte >= 0x81 && byte <= 0x9F; });

std::string Bytes(const std::vector<char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(TextScan, LastOfSeveralCharacters) { EXPECT_EQ(FindLastOf("a\\b/c.d", "/\\", CodePage()), 3); }

TEST(FileDialogText, FilterBarsBecomeTerminatorsOutsideDoubleByteCharacters)
{
    EXPECT_EQ(Bytes(FileDialogFilter("\x83|x|*.x|", kDoubleByte)), std::string("\x83|x\0*.x\0\0", 10));
}

TEST(FileDialogText, AnswerMustEndWithinTheBuffer)
{
    EXPECT_TRUE(IsWholeAnswer(std::string("C:\\a\0b\0\0zz", 10)));
    EXPECT_TRUE(IsWholeAnswer(std::string("\0", 1)));
    EXPECT_FALSE(IsWholeAnswer(std::string("C:\\a\0b\0", 7)));  // no room for the final empty entry
    EXPECT_FALSE(IsWholeAnswer("C:\\abc"));                     // cut off inside an entry
    EXPECT_FALSE(IsWholeAnswer(""));
}

TEST(FileDialogText, SelectedNameJoinsTheFolderWithOneSeparator)
{
    EXPECT_EQ(JoinSelectedName("C:\\data", "a.txt", CodePage()), "C:\\data\\a.txt");
    EXPECT_EQ(JoinSelectedName("C:\\", "a.txt", CodePage()), "C:\\a.txt");
    EXPECT_EQ(JoinSelectedName("/tmp", "a", CodePage()), "/tmp/a");
    EXPECT_EQ(JoinSelectedName("C:\\\x95\\", "a", kDoubleByte), "C:\\\x95\\\\a");
}

// A..E: where the dragged item lands, as the list reads afterwards.
TEST(DragMove, ItemLandsJustBeforeTheItemDroppedOn)
{
    EXPECT_EQ(DragMoveDestination(0, 3), 2);                                     // A onto D: B, C, A, D, E
    EXPECT_EQ(DragMoveDestination(3, 0), 0);                                     // D onto A: D, A, B, C, E
    EXPECT_EQ(DragMoveDestination(1, 4), 3);                                     // B onto E: A, C, D, B, E
    const std::pair<int, int> unchanged[] = {{1, 1}, {1, 2}, {-1, 2}, {2, -1}};  // itself, the next, none
    for (const auto& [source, target] : unchanged)
        EXPECT_EQ(DragMoveDestination(source, target), std::nullopt) << source << " onto " << target;
}

// Full paths past 259 units get the extended form; devices, extended names and shorter paths do not.
TEST(WidePath, ExtendedFormOnlyPastTheClassicLimit)
{
    const std::wstring deep = LR"(C:\)" + std::wstring(256, L'd');
    EXPECT_EQ(ExtendedLengthName(deep), deep);  // 259 units
    EXPECT_EQ(ExtendedLengthName(deep + L"e"), LR"(\\?\)" + deep + L"e");
    const std::wstring folder(250, L's');
    EXPECT_EQ(ExtendedLengthName(LR"(\\server\share\)" + folder), LR"(\\?\UNC\server\share\)" + folder);
    for (const std::wstring& asIs : {LR"(\\?\)" + deep + L"e", LR"(\\.\pipe\)" + deep})
        EXPECT_EQ(ExtendedLengthName(asIs), asIs);
}

}  // namespace
