// CDialog: a modal dialog from a numbered template, bound to its object at WM_INITDIALOG,
// with data exchange and the OK/Cancel commands routed to virtual handlers.
#pragma once

#include <windows.h>

#include "framework/wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    static const CRuntimeClass* ThisClass() { return RuntimeClassOf<CDialog, CWnd>("CDialog"); }
    const CRuntimeClass* GetRuntimeClass() const override { return ThisClass(); }

    // Runs the dialog and answers the EndDialog value, or -1 when the window cannot be made.
    // With no parent the owner is the application's main window, when it has one.
    virtual INT_PTR DoModal();
    void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }

    // FALSE: members to controls; TRUE: controls to members.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    const MessageMapBase* GetMessageMap() const override;

    virtual BOOL OnInitDialog();  // UpdateData(FALSE), then TRUE: the system sets the focus
    virtual void OnOK();          // UpdateData(TRUE), then EndDialog(IDOK)
    virtual void OnCancel();      // EndDialog(IDCANCEL)

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // The owner DoModal uses: the parent given, else the application's main window.
    HWND OwnerForModal() const;

    // Binds this object to a dialog window; the file dialogs bind through their own hook.
    void BindDialog(HWND hWnd) { BindHandle(hWnd, Binding::Dialog); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The dialog-procedure result for one message: handlers' results go through DWLP_MSGRESULT
    // except for the messages whose result is the procedure's own return value.
    INT_PTR HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDHelp;  // the template id
    CWnd* m_pParentWnd;
};
