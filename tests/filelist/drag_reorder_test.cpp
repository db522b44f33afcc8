// Drag reordering: the item lands just before the one it is dropped on, and the
// insertion mark is drawn and erased in pairs.
#include "filelist/drag_reorder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "filelist/memory_list_box.h"

namespace filelist {
namespace {

using Texts = std::vector<std::string>;

// The list A..E, each item's data its position times 100, and a pointer whose y is the
// index of the item under it (any negative y is over no item).
class DragReorderTest : public ::testing::Test {
protected:
    DragReorderTest()
        : drag(
              list,
              [this](ScreenPoint point, bool autoScroll) {
                  finds.emplace_back(point.y, autoScroll);
                  return point.y >= 0 && point.y < list.GetCount() ? point.y : -1;
              },
              [this](int index) { drawn.push_back(index); })
    {
        for (const char* text : {"A", "B", "C", "D", "E"}) {
            const int index = list.AddString(text);
            list.SetItemData(index, static_cast<std::uintptr_t>(index) * 100);
        }
    }

    static ScreenPoint Over(int index) { return {5, index}; }

    void DragAndDrop(int source, int target)
    {
        list.SetCurSel(source);
        drag.BeginDrag(Over(source));
        drag.Dragging(Over(target));
        drag.Dropped(Over(target));
    }

    MemoryListBox list;
    std::vector<std::pair<int, bool>> finds;
    std::vector<int> drawn;
    DragReorder drag;
};

TEST_F(DragReorderTest, DownwardDropLandsBeforeTheTarget)
{
    DragAndDrop(0, 3);
    EXPECT_EQ(list.Texts(), (Texts{"B", "C", "A", "D", "E"}));
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.GetItemData(2), 0u);
    EXPECT_EQ(list.GetItemData(0), 100u);
}

TEST_F(DragReorderTest, UpwardDropLandsBeforeTheTarget)
{
    DragAndDrop(3, 0);
    EXPECT_EQ(list.Texts(), (Texts{"D", "A", "B", "C", "E"}));
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.GetItemData(0), 300u);
}

TEST_F(DragReorderTest, DropOnTheLastItemLandsBeforeIt)
{
    DragAndDrop(1, 4);
    EXPECT_EQ(list.Texts(), (Texts{"A", "C", "D", "B", "E"}));
    EXPECT_EQ(list.GetCurSel(), 3);
    EXPECT_EQ(list.GetItemData(3), 100u);
}

TEST_F(DragReorderTest, DropsThatWouldNotChangeTheOrderDoNothing)
{
    for (const int target : {1, 2}) {  // onto itself, onto the next item
        DragAndDrop(1, target);
        EXPECT_EQ(list.Texts(), (Texts{"A", "B", "C", "D", "E"}));
        EXPECT_EQ(list.GetCurSel(), 1);
        EXPECT_EQ(list.GetItemData(1), 100u);
    }
}

TEST_F(DragReorderTest, DropOverNoItemKeepsOrderAndSelection)
{
    DragAndDrop(2, -1);
    EXPECT_EQ(list.Texts(), (Texts{"A", "B", "C", "D", "E"}));
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(drag.MarkIndex(), -1);
}

TEST_F(DragReorderTest, DropWithoutSelectionDoesNothing)
{
    drag.Dropped(Over(3));
    EXPECT_EQ(list.Texts(), (Texts{"A", "B", "C", "D", "E"}));
    EXPECT_EQ(list.GetCurSel(), kListBoxError);
}

TEST_F(DragReorderTest, NamedSourceMovesThatItemWhateverIsSelected)
{
    list.SetCurSel(4);
    drag.Dropped(0, Over(3));
    EXPECT_EQ(list.Texts(), (Texts{"B", "C", "A", "D", "E"}));
    EXPECT_EQ(list.GetCurSel(), 2);
    drag.Dropped(-1, Over(0));
    EXPECT_EQ(list.Texts(), (Texts{"B", "C", "A", "D", "E"}));
}

TEST_F(DragReorderTest, MovedItemKeepsTheExtentRight)
{
    MemoryListBox wide([](const std::string& text) { return static_cast<int>(text.size()); });
    wide.AddString("short");
    wide.AddString("the widest item");
    wide.AddString("mid size");
    DragReorder wideDrag(
        wide, [](ScreenPoint point, bool) { return point.y; }, [](int) {});
    wide.SetCurSel(1);
    wideDrag.Dropped(Over(0));
    EXPECT_EQ(wide.Texts(), (Texts{"the widest item", "short", "mid size"}));
    EXPECT_EQ(wide.GetHorizontalExtent(), 15);
}

TEST_F(DragReorderTest, InsertionMarkIsErasedBeforeItMoves)
{
    drag.DrawInsert(2);
    drag.DrawInsert(2);  // unchanged: nothing drawn
    drag.DrawInsert(4);
    drag.DrawInsert(-1);
    drag.DrawInsert(-1);
    drag.DrawInsert(1);
    EXPECT_EQ(drawn, (std::vector<int>{2, 2, 4, 4, 1}));
    EXPECT_EQ(drag.MarkIndex(), 1);
}

TEST_F(DragReorderTest, NotificationAnswersAndScrolling)
{
    EXPECT_EQ(drag.OnNotification(DragNotification::BeginDrag, Over(1)), 1);
    EXPECT_EQ(drag.MarkIndex(), 1);
    EXPECT_EQ(drag.OnNotification(DragNotification::Dragging, Over(3)), 3);  // DL_MOVECURSOR
    EXPECT_EQ(drag.MarkIndex(), 3);
    EXPECT_EQ(drag.OnNotification(DragNotification::Dragging, Over(-1)), 1);  // DL_STOPCURSOR
    EXPECT_EQ(drag.MarkIndex(), -1);
    EXPECT_EQ(drag.OnNotification(DragNotification::Dragging, Over(2)), 3);
    EXPECT_EQ(drag.OnNotification(DragNotification::CancelDrag, Over(2)), 0);
    EXPECT_EQ(drag.MarkIndex(), -1);
    // Begin scrolls; Dragging looks without scrolling, then once more with it.
    EXPECT_EQ(finds, (std::vector<std::pair<int, bool>>{
                         {1, true}, {3, false}, {3, true}, {-1, false}, {-1, true}, {2, false}, {2, true}}));
    EXPECT_EQ(drawn, (std::vector<int>{1, 1, 3, 3, 2, 2}));
    EXPECT_EQ(static_cast<int>(DragNotification::BeginDrag), 0x485);
    EXPECT_EQ(static_cast<int>(DragNotification::CancelDrag), 0x488);
    EXPECT_EQ(static_cast<int>(DragCursor::Copy), 2);
}

TEST_F(DragReorderTest, BeginForgetsAStaleMark)
{
    drag.DrawInsert(3);
    drawn.clear();
    drag.BeginDrag(Over(3));
    // The old mark is taken as gone, so the new one is drawn rather than erased.
    EXPECT_EQ(drawn, (std::vector<int>{3}));
    EXPECT_EQ(drag.MarkIndex(), 3);
}

TEST_F(DragReorderTest, DropRemovesTheMarkBeforeMoving)
{
    list.SetCurSel(0);
    drag.BeginDrag(Over(0));
    drag.Dragging(Over(3));
    drawn.clear();
    drag.Dropped(Over(3));
    EXPECT_EQ(drawn, (std::vector<int>{3}));
    EXPECT_EQ(drag.MarkIndex(), -1);
    EXPECT_EQ(finds.back(), std::make_pair(3, true));
}

}  // namespace
}  // namespace filelist
