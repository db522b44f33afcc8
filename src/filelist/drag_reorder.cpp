// Drag reordering: the dragged item lands just before the item it is dropped on.
#include "filelist/drag_reorder.h"

#include <string>
#include <utility>

namespace filelist {

DragReorder::DragReorder(ListBox& list, ItemFinder itemFromPoint, MarkPainter invertMark)
    : m_list(list), m_itemFromPoint(std::move(itemFromPoint)), m_invertMark(std::move(invertMark))
{
}

int DragReorder::OnNotification(DragNotification code, ScreenPoint point)
{
    switch (code) {
    case DragNotification::BeginDrag:
        return BeginDrag(point) ? 1 : 0;
    case DragNotification::Dragging:
        return static_cast<int>(Dragging(point));
    case DragNotification::CancelDrag:
        CancelDrag(point);
        return 0;
    case DragNotification::Dropped:
        Dropped(point);
        return 0;
    }
    return 0;
}

bool DragReorder::BeginDrag(ScreenPoint point)
{
    m_markIndex = -1;
    DrawInsert(m_itemFromPoint(point, true));
    return true;
}

DragCursor DragReorder::Dragging(ScreenPoint point)
{
    const int index = m_itemFromPoint(point, false);
    DrawInsert(index);
    // Asked again with scrolling on only so the list scrolls while the pointer is outside it.
    m_itemFromPoint(point, true);
    return index == -1 ? DragCursor::Stop : DragCursor::Move;
}

void DragReorder::CancelDrag(ScreenPoint) { DrawInsert(-1); }

void DragReorder::Dropped(ScreenPoint point) { Dropped(m_list.GetCurSel(), point); }

void DragReorder::Dropped(int source, ScreenPoint point)
{
    DrawInsert(-1);
    const int target = m_itemFromPoint(point, true);
    // Dropping on itself or on the next item would leave the order as it is.
    if (source == -1 || target == -1 || target == source || target == source + 1) {
        return;
    }
    const std::string text = m_list.GetText(source);
    const std::uintptr_t data = m_list.GetItemData(source);
    m_list.DeleteString(source);
    const int destination = source < target ? target - 1 : target;
    const int inserted = m_list.InsertString(destination, text);
    if (inserted < 0) {
        return;
    }
    m_list.SetItemData(inserted, data);
    m_list.SetCurSel(inserted);
}

void DragReorder::DrawInsert(int index)
{
    if (index == m_markIndex) {
        return;
    }
    InvertMarkAt(m_markIndex);
    InvertMarkAt(index);
    m_markIndex = index;
}

void DragReorder::InvertMarkAt(int index) const
{
    if (index != -1) {
        m_invertMark(index);
    }
}

}  // namespace filelist
