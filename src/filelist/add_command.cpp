// The main window's Add command: the multiple-selection open dialog, and its answer appended to
// the file list.
#include <vector>

#include "filelist/multi_file_dialog.h"
#include "filelist/multi_select_text.h"
#include "filelist/redraw_pause_win32.h"
#include "ui/main_dlg.h"

namespace {

constexpr const char* kAddFilter = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|";
constexpr DWORD kAddFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT;
static_assert(kAddFlags == 0x81200, "the Add dialog's flags");

}  // namespace

void CMainDlg::OnAdd()
{
    CMultiFileDialog dialog(TRUE, "*.*", nullptr, kAddFlags, kAddFilter);
    // Zero-filled, so whatever the dialog leaves after its answer is never taken for names.
    std::vector<char> resultBuffer(kSelectionBufferChars, '\0');
    dialog.m_ofn.lpstrFile = resultBuffer.data();
    dialog.m_ofn.nMaxFile = kSelectionBufferChars;
    if (dialog.DoModal() != IDOK)
        return;
    // Appending leaves the list's selection as it was; a failed append is not reported.
    const filelist::RedrawPause pause(m_lstFiles.m_hWnd);
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;)
        m_lstFiles.AddString(dialog.GetNextPathName(pos));
}

void CMainDlg::OnActionAdd()
{
    OnAdd();
}
