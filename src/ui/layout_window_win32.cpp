// Binds the resize layout to a dialog's child windows through the window manager.
#include "ui/layout_window_win32.h"

namespace cordwain {

namespace {

Rect FromRECT(const RECT& rc) { return Rect{rc.left, rc.top, rc.right, rc.bottom}; }

HDWP ToHDWP(LayoutWindow::Batch batch) { return reinterpret_cast<HDWP>(batch); }

LayoutWindow::Batch FromHDWP(HDWP hdwp) { return reinterpret_cast<LayoutWindow::Batch>(hdwp); }

}  // namespace

Rect Win32LayoutWindow::ControlRect(std::int32_t id) const
{
    RECT rc{};
    ::GetWindowRect(Control(id), &rc);
    POINT topLeft{rc.left, rc.top};
    POINT bottomRight{rc.right, rc.bottom};
    ::ScreenToClient(m_hDlg, &topLeft);
    ::ScreenToClient(m_hDlg, &bottomRight);
    return Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

Rect Win32LayoutWindow::ClientRect() const
{
    RECT rc{};
    ::GetClientRect(m_hDlg, &rc);
    return FromRECT(rc);
}

bool Win32LayoutWindow::IsControlVisible(std::int32_t id) const { return ::IsWindowVisible(Control(id)) != FALSE; }

std::uint32_t Win32LayoutWindow::ControlStyle(std::int32_t id) const
{
    return static_cast<std::uint32_t>(::GetWindowLongA(Control(id), GWL_STYLE));
}

LayoutWindow::Batch Win32LayoutWindow::BeginBatch() { return FromHDWP(::BeginDeferWindowPos(0)); }

LayoutWindow::Batch Win32LayoutWindow::DeferMove(Batch batch, std::int32_t id, std::int32_t x, std::int32_t y,
                                                 std::int32_t width, std::int32_t height)
{
    return FromHDWP(::DeferWindowPos(ToHDWP(batch), Control(id), nullptr, x, y, width, height, SWP_NOZORDER));
}

bool Win32LayoutWindow::EndBatch(Batch batch) { return ::EndDeferWindowPos(ToHDWP(batch)) != FALSE; }

}  // namespace cordwain
