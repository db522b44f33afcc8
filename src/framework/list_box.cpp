// CListBox's text read: the length first, so any item fits.
#include "framework/list_box.h"

int CListBox::GetText(int index, CString& text) const
{
    const int length = int(SendMessage(LB_GETTEXTLEN, WPARAM(index)));
    if (length == LB_ERR) {
        text.ReleaseBuffer(0);
        return LB_ERR;
    }
    const int copied = int(SendMessage(LB_GETTEXT, WPARAM(index), LPARAM(text.GetBuffer(length))));
    text.ReleaseBuffer(copied);
    return copied;
}
