// The file list tests' window: the main window's own template with control 1000 bound to a
// CFileListBox, so the list has the program's style and font. A test body runs once the
// dialog is on screen; a watchdog ends a body that forgets to.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "filelist/file_list_box.h"
#include "framework/dialog.h"

class CListHostDlg : public CDialog {
public:
    static constexpr INT_PTR kTimedOut = 77;

    CListHostDlg();

    // Runs inside the modal loop; the dialog ends when it returns.
    std::function<void(CListHostDlg&)> m_onShown;
    CFileListBox m_list;

    const MessageMapBase* GetMessageMap() const override;
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    LRESULT OnShown(WPARAM, LPARAM);
    LRESULT OnWatchdog(WPARAM, LPARAM);
};

// Shows the host dialog, runs body on it and answers DoModal's result.
INT_PTR RunWithFileList(const std::function<void(CListHostDlg&)>& body);

// Reading and measuring the real list.
std::vector<std::string> ListTexts(const CListBox& list);
void AddTexts(const CListBox& list, const std::vector<std::string>& texts);
// GetTextExtentPoint32A of text with the list's font, plus the 3-pixel margin.
int MeasuredWidth(const CListBox& list, const std::string& text);
