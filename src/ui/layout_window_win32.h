// The resize layout's view of a real dialog: its child windows' rectangles in client
// coordinates, their visibility and style, and deferred positioning of them.
#pragma once

#include <windows.h>

#include "ui/layout_window.h"

namespace cordwain {

class Win32LayoutWindow final : public LayoutWindow {
public:
    explicit Win32LayoutWindow(HWND hDlg) : m_hDlg(hDlg) {}

    Rect ControlRect(std::int32_t id) const override;
    Rect ClientRect() const override;
    bool IsControlVisible(std::int32_t id) const override;
    std::uint32_t ControlStyle(std::int32_t id) const override;

    Batch BeginBatch() override;
    Batch DeferMove(Batch batch, std::int32_t id, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height) override;
    bool EndBatch(Batch batch) override;

private:
    HWND Control(std::int32_t id) const { return ::GetDlgItem(m_hDlg, id); }

    HWND m_hDlg;
};

}  // namespace cordwain
