// Modal dialogs: binding at WM_INITDIALOG, table dispatch, and the system dialog procedure's default.
#include "framework/dialog.h"

#include <commctrl.h>

#include "framework/data_exchange.h"
#include "framework/exception_barrier.h"
#include "framework/win_app.h"

namespace {

// Messages whose dialog-procedure return value is the result itself, not a handled flag.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    // A dialog object that dies with its window still up must not be reached through it again.
    if (m_hWnd != nullptr && IsBound()) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        UnbindHandle();
    }
}

const MessageMapBase* CDialog::GetMessageMap() const
{
    using E = MessageEntry<CDialog>;
    static const E entries[] = {
        E::Command(IDOK, &CDialog::OnOK),
        E::Command(IDCANCEL, &CDialog::OnCancel),
    };
    static const MessageMap<CDialog> map(CWnd::GetMessageMap(), entries);
    return &map;
}

HWND CDialog::OwnerForModal() const
{
    if (m_pParentWnd != nullptr)
        return m_pParentWnd->m_hWnd;
    const CWnd* const mainWnd = AfxGetMainWnd();
    if (mainWnd != nullptr && mainWnd != this && ::IsWindow(mainWnd->m_hWnd))
        return mainWnd->m_hWnd;
    return nullptr;
}

INT_PTR CDialog::DoModal()
{
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDHelp), OwnerForModal(),
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->BindDialog(hWnd);
    }
    auto* const self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    // Messages before WM_INITDIALOG (WM_SETFONT and the creation messages) get the system's processing.
    if (self == nullptr)
        return FALSE;
    const INT_PTR answer =
        CallGuarded(hWnd, INT_PTR{FALSE}, [&] { return self->HandleDialogMessage(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        self->UnbindHandle();
    }
    return answer;
}

INT_PTR CDialog::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessage saved = m_current;
    m_current = CurrentMessage{message, wParam, lParam, false};
    LRESULT result = 0;
    bool handled = true;
    if (message == WM_INITDIALOG)
        result = OnInitDialog();
    else
        handled = DispatchThroughTables(message, wParam, lParam, result);

    // A notification the drag list sends to its parent belongs to the control object.
    if (!handled && message == ::RegisterWindowMessageA(DRAGLISTMSGSTRING)) {
        CWnd* const child = FromHandle(reinterpret_cast<const DRAGLISTINFO*>(lParam)->hWnd);
        handled = child != nullptr && child->OnChildNotify(message, wParam, lParam, result);
    }

    const bool toDefault = !handled || m_current.deferToDialogDefault;
    m_current = saved;
    if (message == WM_INITDIALOG || ReturnsResultDirectly(message))
        return toDefault && message != WM_INITDIALOG ? FALSE : static_cast<INT_PTR>(result);
    if (toDefault)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
