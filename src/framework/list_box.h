// CListBox: typed one-line wrappers of the list box messages.
#pragma once

#include <windows.h>

#include "framework/wnd.h"

class CListBox : public CWnd {
public:
    CListBox() = default;
    explicit CListBox(HWND hWnd) : CWnd(hWnd) {}

    int GetCount() const { return int(SendMessage(LB_GETCOUNT)); }
    int GetTextLen(int index) const { return int(SendMessage(LB_GETTEXTLEN, WPARAM(index))); }
    // Empties text and answers LB_ERR for an index that is not in the list.
    int GetText(int index, CString& text) const;
    int AddString(const char* text) const { return int(SendMessage(LB_ADDSTRING, 0, LPARAM(text))); }
    int InsertString(int index, const char* text) const
    {
        return int(SendMessage(LB_INSERTSTRING, WPARAM(index), LPARAM(text)));
    }
    int DeleteString(int index) const { return int(SendMessage(LB_DELETESTRING, WPARAM(index))); }
    void ResetContent() const { SendMessage(LB_RESETCONTENT); }
    int GetCurSel() const { return int(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return int(SendMessage(LB_SETCURSEL, WPARAM(index))); }
    DWORD_PTR GetItemData(int index) const { return DWORD_PTR(SendMessage(LB_GETITEMDATA, WPARAM(index))); }
    int SetItemData(int index, DWORD_PTR data) const
    {
        return int(SendMessage(LB_SETITEMDATA, WPARAM(index), LPARAM(data)));
    }
    int GetHorizontalExtent() const { return int(SendMessage(LB_GETHORIZONTALEXTENT)); }
    void SetHorizontalExtent(int extent) const { SendMessage(LB_SETHORIZONTALEXTENT, WPARAM(extent)); }
    int GetItemRect(int index, RECT* rect) const
    {
        return int(SendMessage(LB_GETITEMRECT, WPARAM(index), LPARAM(rect)));
    }
    int GetTopIndex() const { return int(SendMessage(LB_GETTOPINDEX)); }
};
