// A single-selection, unsorted list box held in memory: it answers as the control does and runs
// the same extent upkeep after each change, so the list rules can be exercised without a window.
#pragma once

#include <string>
#include <vector>

#include "filelist/horizontal_extent.h"

namespace cordwain {

class MemoryListBox final : public FileList, private ExtentMeasurer {
public:
    // Every byte one pixel wide, unless the test says otherwise; `capacity` items at most.
    explicit MemoryListBox(std::vector<std::string> texts = {}, std::size_t capacity = 1000) : m_capacity(capacity)
    {
        for (const std::string& text : texts)
            Append(text);
    }

    int Count() const override { return static_cast<int>(m_texts.size()); }
    std::string Text(int index) const override { return m_texts.at(static_cast<std::size_t>(index)); }
    int Append(const std::string& text) override
    {
        const int result = m_texts.size() < m_capacity ? (m_texts.push_back(text), Count() - 1) : kListErrorSpace;
        GrowHorizontalExtent(*this, result, text, *this);
        return result;
    }
    int Delete(int index) override
    {
        int result = kListError;
        if (index >= 0 && index < Count()) {
            m_texts.erase(m_texts.begin() + index);
            m_selection = kListError;
            result = Count();
        }
        RecalcHorizontalExtent(*this, result, *this);
        return result;
    }
    void Clear() override
    {
        m_texts.clear();
        m_selection = kListError;
        m_extent = 0;
    }
    int Selection() const override { return m_selection; }
    int Extent() const override { return m_extent; }
    void SetExtent(int extent) override { m_extent = extent; }

    void Select(int index) { m_selection = index; }
    const std::vector<std::string>& Texts() const { return m_texts; }
    std::vector<std::string> measured;  // every text measured, in order

private:
    int TextWidth(const std::string& text) override
    {
        measured.push_back(text);
        return static_cast<int>(text.size());
    }

    std::vector<std::string> m_texts;
    std::size_t m_capacity;
    int m_selection = kListError;
    int m_extent = 0;
};

}  // namespace cordwain
