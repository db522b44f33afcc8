// The extent upkeep the list box runs after its default processing.
#include "filelist/horizontal_extent.h"

#include <algorithm>

namespace cordwain {
namespace {

bool IsFailure(int result) { return result == kListError || result == kListErrorSpace; }

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
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(tabbedExtent & 0xFFFFu)) + 2;
}

void GrowHorizontalExtent(FileList& list, int result, const std::string& addedText, ExtentMeasurer& measurer)
{
    if (IsFailure(result))
        return;
    const int width = measurer.TextWidth(addedText);
    if (width > list.Extent())
        list.SetExtent(width);
}

void RecalcHorizontalExtent(FileList& list, int result, ExtentMeasurer& measurer)
{
    if (IsFailure(result))
        return;
    if (list.Count() == 0) {
        list.SetExtent(0);
        return;
    }
    const MeasuringSession session(measurer);
    int widest = 0;
    // The count is asked afresh each step: the list belongs to the control, not to us.
    for (int i = 0; i < list.Count(); ++i)
        widest = std::max(widest, measurer.TextWidth(list.Text(i)));
    list.SetExtent(widest);
}

}  // namespace cordwain
