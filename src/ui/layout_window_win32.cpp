// Binds the resize layout to a dialog's child windows through the window manager.
#include "ui/layout_window_win32.h"

namespace {

Rect FromRECT(const RECT& rc) { return Rect{rc.left, rc.top, rc.right, rc.bottom}; }

HDWP ToHDWP(ILayoutWindow::Batch batch) { return reinterpret_cast<HDWP>(batch); }

ILayoutWindow::Batch FromHDWP(HDWP hdwp) { return reinterpret_cast<ILayoutWindow::Batch>(hdwp); }

}  // namespace

Rect CDialogLayoutWindow::ControlRect(std::int32_t id) const
{
    RECT rc{};
    ::GetWindowRect(Control(id), &rc);
    POINT topLeft{rc.left, rc.top};
    POINT bottomRight{rc.right, rc.bottom};
    ::ScreenToClient(m_hDlg, &topLeft);
    ::ScreenToClient(m_hDlg, &bottomRight);
    return Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

Rect CDialogLayoutWindow::ClientRect() const
{
    RECT rc{};
    ::GetClientRect(m_hDlg, &rc);
    return FromRECT(rc);
}

bool CDialogLayoutWindow::IsControlVisible(std::int32_t id) const { return ::IsWindowVisible(Control(id)) != FALSE; }

std::uint32_t CDialogLayoutWindow::ControlStyle(std::int32_t id) const
{
    return static_cast<std::uint32_t>(::GetWindowLongA(Control(id), GWL_STYLE));
}

ILayoutWindow::Batch CDialogLayoutWindow::BeginBatch() { return FromHDWP(::BeginDeferWindowPos(0)); }

ILayoutWindow::Batch CDialogLayoutWindow::DeferMove(Batch batch, std::int32_t id, std::int32_t x, std::int32_t y,
                                                    std::int32_t width, std::int32_t height)
{
    return FromHDWP(::DeferWindowPos(ToHDWP(batch), Control(id), nullptr, x, y, width, height, SWP_NOZORDER));
}

bool CDialogLayoutWindow::EndBatch(Batch batch) { return ::EndDeferWindowPos(ToHDWP(batch)) != FALSE; }
