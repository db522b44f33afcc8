// Text widths for the horizontal extent: the text's extent + 3, or the tabbed rule for list boxes
// with tab stops. Measured in UTF-16, as the list box draws it: GDI's A functions take their bytes
// in the system's code page even where the process speaks UTF-8.
#include "filelist/text_measurer_win32.h"

namespace cordwain {

int ListBoxTextMeasurer::Measure(HDC dc, const std::string& text) const
{
    std::wstring wide(text.size(), L'\0');
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                             static_cast<int>(wide.size()));
    if ((::GetWindowLongPtrA(m_control, GWL_STYLE) & LBS_USETABSTOPS) != 0)
        return TextWidthFromTabbedExtent(::GetTabbedTextExtentW(dc, wide.c_str(), length, 0, nullptr));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, wide.c_str(), length, &size);
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
