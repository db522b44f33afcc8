// Binding C++ objects to windows and dispatching their messages through the tables.
#include "framework/wnd.h"

#include "framework/exception_barrier.h"

namespace {

// Names the window property that points at the bound object. Only FromHandle and binding use
// it: a property lookup by name is slow under Wine, so messages find their object through the
// subclassed window's own user data instead.
constexpr const char* kBoundObjectProperty = "Cordwain.BoundObject";

}  // namespace

CWnd::~CWnd()
{
    if (m_binding == Binding::Subclass)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    return static_cast<CWnd*>(::GetPropA(hWnd, kBoundObjectProperty));
}

void CWnd::BindHandle(HWND hWnd, Binding binding)
{
    m_hWnd = hWnd;
    m_binding = binding;
    ::SetPropA(hWnd, kBoundObjectProperty, this);
}

void CWnd::UnbindHandle()
{
    if (m_hWnd != nullptr)
        ::RemovePropA(m_hWnd, kBoundObjectProperty);
    m_hWnd = nullptr;
    m_binding = Binding::None;
}

bool CWnd::SubclassWindow(HWND hWnd)
{
    if (m_binding != Binding::None || !::IsWindow(hWnd) || FromHandle(hWnd) != nullptr)
        return false;
    m_hWnd = hWnd;
    PreSubclassWindow();
    BindHandle(hWnd, Binding::Subclass);
    // The subclass procedure's way back to this object: the window's user data, which standard
    // controls leave to their owner.
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // Installed with the A function so the handlers get the A forms of text messages.
    m_originalProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    if (m_originalProc == nullptr) {
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        UnbindHandle();
        return false;
    }
    return true;
}

void CWnd::UnsubclassWindow()
{
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    m_originalProc = nullptr;
    UnbindHandle();
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* const self = reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (self == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    const CurrentMessage saved = self->m_current;
    self->m_current = CurrentMessage{message, wParam, lParam, false};
    const LRESULT result = CallGuarded(hWnd, LRESULT{0}, [&] { return self->WindowProc(message, wParam, lParam); });
    self->m_current = saved;
    if (message == WM_NCDESTROY)
        self->UnsubclassWindow();
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (DispatchThroughTables(message, wParam, lParam, result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_binding == Binding::Subclass)
        return ::CallWindowProcA(m_originalProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (m_binding == Binding::Dialog) {
        m_current.deferToDialogDefault = true;
        return 0;
    }
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

const MessageMapBase* CWnd::GetMessageMap() const
{
    static const MessageMap<CWnd> map(nullptr);
    return &map;
}

bool CWnd::DispatchThroughTables(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    for (const MessageMapBase* map = GetMessageMap(); map != nullptr; map = map->Base()) {
        if (map->Dispatch(*this, message, wParam, lParam, result))
            return true;
    }
    return false;
}

bool CWnd::RouteCommandUpdate(CCmdUI& cmdUI)
{
    for (const MessageMapBase* map = GetMessageMap(); map != nullptr; map = map->Base()) {
        if (map->DispatchUpdate(*this, cmdUI))
            return true;
    }
    return false;
}
