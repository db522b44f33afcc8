// Measures list item texts as a list box draws them: with the control's own font, on its
// device context, by the margin rules of the extent upkeep.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "filelist/horizontal_extent.h"
#include "framework/dc.h"
#include "framework/wait_cursor.h"

namespace cordwain {

class ListBoxTextMeasurer final : public ExtentMeasurer {
public:
    // `font` is the control's current font (its WM_GETFONT answer).
    ListBoxTextMeasurer(HWND control, HFONT font) : m_control(control), m_font(font) {}
    ListBoxTextMeasurer(const ListBoxTextMeasurer&) = delete;
    ListBoxTextMeasurer& operator=(const ListBoxTextMeasurer&) = delete;

    int TextWidth(const std::string& text) override;
    // A recompute over every item measures on one device context under one wait cursor.
    void BeginMeasuringSession() override;
    void EndMeasuringSession() noexcept override;

private:
    int Measure(HDC dc, const std::string& text) const;

    HWND m_control;
    HFONT m_font;
    std::optional<CWaitCursor> m_waitCursor;
    std::optional<CClientDC> m_sessionDC;
};

}  // namespace cordwain
