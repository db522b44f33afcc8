// CFileListBox's handlers: the control's own processing first, then the extent upkeep; drops
// are read whole, filtered and appended through the control itself.
#include "filelist/file_list_box.h"

#include <shellapi.h>

#include "filelist/dropped_files.h"
#include "filelist/horizontal_extent.h"
#include "filelist/list_commands.h"
#include "filelist/redraw_pause.h"
#include "filelist/text_measurer_win32.h"
#include "framework/handles.h"
#include "framework/wide_path.h"

namespace cordwain {
namespace {

// Every name of a drop, each read at its own length so none is cut at MAX_PATH.
std::vector<std::string> ReadDroppedNames(HDROP drop)
{
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> names;
    for (UINT i = 0; i < count; ++i) {
        std::string name(::DragQueryFileA(drop, i, nullptr, 0), '\0');
        name.resize(::DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size() + 1)));
        names.push_back(std::move(name));
    }
    return names;
}

// Through the wide function, so a name past the classic limit is examined, not skipped.
std::uint32_t FileAttributes(const std::string& path) { return ::GetFileAttributesW(FileSystemName(path).c_str()); }

}  // namespace

const MessageMapBase* CFileListBox::GetMessageMap() const
{
    using E = MessageEntry<CFileListBox>;
    static const E entries[] = {
        E::Message(WM_DROPFILES, &CFileListBox::OnDropFiles),
        E::Message(LB_ADDSTRING, &CFileListBox::OnAddString),
        E::Message(LB_INSERTSTRING, &CFileListBox::OnAddString),
        E::Message(LB_DELETESTRING, &CFileListBox::OnDeleteString),
        E::Message(LB_DIR, &CFileListBox::OnDeleteString),
        E::Message(LB_RESETCONTENT, &CFileListBox::OnResetContent),
        E::Message(WM_SYSKEYDOWN, &CFileListBox::OnSysKeyDown),
    };
    static const MessageMap<CFileListBox> map(CDragListBox::GetMessageMap(), entries);
    return &map;
}

void CFileListBox::PreSubclassWindow()
{
    // Taken before the drag list subclasses the control too.
    m_controlProcedure = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    CDragListBox::PreSubclassWindow();
}

int CFileListBox::Count() const { return static_cast<int>(CallControl(LB_GETCOUNT)); }

std::string CFileListBox::Text(int index) const
{
    const auto length = CallControl(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR)
        return std::string();
    std::string text(static_cast<std::size_t>(length), '\0');
    const auto copied = CallControl(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int CFileListBox::Append(const std::string& text)
{
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CFileListBox::Delete(int index)
{
    return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)));
}

void CFileListBox::Clear() { SendMessage(LB_RESETCONTENT); }

int CFileListBox::Selection() const { return static_cast<int>(CallControl(LB_GETCURSEL)); }

int CFileListBox::Extent() const { return static_cast<int>(CallControl(LB_GETHORIZONTALEXTENT)); }

void CFileListBox::SetExtent(int extent) { CallControl(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent)); }

void CFileListBox::AppendAll(const std::vector<std::string>& paths)
{
    const RedrawPause pause(m_hWnd);
    for (const std::string& path : paths)
        Append(path);
}

void CFileListBox::SortAll()
{
    const RedrawPause pause(m_hWnd);
    SortList(*this, SystemCodePage());
}

LRESULT CFileListBox::OnDropFiles(WPARAM wParam, LPARAM)
{
    std::vector<std::string> names;
    {
        // Released as soon as it is read: nothing after this needs the shell's list.
        const CDropHandle drop(reinterpret_cast<HDROP>(wParam));
        names = ReadDroppedNames(drop.Get());
    }
    {
        const RedrawPause pause(m_hWnd);
        AppendDroppedFiles(*this, names, &FileAttributes);
    }
    return Default();
}

LRESULT CFileListBox::OnAddString(WPARAM, LPARAM)
{
    const auto result = static_cast<int>(ControlDefault());
    ListBoxTextMeasurer measurer(m_hWnd, reinterpret_cast<HFONT>(CallControl(WM_GETFONT)));
    // The added text is read back from the new item rather than taken from lParam: a subclassed
    // control is handed its messages in wide form, whichever function sent them.
    GrowHorizontalExtent(*this, result, result >= 0 ? Text(result) : std::string(), measurer);
    return result;
}

LRESULT CFileListBox::OnDeleteString(WPARAM, LPARAM)
{
    const auto result = static_cast<int>(ControlDefault());
    ListBoxTextMeasurer measurer(m_hWnd, reinterpret_cast<HFONT>(CallControl(WM_GETFONT)));
    RecalcHorizontalExtent(*this, result, measurer);
    return result;
}

LRESULT CFileListBox::OnResetContent(WPARAM, LPARAM)
{
    const LRESULT result = ControlDefault();
    SetExtent(0);
    return result;
}

LRESULT CFileListBox::OnSysKeyDown(WPARAM wParam, LPARAM)
{
    const int selection = Selection();
    if (wParam == VK_UP && selection > 0)
        MoveItem(selection, selection - 1);
    else if (wParam == VK_DOWN && selection >= 0 && selection + 1 < Count())
        MoveItem(selection, selection + 2);  // before the item after next: one place down
    // Passed on even so: the system follows the keys to tell whether the Alt alone opens the menu.
    return Default();
}

}  // namespace cordwain
