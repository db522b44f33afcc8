// CFileDialog: the common Open and Save As dialogs, with the OPENFILENAMEA the caller may adjust
// before DoModal, a hook that reports selection changes, and a walk over the chosen names.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

#include "framework/dialog.h"

// Where the next name stands in a result buffer; nullptr when there are no more.
using POSITION = const char*;

class CFileDialog : public CDialog {
public:
    // filter: pairs of display text and pattern, each ended by '|' ("Text (*.txt)|*.txt|").
    // structSize 0 means sizeof(OPENFILENAMEA).
    explicit CFileDialog(BOOL bOpenFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                         CWnd* parent = nullptr, DWORD structSize = 0);

    // IDOK when the user chose a name, IDCANCEL when the dialog was cancelled or failed
    // (CommDlgExtendedError tells which).
    INT_PTR DoModal() override;

    // The name in the result buffer (for a multiple selection, its first entry).
    CString GetPathName() const;
    // Walks the chosen names: a single name is a full path; a multiple selection is the folder
    // followed by names, and each answer is the folder joined to one name.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    // While the dialog runs: the explorer dialog itself (the parent of the hook's dialog), for
    // CDM_GETSPEC, CDM_GETFOLDERPATH and the like.
    HWND GetFileDialogWindow() const { return ::GetParent(m_hWnd); }

    OPENFILENAMEA m_ofn{};

protected:
    // Called whenever the selection in the dialog changes (CDN_SELCHANGE).
    virtual void OnFileNameChange();

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_bOpenFileDialog;
    std::string m_defaultExtension;
    std::vector<char> m_filter;    // the filter with its terminators
    std::vector<char> m_fileName;  // the default result buffer
};

// The filter text with each '|' (outside double-byte characters of codePage) made a terminator,
// and the final extra terminator the dialog expects.
std::vector<char> MakeFileDialogFilter(const char* filter, UINT codePage = CP_ACP);
