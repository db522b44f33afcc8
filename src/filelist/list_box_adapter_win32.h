// The list rules' view of a real list box: each operation is the control's own message, so the
// file list box's handlers see every change the rules make.
#pragma once

#include <windows.h>

#include "filelist/list_box.h"
#include "framework/list_box.h"

namespace filelist {

class ListBoxAdapter final : public ListBox {
public:
    // The control object, not its handle: a drag list box builds its adapter before it is attached.
    explicit ListBoxAdapter(const CListBox& control) : m_control(control) {}
    // Straight to the control's own procedure, past every subclass: for a subclassed control's
    // handlers, whose reads would otherwise each go round the whole subclass chain again.
    ListBoxAdapter(const CListBox& control, WNDPROC controlProcedure)
        : m_control(control), m_controlProcedure(controlProcedure)
    {
    }
    ListBoxAdapter(const ListBoxAdapter&) = delete;
    ListBoxAdapter& operator=(const ListBoxAdapter&) = delete;

    int GetCount() const override;
    std::string GetText(int index) const override;
    int AddString(const std::string& text) override;
    int InsertString(int index, const std::string& text) override;
    int DeleteString(int index) override;
    void ResetContent() override;
    int GetCurSel() const override;
    int SetCurSel(int index) override;
    std::uintptr_t GetItemData(int index) const override;
    int SetItemData(int index, std::uintptr_t data) override;
    int GetHorizontalExtent() const override;
    void SetHorizontalExtent(int extent) override;

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int SendInt(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(Send(message, wParam, lParam));
    }

    const CListBox& m_control;
    WNDPROC m_controlProcedure = nullptr;
};

}  // namespace filelist
