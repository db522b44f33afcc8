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

    // The list box's own procedure, for readers that only ask about items: a query sent round
    // the subclass chain costs a property lookup per subclass under Wine, and no subclass acts
    // on queries. Changes must still be sent to the control so its handlers keep the extent.
    WNDPROC ControlProcedure() const { return m_controlProcedure; }

protected:
    void PreSubclassWindow() override;

    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);

private:
    HFONT ControlFont() const;
    // Default processing of a list-contents message by the list box itself. The drag list's
    // layer in between acts only on mouse and keyboard input, and under Wine each pass through
    // it costs a property lookup, which dominated rebuilding a long list.
    LRESULT ControlDefault();

    // The list box's own procedure: the extent upkeep reads the items straight from it.
    WNDPROC m_controlProcedure = nullptr;
};
