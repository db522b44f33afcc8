// The list box as its senders see it: the operations every list rule works through.
// The Win32 binding implements it over SendMessage; MemoryListBox implements it in memory.
#pragma once

#include <cstdint>
#include <string>

namespace filelist {

// Results a list box gives for a bad index or a refused item (LB_ERR, LB_ERRSPACE).
constexpr int kListBoxError = -1;
constexpr int kListBoxErrorSpace = -2;

class ListBox {
public:
    virtual ~ListBox() = default;

    virtual int GetCount() const = 0;
    // The text of item `index`; empty for an index outside the list.
    virtual std::string GetText(int index) const = 0;

    // Index of the new item, or kListBoxError / kListBoxErrorSpace.
    virtual int AddString(const std::string& text) = 0;
    // `index` -1 appends; an index past the end gives kListBoxError.
    virtual int InsertString(int index, const std::string& text) = 0;
    // Remaining count, or kListBoxError for a bad index.
    virtual int DeleteString(int index) = 0;
    virtual void ResetContent() = 0;

    // kListBoxError when nothing is selected.
    virtual int GetCurSel() const = 0;
    // -1 clears the selection (and, like the control, answers kListBoxError).
    virtual int SetCurSel(int index) = 0;

    // The error answer of GetItemData, as the control gives it.
    static constexpr std::uintptr_t kItemDataError = static_cast<std::uintptr_t>(-1);
    virtual std::uintptr_t GetItemData(int index) const = 0;
    virtual int SetItemData(int index, std::uintptr_t data) = 0;

    virtual int GetHorizontalExtent() const = 0;
    virtual void SetHorizontalExtent(int extent) = 0;

protected:
    ListBox() = default;
    ListBox(const ListBox&) = default;
    ListBox& operator=(const ListBox&) = default;
};

}  // namespace filelist
