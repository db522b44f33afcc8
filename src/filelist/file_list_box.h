// CFileListBox: the main window's file list. Keeps the horizontal extent equal to the widest
// item, accepts files dropped from the shell, and lets the user reorder items by dragging or
// with Alt+Up and Alt+Down.
// It is also the file list its rules work on.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "filelist/file_list.h"
#include "framework/drag_list_box.h"

namespace cordwain {

class CFileListBox : public CDragListBox, public FileList {
public:
    const MessageMapBase* GetMessageMap() const override;

    // The list's item operations, for the rules; only on the window's own thread. Queries go
    // straight to the list box's own procedure: under Wine a message sent round the subclass
    // chain costs a property lookup per subclass, and no subclass acts on queries. Changes are
    // sent to the control, so the handlers below keep the extent.
    int Count() const override;
    std::string Text(int index) const override;
    int Append(const std::string& text) override;
    int Delete(int index) override;
    void Clear() override;
    int Selection() const override;
    int Extent() const override;
    void SetExtent(int extent) override;

    // Appends every path, repainting the list once at the end rather than once per path.
    void AppendAll(const std::vector<std::string>& paths);
    // Sort List: the list rebuilt in sorted order, repainted once.
    void SortAll();

protected:
    void PreSubclassWindow() override;

    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);
    // Alt+Up and Alt+Down: the selected item one place up or down, as a drag would move it.
    LRESULT OnSysKeyDown(WPARAM wParam, LPARAM lParam);

private:
    LRESULT CallControl(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::CallWindowProcA(m_controlProcedure, m_hWnd, message, wParam, lParam);
    }
    // The list box's own processing of the message being handled. The drag list's layer in
    // between acts only on mouse and keyboard input, and under Wine each pass through it costs a
    // property lookup, which dominated rebuilding a long list.
    LRESULT ControlDefault() const { return CallControl(m_current.message, m_current.wParam, m_current.lParam); }

    WNDPROC m_controlProcedure = nullptr;  // the list box's own procedure, taken before any subclass
};

}  // namespace cordwain
