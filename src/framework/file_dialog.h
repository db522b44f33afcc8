// CFileDialog: the common Open and Save As dialogs, with the OPENFILENAMEA the caller may adjust
// before DoModal, a hook that reports selection changes, and a walk over the chosen names.
// The hook is installed only for flags with OFN_ENABLEHOOK: a hooked dialog is the old-style one.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

#include "framework/cstring.h"
#include "framework/dialog.h"

// Where the next name stands in a result buffer; nullptr when there are no more.
using POSITION = const char*;

class CFileDialog : public CDialog {
public:
    // filter: pairs of display text and pattern, each ended by '|' ("Text (*.txt)|*.txt|").
    // structSize 0 means sizeof(OPENFILENAMEA).
    CFileDialog(BOOL bOpenFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                const char* filter, CWnd* parent = nullptr, DWORD structSize = 0);

    static const CRuntimeClass* ThisClass() { return RuntimeClassOf<CFileDialog, CDialog>("CFileDialog"); }
    const CRuntimeClass* GetRuntimeClass() const override { return ThisClass(); }

    // IDOK when the user chose a name, IDCANCEL when the dialog was cancelled or failed
    // (CommDlgExtendedError tells which).
    INT_PTR DoModal() override;

    // The name in the result buffer (for a multiple selection, its first entry).
    CString GetPathName() const { return CString(m_ofn.lpstrFile); }
    // Walks the chosen names: a single name is a full path; a multiple selection is the folder
    // followed by names, and each answer is the folder joined to one name. An answer that does not
    // end within nMaxFile characters was cut off and yields nothing.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    // While a hooked dialog runs: the explorer dialog itself (the parent of the hook's dialog), for
    // CDM_GETSPEC, CDM_GETFOLDERPATH and the like.
    HWND GetFileDialogWindow() const { return ::GetParent(m_hWnd); }

    OPENFILENAMEA m_ofn{};

protected:
    // Called whenever the selection in a hooked dialog changes (CDN_SELCHANGE).
    virtual void OnFileNameChange() {}

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_bOpenFileDialog;
    std::string m_defaultExtension;
    std::vector<char> m_filter;    // the filter with its terminators
    std::vector<char> m_fileName;  // the default result buffer
};
