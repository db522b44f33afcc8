// CMainDlg: the program's only top-level window. It holds the file list, the command buttons,
// the Insert Dividers option and the menu, and the state a join shares with its worker.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "filelist/file_list_box.h"
#include "framework/dialog.h"
#include "join/join_window.h"
#include "ui/dialog_layout.h"

namespace cordwain {

class CMainDlg : public CDialog, public CJoinWindow {
public:
    CMainDlg();
    ~CMainDlg() override;

    // Queues a path for the file list; only paths queued before the window opens reach it.
    void AddPendingFile(std::string path);

    // The smallest the whole window may be made at `dpi`: 500 x 300 at 96 DPI, and in proportion.
    static SIZE MinTrackSize(UINT dpi);

    const MessageMapBase* GetMessageMap() const override;

    // What a join reads of this window, from its own thread as well: the list, by message.
    HWND JoinWindowHandle() const override { return m_hWnd; }
    int FileCount() const override;
    std::string FilePath(int index) const override;

    CFileListBox m_lstFiles;    // control 1000; its items are the file list
    int m_bInsertDividers = 0;  // check box 1007, refreshed by UpdateData

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

    // Commands
    void OnAbout();
    void OnProgramAbout();
    void OnExit();
    void OnUpdateInsertDividers(CCmdUI& cmdUI);
    void OnInsertDividers();
    void OnAdd();
    void OnActionAdd();
    void OnRemove();
    void OnRemoveAll();
    void OnSortList();
    void OnJoin();

private:
    class ListName;

    HICON m_hIcon = nullptr;
    HICON m_hIconSmall = nullptr;
    std::unique_ptr<LayoutWindow> m_layoutWindow;  // the layout's view of this dialog's window
    CDialogLayout m_layout;
    std::vector<std::string> m_vecPendingFiles;
    std::unique_ptr<ListName> m_listName;  // the file list's accessible name, from initialisation on
};

}  // namespace cordwain
