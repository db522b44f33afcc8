// The three exchanges the program's dialogs use.
#include "framework/data_exchange.h"

#include "framework/dialog.h"

HWND CDataExchange::Control(int id) const { return ::GetDlgItem(m_pDlgWnd->m_hWnd, id); }

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.SubclassWindow(pDX->Control(id));
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    const HWND box = pDX->Control(id);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(box, BM_GETCHECK, 0, 0));
        return;
    }
    const int state = value >= 0 && value <= 2 ? value : 0;
    ::SendMessageA(box, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    const HWND control = pDX->Control(id);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(control, value);
        return;
    }
    const int length = ::GetWindowTextLengthA(control);
    char* const buffer = value.GetBuffer(length);
    value.ReleaseBuffer(::GetWindowTextA(control, buffer, length + 1));
}
