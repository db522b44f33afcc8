// CMultiFileDialog: the overflow capture at each selection change, and the walk over either the
// captured names or the dialog's result buffer.
#include "filelist/multi_file_dialog.h"

#include <cderr.h>

#include <cstdint>
#include <cstring>
#include <string_view>

#include "filelist/multi_select_text.h"
#include "framework/file_dialog_text.h"

namespace cordwain {
namespace {

// A UTF-16 unit takes up to three bytes in UTF-8: the dialog's sizes count units, not bytes.
constexpr std::uint32_t kMaxBytesPerUnit = 3;

// The size a CDM_GETSPEC or CDM_GETFOLDERPATH text needs, terminator included, asked with a
// one-character buffer; nullopt when the dialog cannot answer (a folder outside the file system).
std::optional<std::uint32_t> TextSize(HWND dialog, UINT message)
{
    char probe[1] = {};
    const LRESULT size = ::SendMessageA(dialog, message, sizeof probe, reinterpret_cast<LPARAM>(probe));
    if (size <= 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(size);
}

// The text itself, in a buffer large enough for the size the dialog gave in whatever encoding.
std::vector<char> FetchText(HWND dialog, UINT message, std::uint32_t size)
{
    std::vector<char> text(std::size_t{size} * kMaxBytesPerUnit + 1, '\0');
    ::SendMessageA(dialog, message, text.size() - 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.data()));
    return text;
}

}  // namespace

CMultiFileDialog::CMultiFileDialog(BOOL bOpenFileDialog, const char* defaultExtension, const char* fileName,
                                   DWORD flags, const char* filter, CWnd* parent)
    : CFileDialog(bOpenFileDialog, defaultExtension, fileName, flags | OFN_ENABLEHOOK, filter, parent, 0)
{
}

const CRuntimeClass* CMultiFileDialog::ThisClass()
{
    return RuntimeClassOf<CMultiFileDialog, CFileDialog>("CMultiFileDialog");
}

INT_PTR CMultiFileDialog::DoModal()
{
    m_overflowNames.reset();
    const INT_PTR result = CFileDialog::DoModal();
    // The captured names stand for the answer only when it did not fit: a name typed after a large
    // selection is answered whole, and it is the user's last word.
    const bool overflowed = result == IDCANCEL ? ::CommDlgExtendedError() == FNERR_BUFFERTOOSMALL
                                               : !IsWholeAnswer(std::string_view(m_ofn.lpstrFile, m_ofn.nMaxFile));
    if (!overflowed)
        m_overflowNames.reset();
    return result == IDCANCEL && m_overflowNames ? IDOK : result;
}

void CMultiFileDialog::OnFileNameChange()
{
    const HWND dialog = GetFileDialogWindow();
    const std::optional<std::uint32_t> namesSize = TextSize(dialog, CDM_GETSPEC);
    const std::optional<std::uint32_t> folderSize = TextSize(dialog, CDM_GETFOLDERPATH);
    // Texts that could not overflow the result buffer even at three bytes a unit are not fetched.
    std::optional<std::vector<char>> names;
    std::vector<char> folder;
    if (namesSize && folderSize &&
        SelectionOverflows(*namesSize * kMaxBytesPerUnit, *folderSize * kMaxBytesPerUnit, m_ofn.nMaxFile)) {
        names = FetchText(dialog, CDM_GETSPEC, *namesSize);
        folder = FetchText(dialog, CDM_GETFOLDERPATH, *folderSize);
    }
    // The result buffer holds bytes: the test is on the texts' bytes, terminators included.
    if (names && SelectionOverflows(static_cast<std::uint32_t>(names->size() + 1),
                                    static_cast<std::uint32_t>(folder.size() + 1), m_ofn.nMaxFile)) {
        m_bNamesSplit = FALSE;
        m_overflowNames = std::move(names);
        m_strOverflowFolder.assign(folder.begin(), folder.end());
    } else {
        m_overflowNames.reset();
    }
    CFileDialog::OnFileNameChange();
}

POSITION CMultiFileDialog::GetStartPosition()
{
    if (!m_overflowNames)
        return CFileDialog::GetStartPosition();
    if (!m_bNamesSplit) {
        std::vector<char> split;
        for (const std::string& name :
             SplitQuotedNames(std::string(m_overflowNames->begin(), m_overflowNames->end()))) {
            split.insert(split.end(), name.begin(), name.end());
            split.push_back('\0');
        }
        split.push_back('\0');
        m_overflowNames = std::move(split);
        m_bNamesSplit = TRUE;
    }
    return m_overflowNames->front() != '\0' ? m_overflowNames->data() : nullptr;
}

CString CMultiFileDialog::GetNextPathName(POSITION& pos) const
{
    if (!m_overflowNames)
        return CFileDialog::GetNextPathName(pos);
    const std::string name(pos);
    pos = pos[name.size() + 1] != '\0' ? pos + name.size() + 1 : nullptr;
    return CString(JoinOverflowPath(m_strOverflowFolder, name));
}

}  // namespace cordwain
