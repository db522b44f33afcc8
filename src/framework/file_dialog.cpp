// The common file dialogs: setup, the selection-change hook, and the walk over the result buffer.
#include "framework/file_dialog.h"

#include <cstring>
#include <string_view>

#include "framework/exception_barrier.h"
#include "framework/file_dialog_text.h"

namespace {

// A path of MAX_PATH characters, each up to three bytes in UTF-8, and its terminator.
constexpr std::size_t kPathBufferBytes = 3 * MAX_PATH + 1;

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent, DWORD structSize)
    : CDialog(0U, parent), m_bOpenFileDialog(bOpenFileDialog),
      m_defaultExtension(defaultExtension != nullptr ? defaultExtension : ""),
      m_filter(FileDialogFilter(filter != nullptr ? filter : "", SystemCodePage())), m_fileName(kPathBufferBytes, '\0')
{
    if (fileName != nullptr)
        std::strncpy(m_fileName.data(), fileName, m_fileName.size() - 1);
    m_ofn.lStructSize = structSize != 0 ? structSize : sizeof(OPENFILENAMEA);
    m_ofn.lpstrFile = m_fileName.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileName.size());
    m_ofn.lpstrDefExt = defaultExtension != nullptr ? m_defaultExtension.c_str() : nullptr;
    m_ofn.lpstrFilter = filter != nullptr ? m_filter.data() : nullptr;
    m_ofn.Flags = flags | OFN_EXPLORER;  // the hook below runs only when the caller asks for OFN_ENABLEHOOK
    m_ofn.lpfnHook = &CFileDialog::HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = OwnerForModal();
    m_ofn.hInstance = ::GetModuleHandleA(nullptr);
    const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* const self = reinterpret_cast<CFileDialog*>(reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
        ::SetWindowLongPtrA(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->BindDialog(hWnd);
        return 0;
    }
    auto* const self = reinterpret_cast<CFileDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (self == nullptr)
        return 0;
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_SELCHANGE) {
        CallGuarded(hWnd, 0, [self] {
            self->OnFileNameChange();
            return 0;
        });
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        self->UnbindHandle();
    }
    // 0: the system dialog procedure goes on with its own processing.
    return 0;
}

POSITION CFileDialog::GetStartPosition() const
{
    if (m_ofn.lpstrFile == nullptr || !IsWholeAnswer(std::string_view(m_ofn.lpstrFile, m_ofn.nMaxFile)))
        return nullptr;
    return m_ofn.lpstrFile[0] != '\0' ? m_ofn.lpstrFile : nullptr;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    const char* const buffer = m_ofn.lpstrFile;
    const std::size_t firstLength = std::strlen(buffer);
    // A multiple selection puts the name offset past the folder's terminator; a single one inside the path.
    const bool multiple = (m_ofn.Flags & OFN_ALLOWMULTISELECT) != 0 && m_ofn.nFileOffset > firstLength;
    if (!multiple) {
        pos = nullptr;
        return CString(buffer);
    }
    if (pos == buffer)
        pos = buffer + firstLength + 1;
    const std::string_view name(pos);
    pos = pos[name.size() + 1] != '\0' ? pos + name.size() + 1 : nullptr;
    return CString(JoinSelectedName(std::string_view(buffer, firstLength), name, SystemCodePage()));
}
