// The watcher thread behind ModalWatcher.
#include "support/modal_watcher.h"

#include <set>
#include <utility>

#include "support/window_finder.h"

namespace wintest {

namespace {

std::string Caption(HWND hWnd)
{
    char text[512] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

}  // namespace

ModalWatcher::ModalWatcher(std::string caption, std::function<void(HWND)> action, DWORD timeoutMs,
                           std::string className)
    : m_caption(std::move(caption)), m_className(std::move(className)), m_action(std::move(action)),
      m_before(TopLevelWindows())
{
    m_thread = std::thread([this, timeoutMs] { Watch(timeoutMs); });
}

ModalWatcher::~ModalWatcher() { Finish(); }

bool ModalWatcher::Finish()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_acted.load();
}

void ModalWatcher::Watch(DWORD timeoutMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (::GetTickCount64() < deadline) {
        for (const HWND hWnd : TopLevelWindows()) {
            // Enabled: a dialog with a modal box of its own up is not the one waiting for input.
            if (m_before.count(hWnd) == 0 && ::IsWindowEnabled(hWnd) && Caption(hWnd) == m_caption &&
                (m_className.empty() || WindowClassName(hWnd) == m_className)) {
                m_found = hWnd;
                m_action(hWnd);
                m_acted = true;
                return;
            }
        }
        ::Sleep(10);
    }
}

}  // namespace wintest
