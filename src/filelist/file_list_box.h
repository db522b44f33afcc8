// CFileListBox: the main window's file list. Keeps the horizontal extent equal to the widest
// item, accepts files dropped from the shell, and lets the user reorder items by dragging.
#pragma once

#include <windows.h>

#include "framework/drag_list_box.h"

class CFileListBox : public CDragListBox {
public:
    CFileListBox();
    ~CFileListBox() override;

    const MessageMapBase* GetMessageMap() const override;

protected:
    void PreSubclassWindow() override;

    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);

private:
    HFONT ControlFont() const;

    // The list box's own procedure: the extent upkeep reads the items straight from it.
    WNDPROC m_controlProcedure = nullptr;
};
