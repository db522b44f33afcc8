// Holds back a window's repainting for one scope and repaints it whole at the end: a list
// rebuilt item by item is then drawn once, not once per item.
#pragma once

#include <windows.h>

namespace cordwain {

class RedrawPause {
public:
    explicit RedrawPause(HWND window) : m_window(window) { ::SendMessageA(m_window, WM_SETREDRAW, FALSE, 0); }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;
    ~RedrawPause()
    {
        ::SendMessageA(m_window, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(m_window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
    }

private:
    HWND m_window;
};

}  // namespace cordwain
