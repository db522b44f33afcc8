// The main window's Remove, Remove All and Sort List commands: the list rules run on the real
// list box, whose own handlers keep the horizontal extent.
#include "filelist/code_page_win32.h"
#include "filelist/list_box_adapter_win32.h"
#include "filelist/list_commands.h"
#include "filelist/redraw_pause_win32.h"
#include "ui/main_dlg.h"

void CMainDlg::OnRemove()
{
    filelist::ListBoxAdapter list(m_lstFiles);
    filelist::RemoveSelected(list);
}

void CMainDlg::OnRemoveAll()
{
    filelist::ListBoxAdapter list(m_lstFiles);
    filelist::RemoveAll(list);
}

void CMainDlg::OnSortList()
{
    filelist::ListBoxAdapter list(m_lstFiles);
    const filelist::RedrawPause pause(m_lstFiles.m_hWnd);
    filelist::SortList(list, filelist::PlatformCodePage());
}
