// The drag list's notifications, answered by the list's drag rules, and its insertion mark.
#include "framework/drag_list_box.h"

#include <commctrl.h>

#include "framework/dc.h"

namespace {

filelist::ScreenPoint ToScreenPoint(POINT pt) { return {static_cast<int>(pt.x), static_cast<int>(pt.y)}; }

}  // namespace

CDragListBox::CDragListBox()
    : m_listView(*this), m_dragReorder(
                             m_listView,
                             [this](filelist::ScreenPoint pt, bool autoScroll) {
                                 return ItemFromPt(POINT{pt.x, pt.y}, autoScroll ? TRUE : FALSE);
                             },
                             [this](int index) { DrawSingle(index); })
{
}

void CDragListBox::PreSubclassWindow() { ::MakeDragList(m_hWnd); }

int CDragListBox::ItemFromPt(POINT pt, BOOL bAutoScroll) const { return ::LBItemFromPt(m_hWnd, pt, bAutoScroll); }

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

BOOL CDragListBox::BeginDrag(POINT pt) { return m_dragReorder.BeginDrag(ToScreenPoint(pt)) ? TRUE : FALSE; }

UINT CDragListBox::Dragging(POINT pt) { return static_cast<UINT>(m_dragReorder.Dragging(ToScreenPoint(pt))); }

void CDragListBox::CancelDrag(POINT pt) { m_dragReorder.CancelDrag(ToScreenPoint(pt)); }

void CDragListBox::Dropped(int nSrcIndex, POINT pt) { m_dragReorder.Dropped(nSrcIndex, ToScreenPoint(pt)); }

void CDragListBox::DrawInsert(int nItem) { m_dragReorder.DrawInsert(nItem); }

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
