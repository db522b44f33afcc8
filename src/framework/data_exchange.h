// Dialog data exchange: moving values between a dialog's controls and its members.
#pragma once

#include <windows.h>

#include "framework/cstring.h"

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL bSaveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(bSaveAndValidate) {}

    CDialog* m_pDlgWnd;       // the dialog whose controls are exchanged
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls

    HWND Control(int id) const;
};

// Binds control id to the object on the first exchange, so the object's table sees its messages.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// A check box as 0, 1 or 2; a member outside 0..2 is written as 0 (unchecked).
void DDX_Check(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
