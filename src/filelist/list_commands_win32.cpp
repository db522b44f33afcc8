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

namespace {

// The list as Sort List sees it: the copy reads straight from the control's own procedure,
// while the clear and the appends go to the control, through the file list box's handlers.
class SortListView final : public filelist::ListBox {
public:
    explicit SortListView(const CFileListBox& control)
        : m_reader(control, control.ControlProcedure()), m_writer(control)
    {
    }

    int GetCount() const override { return m_reader.GetCount(); }
    std::string GetText(int index) const override { return m_reader.GetText(index); }
    int AddString(const std::string& text) override { return m_writer.AddString(text); }
    int InsertString(int index, const std::string& text) override { return m_writer.InsertString(index, text); }
    int DeleteString(int index) override { return m_writer.DeleteString(index); }
    void ResetContent() override { m_writer.ResetContent(); }
    int GetCurSel() const override { return m_reader.GetCurSel(); }
    int SetCurSel(int index) override { return m_writer.SetCurSel(index); }
    std::uintptr_t GetItemData(int index) const override { return m_reader.GetItemData(index); }
    int SetItemData(int index, std::uintptr_t data) override { return m_writer.SetItemData(index, data); }
    int GetHorizontalExtent() const override { return m_reader.GetHorizontalExtent(); }
    void SetHorizontalExtent(int extent) override { m_writer.SetHorizontalExtent(extent); }

private:
    filelist::ListBoxAdapter m_reader;
    filelist::ListBoxAdapter m_writer;
};

}  // namespace

void CMainDlg::OnSortList()
{
    SortListView list(m_lstFiles);
    const filelist::RedrawPause pause(m_lstFiles.m_hWnd);
    filelist::SortList(list, filelist::PlatformCodePage());
}
