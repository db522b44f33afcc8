// The drag list's notifications and its insertion mark.
#include "framework/drag_list_box.h"

#include <commctrl.h>

#include "framework/dc.h"

void CDragListBox::PreSubclassWindow()
{
    ::MakeDragList(m_hWnd);
}

int CDragListBox::ItemFromPt(POINT pt, BOOL bAutoScroll) const
{
    return ::LBItemFromPt(m_hWnd, pt, bAutoScroll);
}

bool CDragListBox::OnChildNotify(UINT, WPARAM, LPARAM lParam, LRESULT& result)
{
    const auto* const info = reinterpret_cast<const DRAGLISTINFO*>(lParam);
    switch (info->uNotification) {
    case DL_BEGINDRAG:
        result = BeginDrag(info->ptCursor);
        return true;
    case DL_DRAGGING:
        result = Dragging(info->ptCursor);
        return true;
    case DL_CANCELDRAG:
        CancelDrag(info->ptCursor);
        result = 0;
        return true;
    case DL_DROPPED:
        Dropped(GetCurSel(), info->ptCursor);
        result = 0;
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
    DrawInsert(ItemFromPt(pt, FALSE));
    // Asked again with scrolling on so the list scrolls while the pointer is above or below it.
    return ItemFromPt(pt) != -1 ? DL_MOVECURSOR : DL_STOPCURSOR;
}

void CDragListBox::CancelDrag(POINT)
{
    DrawInsert(-1);
}

void CDragListBox::Dropped(int nSrcIndex, POINT pt)
{
    DrawInsert(-1);
    const int target = ItemFromPt(pt);
    if (nSrcIndex == -1 || target == -1 || target == nSrcIndex || target == nSrcIndex + 1)
        return;
    CString text;
    GetText(nSrcIndex, text);
    const DWORD_PTR data = GetItemData(nSrcIndex);
    DeleteString(nSrcIndex);
    const int destination = nSrcIndex < target ? target - 1 : target;
    const int inserted = InsertString(destination, text);
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

void CDragListBox::DrawSingle(int nIndex)
{
    if (nIndex == -1)
        return;
    RECT item{};
    if (GetItemRect(nIndex, &item) == LB_ERR)
        return;
    RECT client{};
    GetClientRect(&client);
    WindowDC dc(m_hWnd, DcKind::Client);
    const HalftoneBrush brush;
    ::IntersectClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    const HGDIOBJ oldBrush = ::SelectObject(dc.Get(), brush.Get());
    ::PatBlt(dc.Get(), item.left, item.top - 2, item.right - item.left, 4, PATINVERT);
    ::SelectObject(dc.Get(), oldBrush);
}
