// The framework tests' dialog: a check box, an edit and a drag list bound by data exchange,
// counters for the OK and Cancel paths, and a test body run once the dialog is on screen.
#pragma once

#include <functional>

#include "framework/dialog.h"
#include "framework/drag_list_box.h"

class CTestDlg : public CDialog {
public:
    static constexpr INT_PTR kTimedOut = 77;  // DoModal's answer when a test body forgot to end the dialog

    explicit CTestDlg(CWnd* parent = nullptr);

    // Runs on the dialog's thread inside its modal loop, after the dialog is shown.
    std::function<void(CTestDlg&)> m_onShown;

    int m_nCheck = 0;
    CString m_strText;
    CDragListBox m_list;

    int m_okCount = 0;
    int m_cancelCount = 0;
    int m_closeCount = 0;
    HWND m_ownerAtInit = nullptr;

    const MessageMapBase* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    LRESULT OnShown(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnWatchdog(WPARAM, LPARAM);
};
