// CWnd: a window handle, and the binding that routes a window's messages through the message
// tables of the C++ object bound to it.
#pragma once

#include <windows.h>

#include "framework/message_map.h"
#include "framework/runtime_class.h"

class CWnd : public CObject {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    // The object is what the window's messages reach: it is neither copied nor assigned.
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    static const CRuntimeClass* ThisClass() { return RuntimeClassOf<CWnd, CObject>("CWnd"); }
    const CRuntimeClass* GetRuntimeClass() const override { return ThisClass(); }

    // The object bound to hWnd (a running dialog or a subclassed control), or nullptr.
    static CWnd* FromHandle(HWND hWnd);

    // Binds this object to an existing window (a dialog's control) by replacing its window
    // procedure, so its table sees the messages (in their A forms); unhandled messages go on to
    // the original. Answers false if hWnd is not a window or either is already bound.
    bool SubclassWindow(HWND hWnd);

    // Default processing of the message being handled. For a subclassed control this calls the
    // control's original procedure now and answers its result. For a dialog, the system dialog
    // procedure processes the message right after the handler returns, and this answers 0.
    LRESULT Default();

    virtual const MessageMapBase* GetMessageMap() const;
    // Offers cmdUI's id to this object's update handlers; answers whether one ran.
    bool RouteCommandUpdate(CCmdUI& cmdUI);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }

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
    bool IsBound() const { return m_binding != Binding::None; }

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool deferToDialogDefault = false;
    };
    CurrentMessage m_current;

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void UnsubclassWindow();

    Binding m_binding = Binding::None;
    WNDPROC m_originalProc = nullptr;  // the subclassed control's own procedure
};
