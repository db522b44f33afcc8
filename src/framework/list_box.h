// CListBox: typed one-line wrappers of the list box messages the program sends.
#pragma once

#include <windows.h>

#include "framework/cstring.h"
#include "framework/wnd.h"

class CListBox : public CWnd {
public:
    int GetCount() const { return int(SendMessage(LB_GETCOUNT)); }
    // Empties text and answers LB_ERR for an index that is not in the list.
    int GetText(int index, CString& text) const;
    int InsertString(int index, const char* text) const
    {
        return int(SendMessage(LB_INSERTSTRING, WPARAM(index), LPARAM(text)));
    }
    int DeleteString(int index) const { return int(SendMessage(LB_DELETESTRING, WPARAM(index))); }
    int GetCurSel() const { return int(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return int(SendMessage(LB_SETCURSEL, WPARAM(index))); }
    DWORD_PTR GetItemData(int index) const { return DWORD_PTR(SendMessage(LB_GETITEMDATA, WPARAM(index))); }
    int SetItemData(int index, DWORD_PTR data) const
    {
        return int(SendMessage(LB_SETITEMDATA, WPARAM(index), LPARAM(data)));
    }
    int GetItemRect(int index, RECT* rect) const
    {
        return int(SendMessage(LB_GETITEMRECT, WPARAM(index), LPARAM(rect)));
    }
};
