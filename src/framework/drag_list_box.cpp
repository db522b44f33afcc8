// The drag list's notifications and its insertion mark.
#include "framework/drag_list_box.h"

#include "framework/dc.h"
#include "framework/drag_move.h"

void CDragListBox::PreSubclassWindow() { ::MakeDragList(m_hWnd); }

bool CDragListBox::OnChildNotify(UINT, WPARAM, LPARAM lParam, LRESULT& result)
{
    const auto* const info = reinterpret_cast<const DRAGLISTINFO*>(lParam);
    result = 0;
    switch (info->uNotification) {
    case DL_BEGINDRAG:
        result = BeginDrag(info->ptCursor);
        return true;
    case DL_DRAGGING:
        result = Dragging(info->ptCursor);
        return true;
    case DL_CANCELDRAG:
        CancelDrag(info->ptCursor);
        return true;
    case DL_DROPPED:
        Dropped(GetCurSel(), info->ptCursor);
        return true;
    default:
        return false;
    }
}

BOOL CDragListBox::BeginDrag(POINT pt)
{
    m_nLast = -1;
    DrawInsert(ItemFromPt(pt));
    return TRUE;
}

UINT CDragListBox::Dragging(POINT pt)
{
    const int item = ItemFromPt(pt, FALSE);
    DrawInsert(item);
    // Asked again with scrolling on only so the list scrolls while the pointer is outside it.
    ItemFromPt(pt);
    return item == -1 ? DL_STOPCURSOR : DL_MOVECURSOR;
}

void CDragListBox::CancelDrag(POINT) { DrawInsert(-1); }

void CDragListBox::Dropped(int nSrcIndex, POINT pt)
{
    DrawInsert(-1);
    MoveItem(nSrcIndex, ItemFromPt(pt));
}

void CDragListBox::MoveItem(int nSrcIndex, int nTarget)
{
    const std::optional<int> destination = DragMoveDestination(nSrcIndex, nTarget);
    if (!destination)
        return;
    CString text;
    GetText(nSrcIndex, text);
    const DWORD_PTR data = GetItemData(nSrcIndex);
    DeleteString(nSrcIndex);
    const int inserted = InsertString(*destination, text);
    if (inserted < 0)
        return;
    SetItemData(inserted, data);
    SetCurSel(inserted);
}

void CDragListBox::DrawInsert(int nItem)
{
    if (nItem == m_nLast)
        return;
    DrawSingle(m_nLast);
    DrawSingle(nItem);
    m_nLast = nItem;
}

void CDragListBox::DrawSingle(int nIndex) const
{
    RECT item{};
    if (nIndex == -1 || GetItemRect(nIndex, &item) == LB_ERR)
        return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const CClientDC dc(m_hWnd);
    const CHalftoneBrush brush;
    ::IntersectClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    const HGDIOBJ oldBrush = ::SelectObject(dc.Get(), brush.Get());
    ::PatBlt(dc.Get(), item.left, item.top - 2, item.right - item.left, 4, PATINVERT);
    ::SelectObject(dc.Get(), oldBrush);
}
