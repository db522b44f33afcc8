// ListBoxAdapter: each list operation as the list box message that does it.
#include "filelist/list_box_adapter_win32.h"

namespace filelist {

int ListBoxAdapter::GetCount() const
{
    return m_control.GetCount();
}

std::string ListBoxAdapter::GetText(int index) const
{
    CString text;
    m_control.GetText(index, text);
    return text.str();
}

int ListBoxAdapter::AddString(const std::string& text)
{
    return m_control.AddString(text.c_str());
}

int ListBoxAdapter::InsertString(int index, const std::string& text)
{
    return m_control.InsertString(index, text.c_str());
}

int ListBoxAdapter::DeleteString(int index)
{
    return m_control.DeleteString(index);
}

void ListBoxAdapter::ResetContent()
{
    m_control.ResetContent();
}

int ListBoxAdapter::GetCurSel() const
{
    return m_control.GetCurSel();
}

int ListBoxAdapter::SetCurSel(int index)
{
    return m_control.SetCurSel(index);
}

std::uintptr_t ListBoxAdapter::GetItemData(int index) const
{
    return static_cast<std::uintptr_t>(m_control.GetItemData(index));
}

int ListBoxAdapter::SetItemData(int index, std::uintptr_t data)
{
    return m_control.SetItemData(index, static_cast<DWORD_PTR>(data));
}

int ListBoxAdapter::GetHorizontalExtent() const
{
    return m_control.GetHorizontalExtent();
}

void ListBoxAdapter::SetHorizontalExtent(int extent)
{
    m_control.SetHorizontalExtent(extent);
}

}  // namespace filelist
