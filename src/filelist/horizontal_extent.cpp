// The extent upkeep the list box runs after its default processing.
#include "filelist/horizontal_extent.h"

#include <algorithm>

namespace filelist {
namespace {

bool IsFailure(int result) { return result == kListBoxError || result == kListBoxErrorSpace; }

// Ends the session even when a measurement throws.
class MeasuringSession {
public:
    explicit MeasuringSession(ExtentMeasurer& measurer) : m_measurer(measurer) { m_measurer.BeginMeasuringSession(); }
    ~MeasuringSession() { m_measurer.EndMeasuringSession(); }
    MeasuringSession(const MeasuringSession&) = delete;
    MeasuringSession& operator=(const MeasuringSession&) = delete;

private:
    ExtentMeasurer& m_measurer;
};

}  // namespace

int TextWidthFromExtent(int measuredWidth) { return measuredWidth + 3; }

int TextWidthFromTabbedExtent(std::uint32_t tabbedExtent)
{
    const auto lowWord = static_cast<int>(tabbedExtent & 0xFFFFu);
    const int signedWidth = lowWord >= 0x8000 ? lowWord - 0x10000 : lowWord;
    return signedWidth + 2;
}

void GrowHorizontalExtent(ListBox& list, int result, const std::string& addedText, ExtentMeasurer& measurer)
{
    if (IsFailure(result)) {
        return;
    }
    const int width = measurer.TextWidth(addedText);
    if (width > list.GetHorizontalExtent()) {
        list.SetHorizontalExtent(width);
    }
}

void RecalcHorizontalExtent(ListBox& list, int result, ExtentMeasurer& measurer)
{
    if (IsFailure(result)) {
        return;
    }
    if (list.GetCount() == 0) {
        list.SetHorizontalExtent(0);
        return;
    }
    const MeasuringSession session(measurer);
    int widest = 0;
    // The count is asked afresh each step: the list belongs to the control, not to us.
    for (int i = 0; i < list.GetCount(); ++i) {
        widest = std::max(widest, measurer.TextWidth(list.GetText(i)));
    }
    list.SetHorizontalExtent(widest);
}

void ResetHorizontalExtent(ListBox& list) { list.SetHorizontalExtent(0); }

}  // namespace filelist
