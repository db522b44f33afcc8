// The in-memory list box: the control's answers, then the same upkeep the Win32 control runs.
#include "filelist/memory_list_box.h"

#include <utility>

namespace filelist {
namespace {

int CountOf(std::size_t size) { return static_cast<int>(size); }

}  // namespace

MemoryListBox::FunctionMeasurer::FunctionMeasurer(TextWidthFunction textWidth) : m_textWidth(std::move(textWidth)) {}

int MemoryListBox::FunctionMeasurer::TextWidth(const std::string& text)
{
    return m_textWidth ? m_textWidth(text) : CountOf(text.size());
}

MemoryListBox::MemoryListBox(TextWidthFunction textWidth) : m_measurer(std::move(textWidth)) {}

void MemoryListBox::SetTextWidth(TextWidthFunction textWidth) { m_measurer = FunctionMeasurer(std::move(textWidth)); }

void MemoryListBox::SetCapacity(std::optional<std::size_t> maxItems) { m_capacity = maxItems; }

std::vector<std::string> MemoryListBox::Texts() const
{
    std::vector<std::string> texts;
    texts.reserve(m_items.size());
    for (const Item& item : m_items) {
        texts.push_back(item.text);
    }
    return texts;
}

bool MemoryListBox::IsValidIndex(int index) const { return index >= 0 && index < CountOf(m_items.size()); }

bool MemoryListBox::IsFull() const { return m_capacity && m_items.size() >= *m_capacity; }

int MemoryListBox::GetCount() const { return CountOf(m_items.size()); }

std::string MemoryListBox::GetText(int index) const
{
    return IsValidIndex(index) ? m_items[static_cast<std::size_t>(index)].text : std::string();
}

int MemoryListBox::InsertItem(int index, const std::string& text)
{
    const int count = CountOf(m_items.size());
    const int position = index == -1 ? count : index;
    if (position < 0 || position > count) {
        return kListBoxError;
    }
    if (IsFull()) {
        return kListBoxErrorSpace;
    }
    m_items.insert(m_items.begin() + position, Item{text, 0});
    // The selection stays with its item, which an insert at or before it pushes down.
    if (m_selection != kListBoxError && position <= m_selection) {
        ++m_selection;
    }
    return position;
}

int MemoryListBox::AddString(const std::string& text)
{
    const int result = InsertItem(-1, text);
    GrowHorizontalExtent(*this, result, text, m_measurer);
    return result;
}

int MemoryListBox::InsertString(int index, const std::string& text)
{
    const int result = InsertItem(index, text);
    GrowHorizontalExtent(*this, result, text, m_measurer);
    return result;
}

int MemoryListBox::DeleteString(int index)
{
    int result = kListBoxError;
    if (IsValidIndex(index)) {
        m_items.erase(m_items.begin() + index);
        if (index == m_selection) {
            m_selection = kListBoxError;
        } else if (index < m_selection) {
            --m_selection;
        }
        result = CountOf(m_items.size());
    }
    RecalcHorizontalExtent(*this, result, m_measurer);
    return result;
}

void MemoryListBox::ResetContent()
{
    m_items.clear();
    m_selection = kListBoxError;
    ResetHorizontalExtent(*this);
}

int MemoryListBox::GetCurSel() const { return m_selection; }

int MemoryListBox::SetCurSel(int index)
{
    if (index == -1) {
        m_selection = kListBoxError;
        return kListBoxError;
    }
    if (!IsValidIndex(index)) {
        return kListBoxError;
    }
    m_selection = index;
    return index;
}

std::uintptr_t MemoryListBox::GetItemData(int index) const
{
    return IsValidIndex(index) ? m_items[static_cast<std::size_t>(index)].data : kItemDataError;
}

int MemoryListBox::SetItemData(int index, std::uintptr_t data)
{
    if (!IsValidIndex(index)) {
        return kListBoxError;
    }
    m_items[static_cast<std::size_t>(index)].data = data;
    return 0;
}

int MemoryListBox::GetHorizontalExtent() const { return m_horizontalExtent; }

void MemoryListBox::SetHorizontalExtent(int extent) { m_horizontalExtent = extent; }

}  // namespace filelist
