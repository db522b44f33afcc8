// Reordering the file list by dragging: the drag list's registered notification sent to the
// dialog with a real point over a real item, handed to the list's drag rules.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "list_host_dlg.h"
#include "res/resource.h"

namespace {

using Texts = std::vector<std::string>;

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

LRESULT Notify(const CListHostDlg& dlg, UINT code, POINT pt)
{
    DRAGLISTINFO info{code, dlg.m_list.m_hWnd, pt};
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
template <class PointOf>
DragOutcome Drag(int source, PointOf pointOf)
{
    DragOutcome outcome;
    const INT_PTR ended = RunWithFileList([&](CListHostDlg& d) {
        const Texts names{"A", "B", "C", "D", "E, the widest item of this list by far"};
        for (std::size_t i = 0; i < names.size(); ++i)
            d.m_list.SetItemData(d.m_list.AddString(names[i].c_str()), 10 + i);
        d.m_list.SetCurSel(source);
        const POINT end = pointOf(d.m_list);
        outcome.beginAnswer = Notify(d, DL_BEGINDRAG, ScreenPointOfItem(d.m_list, source));
        outcome.draggingAnswer = Notify(d, DL_DRAGGING, end);
        outcome.markWhileDragging = d.m_list.GetInsertMarkIndex();
        Notify(d, DL_DROPPED, end);
        outcome.texts = ListTexts(d.m_list);
        outcome.selection = d.m_list.GetCurSel();
        outcome.markAfter = d.m_list.GetInsertMarkIndex();
        if (outcome.selection >= 0)
            outcome.movedData = d.m_list.GetItemData(outcome.selection);
        outcome.extent = d.m_list.GetHorizontalExtent();
        outcome.widest = MeasuredWidth(d.m_list, names.back());
    });
    EXPECT_EQ(IDOK, ended);
    return outcome;
}

auto OntoItem(int target)
{
    return [target](const CListBox& list) { return ScreenPointOfItem(list, target); };
}

const std::string kE = "E, the widest item of this list by far";

TEST(FileListDrag, ItemLandsJustBeforeTheItemDroppedOnAndIsSelected)
{
    const DragOutcome down = Drag(0, OntoItem(3));
    EXPECT_EQ(TRUE, down.beginAnswer);
    EXPECT_EQ(DL_MOVECURSOR, down.draggingAnswer);
    EXPECT_EQ(3, down.markWhileDragging);
    EXPECT_EQ((Texts{"B", "C", "A", "D", kE}), down.texts);
    EXPECT_EQ(2, down.selection);
    EXPECT_EQ(10u, down.movedData);
    EXPECT_EQ(-1, down.markAfter);

    const DragOutcome up = Drag(3, OntoItem(0));
    EXPECT_EQ((Texts{"D", "A", "B", "C", kE}), up.texts);
    EXPECT_EQ(0, up.selection);
    EXPECT_EQ(13u, up.movedData);
}

TEST(FileListDrag, MovingTheWidestItemKeepsTheExtent)
{
    const DragOutcome moved = Drag(4, OntoItem(1));
    EXPECT_EQ((Texts{"A", kE, "B", "C", "D"}), moved.texts);
    EXPECT_EQ(1, moved.selection);
    EXPECT_EQ(14u, moved.movedData);
    EXPECT_EQ(moved.widest, moved.extent);
}

TEST(FileListDrag, DropsThatKeepTheOrderChangeNothing)
{
    for (const int target : {1, 2}) {  // onto itself, onto the item right after it
        const DragOutcome same = Drag(1, OntoItem(target));
        EXPECT_EQ((Texts{"A", "B", "C", "D", kE}), same.texts) << "onto " << target;
        EXPECT_EQ(1, same.selection) << "onto " << target;
        EXPECT_EQ(11u, same.movedData) << "onto " << target;
        EXPECT_EQ(-1, same.markAfter) << "onto " << target;
    }
}

TEST(FileListDrag, DropOverNoItemChangesNothing)
{
    const DragOutcome outside = Drag(2, FarOutsideTheList);
    EXPECT_EQ(DL_STOPCURSOR, outside.draggingAnswer);
    EXPECT_EQ(-1, outside.markWhileDragging);
    EXPECT_EQ((Texts{"A", "B", "C", "D", kE}), outside.texts);
    EXPECT_EQ(2, outside.selection);
}

}  // namespace
