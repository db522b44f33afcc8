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
    const CListBox& m_control;
};

}  // namespace filelist
