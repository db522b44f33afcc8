// CDragListBox: a list box registered as a common-controls drag list, whose items the user
// reorders by dragging. The parent dialog hands the drag notifications back to this object.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/list_box.h"

class CDragListBox : public CListBox {
public:
    // The item under a screen point, or -1; with bAutoScroll the list scrolls when the point is above or below it.
    int ItemFromPt(POINT pt, BOOL bAutoScroll = TRUE) const { return ::LBItemFromPt(m_hWnd, pt, bAutoScroll); }

    // The drag notifications. The defaults move the selected item to just before the item it is dropped on.
    virtual BOOL BeginDrag(POINT pt);
    virtual UINT Dragging(POINT pt);
    virtual void CancelDrag(POINT pt);
    virtual void Dropped(int nSrcIndex, POINT pt);
    // Moves the insertion mark to before item nItem (-1: no mark).
    virtual void DrawInsert(int nItem);

    // What a drop does: item nSrcIndex, with its data, to just before item nTarget (which may be
    // the count, for the end), and selected there; nothing when that leaves the order as it is.
    void MoveItem(int nSrcIndex, int nTarget);

protected:
    void PreSubclassWindow() override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Inverts the mark band of item nIndex; drawing twice at the same place erases it.
    void DrawSingle(int nIndex) const;

    int m_nLast = -1;  // the item the mark is drawn at, -1 for none
};
