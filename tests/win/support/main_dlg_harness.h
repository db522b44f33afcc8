// The real main window run modally with a test body inside its modal loop, and a watchdog that
// ends it (and any dialog it has opened) should a body hang or forget to end it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/main_dlg.h"

class CMainDlgUnderTest : public CMainDlg {
public:
    static constexpr INT_PTR kTimedOut = 77;  // DoModal's answer when the watchdog had to end it

    // Runs on the window's thread once the window is on screen. The window stays up afterwards
    // until the body ends it (or it is ended for the body when m_endAfterBody is set).
    std::function<void(CMainDlgUnderTest&)> m_onShown;
    bool m_endAfterBody = true;

    const MessageMapBase* GetMessageMap() const override;
    BOOL OnInitDialog() override;

private:
    LRESULT OnShown(WPARAM wParam, LPARAM lParam);
    LRESULT OnWatchdog(WPARAM wParam, LPARAM lParam);
};

// Runs body in a fresh main window that ends when body returns; answers false when the watchdog
// had to end it.
bool RunMainDlg(const std::function<void(CMainDlgUnderTest&)>& body);

// A control's rectangle in the client coordinates of its dialog.
RECT ControlClientRect(HWND dialog, int id);

// Reading and measuring the real list.
std::vector<std::string> ListTexts(const CListBox& list);
void AddTexts(const CListBox& list, const std::vector<std::string>& texts);
// GetTextExtentPoint32A of text with the list's font, plus the 3-pixel margin.
int MeasuredWidth(const CListBox& list, const std::string& text);
