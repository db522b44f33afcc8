// CFileListBox's handlers: the control's own processing first, then the extent upkeep; drops
// are read whole, filtered and appended through the control itself.
#include "filelist/file_list_box.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "filelist/dropped_files.h"
#include "filelist/horizontal_extent.h"
#include "filelist/list_box_adapter_win32.h"
#include "filelist/redraw_pause_win32.h"
#include "filelist/text_measurer_win32.h"
#include "framework/handles.h"

namespace {

// Every name of a drop, each read at its own length so none is cut at MAX_PATH.
std::vector<std::string> ReadDroppedNames(HDROP drop)
{
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> names;
    names.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length, '\0');
        const UINT copied = ::DragQueryFileA(drop, i, name.data(), length + 1);
        name.resize(copied);
        names.push_back(std::move(name));
    }
    return names;
}

std::uint32_t FileAttributes(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str());
}

}  // namespace

CFileListBox::CFileListBox() = default;

CFileListBox::~CFileListBox() = default;

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

HFONT CFileListBox::ControlFont() const
{
    return reinterpret_cast<HFONT>(::CallWindowProcA(m_controlProcedure, m_hWnd, WM_GETFONT, 0, 0));
}

LRESULT CFileListBox::ControlDefault()
{
    return ::CallWindowProcA(m_controlProcedure, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CFileListBox::OnDropFiles(WPARAM wParam, LPARAM)
{
    std::vector<std::string> names;
    {
        // Released as soon as it is read: nothing after this needs the shell's list.
        const CDropHandle drop(reinterpret_cast<HDROP>(wParam));
        names = ReadDroppedNames(drop.Get());
    }
    filelist::ListBoxAdapter list(*this);
    {
        const filelist::RedrawPause pause(m_hWnd);
        filelist::AppendDroppedFiles(list, names, &FileAttributes);
    }
    return Default();
}

LRESULT CFileListBox::OnAddString(WPARAM, LPARAM)
{
    const LRESULT result = ControlDefault();
    filelist::ListBoxAdapter list(*this, m_controlProcedure);
    filelist::ListBoxTextMeasurer measurer(m_hWnd, ControlFont());
    // The added text is read back from the new item rather than taken from lParam: a
    // subclassed control is handed its messages in wide form, whichever function sent them.
    const int index = static_cast<int>(result);
    filelist::GrowHorizontalExtent(list, index, index >= 0 ? list.GetText(index) : std::string(), measurer);
    return result;
}

LRESULT CFileListBox::OnDeleteString(WPARAM, LPARAM)
{
    const LRESULT result = ControlDefault();
    filelist::ListBoxAdapter list(*this, m_controlProcedure);
    filelist::ListBoxTextMeasurer measurer(m_hWnd, ControlFont());
    filelist::RecalcHorizontalExtent(list, static_cast<int>(result), measurer);
    return result;
}

LRESULT CFileListBox::OnResetContent(WPARAM, LPARAM)
{
    const LRESULT result = ControlDefault();
    filelist::ListBoxAdapter list(*this, m_controlProcedure);
    filelist::ResetHorizontalExtent(list);
    return result;
}
