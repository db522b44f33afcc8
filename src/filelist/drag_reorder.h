// Moving one item of the list by dragging it: the answers to the drag-list notifications
// and the insertion mark. The Win32 drag list box forwards its notifications here.
#pragma once

#include <functional>

#include "filelist/list_box.h"

namespace filelist {

// The drag-list notification codes (WM_USER + 133 ... 136).
enum class DragNotification : unsigned {
    BeginDrag = 0x0400 + 133,
    Dragging = 0x0400 + 134,
    Dropped = 0x0400 + 135,
    CancelDrag = 0x0400 + 136,
};

// Cursor answers to a Dragging notification.
enum class DragCursor : int {
    Stop = 1,  // DL_STOPCURSOR
    Copy = 2,  // DL_COPYCURSOR
    Move = 3,  // DL_MOVECURSOR
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class DragReorder {
public:
    // The item under a screen point, -1 over none; with `autoScroll` the platform also
    // scrolls the list when the point is above or below it.
    using ItemFinder = std::function<int(ScreenPoint point, bool autoScroll)>;
    // Inverts the insertion band at an existing item; drawing twice erases it.
    using MarkPainter = std::function<void(int index)>;

    DragReorder(ListBox& list, ItemFinder itemFromPoint, MarkPainter invertMark);

    // Answer to a drag-list notification as the parent window must return it.
    int OnNotification(DragNotification code, ScreenPoint point);

    bool BeginDrag(ScreenPoint point);
    DragCursor Dragging(ScreenPoint point);
    void CancelDrag(ScreenPoint point);
    // The dragged item is the current selection.
    void Dropped(ScreenPoint point);
    // The same with the dragged item named by the caller, as the drag list box is told it.
    void Dropped(int source, ScreenPoint point);

    // Moves the insertion mark to item `index`; -1 removes it.
    void DrawInsert(int index);
    int MarkIndex() const { return m_markIndex; }

private:
    void InvertMarkAt(int index) const;

    ListBox& m_list;
    ItemFinder m_itemFromPoint;
    MarkPainter m_invertMark;
    int m_markIndex = -1;
};

}  // namespace filelist
