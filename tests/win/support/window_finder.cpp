// Window searches by process, caption, class and control id.
#include "support/window_finder.h"

#include <vector>

namespace wintest {

namespace {

struct TopLevelSearch {
    DWORD processId;
    std::set<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hWnd, LPARAM lParam)
{
    auto* const search = reinterpret_cast<TopLevelSearch*>(lParam);
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    if (process == search->processId && ::IsWindowVisible(hWnd))
        search->found.insert(hWnd);
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

std::set<HWND> TopLevelWindows(DWORD processId)
{
    TopLevelSearch search{processId, {}};
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowClassName(HWND hWnd)
{
    char name[256] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    return name;
}

HWND FindTopLevelWindow(const char* caption, const char* className, DWORD processId)
{
    for (const HWND hWnd : TopLevelWindows(processId)) {
        if (WindowCaption(hWnd) == caption && (className == nullptr || WindowClassName(hWnd) == className))
            return hWnd;
    }
    return nullptr;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!done()) {
        if (::GetTickCount64() >= deadline)
            return done();
        ::Sleep(5);
    }
    return true;
}

HWND WaitForTopLevelWindow(const char* caption, const char* className, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (const HWND hWnd : TopLevelWindows()) {
                if (::IsWindowEnabled(hWnd) && WindowCaption(hWnd) == caption &&
                    (className == nullptr || WindowClassName(hWnd) == className)) {
                    found = hWnd;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

HWND FindControl(HWND parent, int id)
{
    ControlSearch search{id, nullptr};
    ::EnumChildWindows(parent, &MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FileNameBox(HWND dialog)
{
    if (const HWND combo = FindControl(dialog, 0x47C))
        return combo;
    return FindControl(dialog, 0x480);
}

}  // namespace wintest
