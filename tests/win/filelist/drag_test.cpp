// Reordering the file list by dragging: the drag list's registered notification sent to the main
// window with a real point over a real item, handed to the list's drag rules; and the insertion
// mark as drawn on screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "support/main_dlg_harness.h"

namespace {

using Texts = std::vector<std::string>;

const std::string kWidest = "E, the widest item of this list by far";

POINT ScreenPointOfItem(const CListBox& list, int index)
{
    RECT rect{};
    list.GetItemRect(index, &rect);
    POINT pt{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(list.m_hWnd, &pt);
    return pt;
}

POINT FarOutsideTheList(const CListBox& list)
{
    RECT rect{};
    list.GetWindowRect(&rect);
    return POINT{rect.right + 300, rect.bottom + 300};
}

LRESULT Notify(const CMainDlgUnderTest& dlg, UINT code, POINT pt)
{
    DRAGLISTINFO info{code, dlg.m_lstFiles.m_hWnd, pt};
    return dlg.SendMessage(::RegisterWindowMessageA(DRAGLISTMSGSTRING), IDC_FILE_LIST, reinterpret_cast<LPARAM>(&info));
}

struct DragOutcome {
    Texts texts;
    int selection = -2;
    DWORD_PTR movedData = 0;
    LRESULT beginAnswer = -1;
    LRESULT draggingAnswer = -1;
    int markWhileDragging = -2;
    int markAfter = -2;
    int extent = -1;
    int widest = -2;
};

// A..E with data 10..14 (E much wider than the rest); source selected, dragged to the point
// and dropped there.
template <class PointOf> DragOutcome Drag(int source, PointOf pointOf)
{
    DragOutcome outcome;
    const bool ended = RunMainDlg([&](CMainDlgUnderTest& d) {
        CFileListBox& list = d.m_lstFiles;
        const Texts names{"A", "B", "C", "D", kWidest};
        for (std::size_t i = 0; i < names.size(); ++i)
            list.SetItemData(list.AddString(names[i].c_str()), 10 + i);
        list.SetCurSel(source);
        const POINT end = pointOf(list);
        outcome.beginAnswer = Notify(d, DL_BEGINDRAG, ScreenPointOfItem(list, source));
        outcome.draggingAnswer = Notify(d, DL_DRAGGING, end);
        outcome.markWhileDragging = list.GetInsertMarkIndex();
        Notify(d, DL_DROPPED, end);
        outcome.texts = ListTexts(list);
        outcome.selection = list.GetCurSel();
        outcome.markAfter = list.GetInsertMarkIndex();
        if (outcome.selection >= 0)
            outcome.movedData = list.GetItemData(outcome.selection);
        outcome.extent = list.GetHorizontalExtent();
        outcome.widest = MeasuredWidth(list, kWidest);
    });
    EXPECT_TRUE(ended);
    return outcome;
}

auto OntoItem(int target)
{
    return [target](const CListBox& list) { return ScreenPointOfItem(list, target); };
}

TEST(FileListDrag, ItemLandsJustBeforeTheItemDroppedOnAndIsSelected)
{
    const DragOutcome down = Drag(0, OntoItem(3));
    EXPECT_EQ(TRUE, down.beginAnswer);
    EXPECT_EQ(DL_MOVECURSOR, down.draggingAnswer);
    EXPECT_EQ(3, down.markWhileDragging);
    EXPECT_EQ((Texts{"B", "C", "A", "D", kWidest}), down.texts);
    EXPECT_EQ(2, down.selection);
    EXPECT_EQ(10u, down.movedData);
    EXPECT_EQ(-1, down.markAfter);
}

// The move goes through the list box's own delete and insert, so the extent upkeep sees both.
TEST(FileListDrag, MovingTheWidestItemUpKeepsTheExtent)
{
    const DragOutcome moved = Drag(4, OntoItem(1));
    EXPECT_EQ((Texts{"A", kWidest, "B", "C", "D"}), moved.texts);
    EXPECT_EQ(1, moved.selection);
    EXPECT_EQ(14u, moved.movedData);
    EXPECT_EQ(moved.widest, moved.extent);
}

TEST(FileListDrag, DropOverNoItemChangesNothing)
{
    const DragOutcome outside = Drag(2, FarOutsideTheList);
    EXPECT_EQ(DL_STOPCURSOR, outside.draggingAnswer);
    EXPECT_EQ(-1, outside.markWhileDragging);
    EXPECT_EQ((Texts{"A", "B", "C", "D", kWidest}), outside.texts);
    EXPECT_EQ(2, outside.selection);
}

TEST(FileListDrag, InsertionMarkIsAFourPixelBandThatErasesItself)
{
    int changedInBand = 0;
    int changedOutside = 0;
    int leftOver = 0;
    int markAtStart = 99;
    const bool ended = RunMainDlg([&](CMainDlgUnderTest& d) {
        CFileListBox& list = d.m_lstFiles;
        markAtStart = list.GetInsertMarkIndex();
        AddTexts(list, {"first", "second", "third"});
        ::UpdateWindow(list.m_hWnd);
        RECT item{};
        list.GetItemRect(1, &item);
        const HDC dc = ::GetDC(list.m_hWnd);
        auto snapshot = [&] {
            std::vector<COLORREF> pixels;
            for (int y = item.top - 4; y < item.top + 4; ++y)
                for (int x = item.left; x < item.left + 16; ++x)
                    pixels.push_back(::GetPixel(dc, x, y));
            return pixels;
        };
        const std::vector<COLORREF> before = snapshot();
        list.DrawInsert(1);
        const std::vector<COLORREF> marked = snapshot();
        list.DrawInsert(-1);
        const std::vector<COLORREF> erased = snapshot();
        ::ReleaseDC(list.m_hWnd, dc);
        for (std::size_t i = 0; i < before.size(); ++i) {
            const int row = static_cast<int>(i / 16) - 4;  // relative to the item's top
            const bool inBand = row >= -2 && row < 2;
            if (before[i] != marked[i])
                ++(inBand ? changedInBand : changedOutside);
            if (before[i] != erased[i])
                ++leftOver;
        }
    });
    EXPECT_TRUE(ended);
    EXPECT_EQ(-1, markAtStart);
    EXPECT_GE(changedInBand, 16);  // a checkered brush inverts every other pixel of 4 rows of 16
    EXPECT_EQ(0, changedOutside);
    EXPECT_EQ(0, leftOver);
}

}  // namespace
