// Binding of the file list box to its window; the handlers are filled in with the list rules.
#include "filelist/file_list_box.h"

CFileListBox::CFileListBox() = default;

CFileListBox::~CFileListBox() = default;

const MessageMapBase* CFileListBox::GetMessageMap() const
{
    static const MessageMap<CFileListBox> map(CDragListBox::GetMessageMap());
    return &map;
}

void CFileListBox::PreSubclassWindow()
{
    CDragListBox::PreSubclassWindow();
}

LRESULT CFileListBox::OnDropFiles(WPARAM, LPARAM) { return Default(); }
LRESULT CFileListBox::OnAddString(WPARAM, LPARAM) { return Default(); }
LRESULT CFileListBox::OnDeleteString(WPARAM, LPARAM) { return Default(); }
LRESULT CFileListBox::OnResetContent(WPARAM, LPARAM) { return Default(); }
