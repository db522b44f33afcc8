// CProgressDlg: the "Joining Files..." dialog. The worker writes into its controls; every way
// the dialog ends (Cancel, Esc, the worker's final WM_CLOSE) goes through OnCancel.
#pragma once

#include <windows.h>

#include <atomic>

#include "framework/cstring.h"
#include "framework/dialog.h"
#include "framework/progress_ctrl.h"

namespace cordwain {

class CProgressDlg : public CDialog {
public:
    CProgressDlg();
    ~CProgressDlg() override;

    const MessageMapBase* GetMessageMap() const override;

    // Runs the dialog; afterwards the worker sees no window.
    INT_PTR DoModal() override;
    // The dialog's window for the worker thread: set once the window is up, cleared as soon as
    // the dialog starts to end. nullptr means "not there": skip it, or own nothing by it.
    HWND WindowForWorker() const { return m_hWndForWorker.load(); }

    // Clears the owner's running flag under its lock, waits 500 ms, ends the dialog.
    void OnCancel() override;
    // Enter in the path box must not end a join behind the worker's back: ignored.
    void OnOK() override {}

    CProgressCtrl m_progress;  // control 1008
    CString m_strCurrentFile;  // edit 1009

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    LRESULT OnClose(WPARAM wParam, LPARAM lParam);

private:
    // m_hWnd belongs to the user-interface thread; the worker reads this copy instead.
    std::atomic<HWND> m_hWndForWorker{nullptr};
};

}  // namespace cordwain
