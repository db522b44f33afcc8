// The Add command: the multiple-selection open dialog, and its answer appended to the list.
#include "filelist/add_command.h"

#include <string>

#include "filelist/multi_file_dialog.h"
#include "filelist/multi_select_text.h"

namespace cordwain {
namespace {

constexpr const char* kAddFilter = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|";
constexpr DWORD kAddFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT;
static_assert(kAddFlags == 0x81200, "the Add dialog's flags");

// The open dialog moves the current folder to wherever the user browsed, and OFN_NOCHANGEDIR does
// not hold it there; relative paths in the list name files of the start folder, so it comes back.
class CCurrentFolderKeeper {
public:
    CCurrentFolderKeeper()
    {
        m_folder.resize(::GetCurrentDirectoryW(0, nullptr));
        m_folder.resize(::GetCurrentDirectoryW(static_cast<DWORD>(m_folder.size()), m_folder.data()));
    }
    ~CCurrentFolderKeeper()
    {
        if (!m_folder.empty())
            ::SetCurrentDirectoryW(m_folder.c_str());
    }
    CCurrentFolderKeeper(const CCurrentFolderKeeper&) = delete;
    CCurrentFolderKeeper& operator=(const CCurrentFolderKeeper&) = delete;

private:
    std::wstring m_folder;
};

}  // namespace

void RunAddCommand(CFileListBox& list)
{
    CMultiFileDialog dialog(TRUE, "*.*", nullptr, kAddFlags, kAddFilter);
    // Zero-filled, so whatever the dialog leaves after its answer is never taken for names.
    std::vector<char> resultBuffer(kSelectionBufferChars, '\0');
    dialog.m_ofn.lpstrFile = resultBuffer.data();
    dialog.m_ofn.nMaxFile = kSelectionBufferChars;
    const CCurrentFolderKeeper startFolder;
    if (dialog.DoModal() != IDOK)
        return;
    std::vector<std::string> paths;
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;)
        paths.push_back(dialog.GetNextPathName(pos).str());
    // Appending leaves the list's selection as it was; a failed append is not reported.
    list.AppendAll(paths);
}

}  // namespace cordwain
