// CWnd: a window handle with typed one-line wrappers, and the binding that routes a window's
// messages through the message tables of the C++ object bound to it.
#pragma once

#include <windows.h>

#include "framework/cstring.h"
#include "framework/message_map.h"
#include "framework/runtime_class.h"

class CWnd : public CObject {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    // A copy is a plain handle: it never carries the original's binding.
    CWnd(const CWnd& other) : CObject(), m_hWnd(other.m_hWnd) {}
    CWnd& operator=(const CWnd& other);
    ~CWnd() override;

    // The object bound to hWnd (a running dialog or a subclassed control), or nullptr for a
    // window no object is bound to. Unbound windows are wrapped with CWnd(hWnd) when needed.
    static CWnd* FromHandle(HWND hWnd);

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Binds this object to an existing window (a dialog's control) by replacing its window procedure,
    // so its table sees the messages (in their A forms); unhandled messages go on to the original. Answers false if hWnd is not a window
    // or this object is already bound.
    bool SubclassWindow(HWND hWnd);
    // Undoes SubclassWindow and answers the handle; the window keeps running on its own.
    HWND UnsubclassWindow();
    bool IsBound() const { return m_binding != Binding::None; }

    // Default processing of the message being handled. For a subclassed control this calls the
    // control's original procedure now and answers its result. For a dialog, the system dialog
    // procedure processes the message right after the handler returns, and this answers 0.
    LRESULT Default();

    virtual const MessageMapBase* GetMessageMap() const;
    // Offers cmdUI's id to this object's update handlers; answers whether one ran.
    bool RouteCommandUpdate(CCmdUI& cmdUI);

    // One-line wrappers.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
    CWnd GetParent() const { return CWnd(::GetParent(m_hWnd)); }
    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    BOOL ShowWindow(int nCmdShow) const { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) const { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    int MessageBox(const char* text, const char* caption, UINT type = MB_OK) const
    {
        return ::MessageBoxA(m_hWnd, text, caption, type);
    }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void BringWindowToTop() const { ::BringWindowToTop(m_hWnd); }
    HMENU GetSystemMenu(BOOL bRevert) const { return ::GetSystemMenu(m_hWnd, bRevert); }
    HMENU GetMenu() const { return ::GetMenu(m_hWnd); }
    void Invalidate(BOOL bErase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    HICON SetIcon(HICON icon, BOOL bBigIcon) const
    {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(icon)));
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    LONG_PTR GetStyle() const { return ::GetWindowLongPtrA(m_hWnd, GWL_STYLE); }
    BOOL DestroyWindow() const { return ::DestroyWindow(m_hWnd); }

protected:
    // Called just before SubclassWindow binds, with m_hWnd already set.
    virtual void PreSubclassWindow() {}
    // Every message of a bound window comes here: the tables first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Processing for messages no table handles (the control's original procedure).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification a parent window hands back to the child it concerns (the drag list's).
    friend class CDialog;
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Walks the table chain from the most derived class; answers whether a handler ran.
    bool DispatchThroughTables(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    enum class Binding { None, Subclass, Dialog };
    void BindHandle(HWND hWnd, Binding binding);
    void UnbindHandle();

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool deferToDialogDefault = false;
    };
    CurrentMessage m_current;

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    Binding m_binding = Binding::None;
    WNDPROC m_originalProc = nullptr;  // the subclassed control's own procedure
};
