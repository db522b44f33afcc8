// ListBoxAdapter: each list operation as the list box message that does it.
#include "filelist/list_box_adapter_win32.h"

namespace filelist {

LRESULT ListBoxAdapter::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (m_controlProcedure != nullptr)
        return ::CallWindowProcA(m_controlProcedure, m_control.m_hWnd, message, wParam, lParam);
    return m_control.SendMessage(message, wParam, lParam);
}

int ListBoxAdapter::GetCount() const
{
    return SendInt(LB_GETCOUNT);
}

std::string ListBoxAdapter::GetText(int index) const
{
    const int length = SendInt(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR)
        return std::string();
    std::string text(static_cast<std::size_t>(length), '\0');
    const int copied = SendInt(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int ListBoxAdapter::AddString(const std::string& text)
{
    return SendInt(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ListBoxAdapter::InsertString(int index, const std::string& text)
{
    return SendInt(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

int ListBoxAdapter::DeleteString(int index)
{
    return SendInt(LB_DELETESTRING, static_cast<WPARAM>(index));
}

void ListBoxAdapter::ResetContent()
{
    Send(LB_RESETCONTENT);
}

int ListBoxAdapter::GetCurSel() const
{
    return SendInt(LB_GETCURSEL);
}

int ListBoxAdapter::SetCurSel(int index)
{
    return SendInt(LB_SETCURSEL, static_cast<WPARAM>(index));
}

std::uintptr_t ListBoxAdapter::GetItemData(int index) const
{
    return static_cast<std::uintptr_t>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int ListBoxAdapter::SetItemData(int index, std::uintptr_t data)
{
    return SendInt(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

int ListBoxAdapter::GetHorizontalExtent() const
{
    return SendInt(LB_GETHORIZONTALEXTENT);
}

void ListBoxAdapter::SetHorizontalExtent(int extent)
{
    Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
}

}  // namespace filelist
