// CListBox and CDragListBox on a real list box in a dialog: whole texts, and drags delivered as the
// drag list delivers them (the registered message to the dialog, handed back to the control object).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework_test_res.h"
#include "test_dialog.h"

namespace {

std::vector<std::string> Items(const CListBox& list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        items.push_back(text.str());
    }
    return items;
}

POINT ScreenPointOfItem(const CListBox& list, int index)
{
    RECT rect{};
    list.GetItemRect(index, &rect);
    POINT pt{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(list.m_hWnd, &pt);
    return pt;
}

LRESULT SendDragNotification(const CTestDlg& dlg, UINT code, POINT pt)
{
    DRAGLISTINFO info{code, dlg.m_list.m_hWnd, pt};
    return dlg.SendMessage(::RegisterWindowMessageA(DRAGLISTMSGSTRING), IDC_FW_LIST, reinterpret_cast<LPARAM>(&info));
}

// Fills A..E (item data 10..14), selects source, drags it to the given point and drops it there.
struct DragOutcome {
    std::vector<std::string> items;
    int selection = -2;
    int markAfter = -2;
    DWORD_PTR movedData = 0;
    LRESULT beginAnswer = -1;
};

template <class PointOf>
DragOutcome Drag(int source, PointOf pointOf)
{
    CTestDlg dlg;
    DragOutcome outcome;
    dlg.m_onShown = [&](CTestDlg& d) {
        const char* names[] = {"A", "B", "C", "D", "E"};
        for (int i = 0; i < 5; ++i)
            d.m_list.SetItemData(d.m_list.AddString(names[i]), static_cast<DWORD_PTR>(10 + i));
        d.m_list.SetCurSel(source);
        const POINT start = ScreenPointOfItem(d.m_list, source);
        const POINT end = pointOf(d.m_list);
        outcome.beginAnswer = SendDragNotification(d, DL_BEGINDRAG, start);
        SendDragNotification(d, DL_DRAGGING, end);
        SendDragNotification(d, DL_DROPPED, end);
        outcome.items = Items(d.m_list);
        outcome.selection = d.m_list.GetCurSel();
        outcome.markAfter = d.m_list.GetInsertMarkIndex();
        if (outcome.selection >= 0)
            outcome.movedData = d.m_list.GetItemData(outcome.selection);
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    return outcome;
}

auto OntoItem(int target)
{
    return [target](const CListBox& list) { return ScreenPointOfItem(list, target); };
}

using Strings = std::vector<std::string>;

TEST(DragListBox, DropPutsTheItemJustBeforeTheTargetAndSelectsIt)
{
    const DragOutcome down = Drag(0, OntoItem(3));
    EXPECT_EQ(TRUE, down.beginAnswer);
    EXPECT_EQ((Strings{"B", "C", "A", "D", "E"}), down.items);
    EXPECT_EQ(2, down.selection);
    EXPECT_EQ(10u, down.movedData);
    EXPECT_EQ(-1, down.markAfter);

    const DragOutcome up = Drag(3, OntoItem(0));
    EXPECT_EQ((Strings{"D", "A", "B", "C", "E"}), up.items);
    EXPECT_EQ(0, up.selection);
    EXPECT_EQ(13u, up.movedData);
}

TEST(DragListBox, DropsThatKeepTheOrderChangeNothing)
{
    for (const int target : {1, 2}) {
        const DragOutcome same = Drag(1, OntoItem(target));
        EXPECT_EQ((Strings{"A", "B", "C", "D", "E"}), same.items) << "onto " << target;
        EXPECT_EQ(1, same.selection) << "onto " << target;
        EXPECT_EQ(-1, same.markAfter);
    }
}

TEST(DragListBox, DropOutsideTheListChangesNothing)
{
    const DragOutcome outside = Drag(2, [](const CListBox& list) {
        RECT rect{};
        list.GetWindowRect(&rect);
        return POINT{rect.right + 200, rect.top};
    });
    EXPECT_EQ((Strings{"A", "B", "C", "D", "E"}), outside.items);
    EXPECT_EQ(2, outside.selection);
}

TEST(DragListBox, InsertionMarkIsAFourPixelBandThatErasesItself)
{
    CTestDlg dlg;
    int changedInBand = 0;
    int changedOutside = 0;
    int leftOver = 0;
    int markAtStart = 99;
    dlg.m_onShown = [&](CTestDlg& d) {
        markAtStart = d.m_list.GetInsertMarkIndex();
        for (const char* name : {"first", "second", "third"})
            d.m_list.AddString(name);
        ::UpdateWindow(d.m_list.m_hWnd);
        RECT item{};
        d.m_list.GetItemRect(1, &item);
        const HDC dc = ::GetDC(d.m_list.m_hWnd);
        auto snapshot = [&] {
            std::vector<COLORREF> pixels;
            for (int y = item.top - 4; y < item.top + 4; ++y)
                for (int x = item.left; x < item.left + 16; ++x)
                    pixels.push_back(::GetPixel(dc, x, y));
            return pixels;
        };
        const std::vector<COLORREF> before = snapshot();
        d.m_list.DrawInsert(1);
        const std::vector<COLORREF> marked = snapshot();
        d.m_list.DrawInsert(-1);
        const std::vector<COLORREF> erased = snapshot();
        ::ReleaseDC(d.m_list.m_hWnd, dc);
        for (std::size_t i = 0; i < before.size(); ++i) {
            const int row = static_cast<int>(i / 16) - 4;  // relative to the item's top
            const bool inBand = row >= -2 && row < 2;
            if (before[i] != marked[i])
                ++(inBand ? changedInBand : changedOutside);
            if (before[i] != erased[i])
                ++leftOver;
        }
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(-1, markAtStart);
    EXPECT_GE(changedInBand, 16);  // a checkered brush inverts every other pixel of 4 rows of 16
    EXPECT_EQ(0, changedOutside);
    EXPECT_EQ(0, leftOver);
}

TEST(ListBox, GetTextReadsLongItemsWholeAndEmptiesForABadIndex)
{
    CTestDlg dlg;
    CString longText;
    CString bad = "not emptied";
    int badAnswer = 0;
    // Well past MAX_PATH; Wine's A list box messages fail on items beyond about 512 characters.
    const std::string expected(500, 'x');
    dlg.m_onShown = [&](CTestDlg& d) {
        d.m_list.AddString(expected.c_str());
        d.m_list.GetText(0, longText);
        badAnswer = d.m_list.GetText(5, bad);

        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(expected, longText.str());
    EXPECT_EQ(LB_ERR, badAnswer);
    EXPECT_TRUE(bad.IsEmpty());
}

}  // namespace
