// Keeps a list box's horizontal extent equal to its widest item, run after the control's own
// processing of each add, insert, delete and clear.
#pragma once

#include <cstdint>
#include <string>

#include "filelist/file_list.h"

namespace cordwain {

// Measures item texts as the list box draws them.
class ExtentMeasurer {
public:
    virtual int TextWidth(const std::string& text) = 0;
    // Bracket a recompute over every item, so a binding can take one device context and show
    // the wait cursor once instead of once per item.
    virtual void BeginMeasuringSession() {}
    virtual void EndMeasuringSession() noexcept {}

protected:
    ExtentMeasurer() = default;
    ExtentMeasurer(const ExtentMeasurer&) = default;
    ExtentMeasurer& operator=(const ExtentMeasurer&) = default;
    ~ExtentMeasurer() = default;
};

// Width of a text from GetTextExtentPoint32's horizontal size: 3 pixels of margin.
int TextWidthFromExtent(int measuredWidth);
// Width of a text from GetTabbedTextExtent's packed answer (list boxes with tab stops): the low
// word taken as signed, plus 2.
int TextWidthFromTabbedExtent(std::uint32_t tabbedExtent);

// After an append or insert answered `result`: grows the extent to fit `addedText`.
void GrowHorizontalExtent(FileList& list, int result, const std::string& addedText, ExtentMeasurer& measurer);
// After a delete or directory listing answered `result`: recomputes over every item.
void RecalcHorizontalExtent(FileList& list, int result, ExtentMeasurer& measurer);

}  // namespace cordwain
