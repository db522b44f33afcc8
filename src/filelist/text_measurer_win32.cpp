// Text widths for the horizontal extent: GetTextExtentPoint32A + 3, or the tabbed rule for
// list boxes with tab stops.
#include "filelist/text_measurer_win32.h"

namespace cordwain {

int ListBoxTextMeasurer::Measure(HDC dc, const std::string& text) const
{
    const int length = static_cast<int>(text.size());
    if ((::GetWindowLongPtrA(m_control, GWL_STYLE) & LBS_USETABSTOPS) != 0)
        return TextWidthFromTabbedExtent(::GetTabbedTextExtentA(dc, text.c_str(), length, 0, nullptr));
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.c_str(), length, &size);
    return TextWidthFromExtent(size.cx);
}

int ListBoxTextMeasurer::TextWidth(const std::string& text)
{
    if (m_sessionDC)
        return Measure(m_sessionDC->Get(), text);
    const CClientDC dc(m_control, m_font);
    return Measure(dc.Get(), text);
}

void ListBoxTextMeasurer::BeginMeasuringSession()
{
    m_waitCursor.emplace();
    m_sessionDC.emplace(m_control, m_font);
}

void ListBoxTextMeasurer::EndMeasuringSession() noexcept
{
    m_sessionDC.reset();
    m_waitCursor.reset();
}

}  // namespace cordwain
