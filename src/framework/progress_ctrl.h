// CProgressCtrl: typed wrappers of the progress bar messages.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/wnd.h"

class CProgressCtrl : public CWnd {
public:
    CProgressCtrl() = default;
    explicit CProgressCtrl(HWND hWnd) : CWnd(hWnd) {}

    void SetRange(short lower, short upper) const { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    void SetRange32(int lower, int upper) const { SendMessage(PBM_SETRANGE32, WPARAM(lower), LPARAM(upper)); }
    void GetRange(int& lower, int& upper) const
    {
        PBRANGE range{};
        SendMessage(PBM_GETRANGE, TRUE, LPARAM(&range));
        lower = range.iLow;
        upper = range.iHigh;
    }
    int SetPos(int position) const { return int(SendMessage(PBM_SETPOS, WPARAM(position))); }
    int GetPos() const { return int(SendMessage(PBM_GETPOS)); }
};
