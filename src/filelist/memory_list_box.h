// A single-selection, unsorted list box held in memory. It answers as the real control does
// and runs the same extent upkeep, so the list rules can be exercised without a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "filelist/horizontal_extent.h"
#include "filelist/list_box.h"

namespace filelist {

class MemoryListBox final : public ListBox {
public:
    using TextWidthFunction = std::function<int(const std::string&)>;

    // Without a width function every byte counts one pixel.
    explicit MemoryListBox(TextWidthFunction textWidth = {});

    void SetTextWidth(TextWidthFunction textWidth);
    // Beyond `maxItems` items, adds and inserts answer kListBoxErrorSpace.
    void SetCapacity(std::optional<std::size_t> maxItems);

    // All texts in order, for checking a whole list at once.
    std::vector<std::string> Texts() const;

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
    struct Item {
        std::string text;
        std::uintptr_t data = 0;
    };

    class FunctionMeasurer final : public ExtentMeasurer {
    public:
        explicit FunctionMeasurer(TextWidthFunction textWidth);
        int TextWidth(const std::string& text) override;

    private:
        TextWidthFunction m_textWidth;
    };

    bool IsValidIndex(int index) const;
    bool IsFull() const;
    // The control's own processing of an insert, before the extent upkeep.
    int InsertItem(int index, const std::string& text);

    std::vector<Item> m_items;
    int m_selection = kListBoxError;
    int m_horizontalExtent = 0;
    std::optional<std::size_t> m_capacity;
    FunctionMeasurer m_measurer;
};

}  // namespace filelist
