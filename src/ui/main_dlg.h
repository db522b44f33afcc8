// CMainDlg: the program's only top-level window. It holds the file list, the command buttons,
// the Insert Dividers option and the menu, and the state a join shares with its worker.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "filelist/file_list_box.h"
#include "framework/critical_section.h"
#include "framework/dialog.h"
#include "join/progress_dlg.h"
#include "ui/dialog_layout.h"

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(CWnd* parent = nullptr);
    ~CMainDlg() override;

    // Queues a path for the file list; only paths queued before the window opens reach it.
    void AddPendingFile(std::string path);

    const MessageMapBase* GetMessageMap() const override;

    // Shared with the join worker and the progress dialog while a join runs.
    DWORD m_dwWorkerThreadId = 0;
    CCriticalSection m_csJoin;    // guards m_bJoinRunning and the worker's progress messages
    CFileListBox m_lstFiles;      // control 1000; its items are the file list
    int m_bInsertDividers = 0;    // check box 1007, refreshed by UpdateData
    bool m_bJoinRunning = false;  // read by the worker only under m_csJoin
    CProgressDlg m_dlgProgress;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Window messages
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnDefault(WPARAM wParam, LPARAM lParam);

    // Commands of the window itself
    void OnAbout();
    void OnProgramAbout();
    void OnExit();
    void OnUpdateInsertDividers(CCmdUI& cmdUI);
    void OnInsertDividers();

    // Commands on the file list (src/filelist)
    void OnAdd();
    void OnActionAdd();
    void OnRemove();
    void OnRemoveAll();
    void OnSortList();

    // The Join command (src/join)
    void OnJoin();

private:
    HICON m_hIcon = nullptr;
    HICON m_hIconSmall = nullptr;
    std::unique_ptr<ILayoutWindow> m_layoutWindow;  // the layout's view of this dialog
    CDialogLayout m_layout;
    std::vector<std::string> m_vecPendingFiles;
};
