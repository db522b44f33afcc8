// CMultiFileDialog: the open dialog of the Add command, which keeps a multiple selection usable
// when its names no longer fit into the result buffer, from copies taken while the user selects.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/file_dialog.h"

namespace cordwain {

class CMultiFileDialog : public CFileDialog {
public:
    // The base's arguments, passed on unchanged; the structure size is left to the framework.
    CMultiFileDialog(BOOL bOpenFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                     const char* filter, CWnd* parent = nullptr);

    static const CRuntimeClass* ThisClass();
    const CRuntimeClass* GetRuntimeClass() const override { return ThisClass(); }

    // IDOK also when the dialog failed only because the selection outgrew the result buffer and
    // the names were captured. The capture is kept only when the answer did not fit.
    INT_PTR DoModal() override;

    // These take the place of the base's: with captured names they walk those (split on the
    // first call), else the result buffer as the base does.
    POSITION GetStartPosition();
    CString GetNextPathName(POSITION& pos) const;

protected:
    // Captures the folder and the file-name text when together they need more than nMaxFile.
    void OnFileNameChange() override;

private:
    BOOL m_bNamesSplit = FALSE;
    std::string m_strOverflowFolder;
    // The captured file-name text; after the split, the names each ended by a terminator and the
    // list by an empty entry. After DoModal, whether it exists decides whether the capture is used.
    std::optional<std::vector<char>> m_overflowNames;
};

}  // namespace cordwain
