// Window searches by process, caption, class and control id.
#include "support/window_finder.h"

#include <vector>

namespace wintest {

namespace {

BOOL CALLBACK CollectTopLevel(HWND hWnd, LPARAM lParam)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(hWnd))
        reinterpret_cast<std::set<HWND>*>(lParam)->insert(hWnd);
    return TRUE;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND hWnd, LPARAM lParam)
{
    auto* const search = reinterpret_cast<ControlSearch*>(lParam);
    if (::GetDlgCtrlID(hWnd) == search->id) {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

std::string WindowCaption(HWND hWnd)
{
    char text[512] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

}  // namespace

std::set<HWND> TopLevelWindows()
{
    std::set<HWND> windows;
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string WindowClassName(HWND hWnd)
{
    char name[256] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    return name;
}

HWND FindTopLevelWindow(const char* caption, const char* className)
{
    for (const HWND hWnd : TopLevelWindows()) {
        if (WindowCaption(hWnd) == caption && (className == nullptr || WindowClassName(hWnd) == className))
            return hWnd;
    }
    return nullptr;
}

HWND WaitForTopLevelWindow(const char* caption, const char* className, DWORD timeoutMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (const HWND found = FindTopLevelWindow(caption, className))
            return found;
        if (::GetTickCount64() >= deadline)
            return nullptr;
        ::Sleep(10);
    }
}

HWND FindControl(HWND parent, int id)
{
    ControlSearch search{id, nullptr};
    ::EnumChildWindows(parent, &MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace wintest
