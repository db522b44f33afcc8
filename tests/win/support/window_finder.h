// Finding this process's windows and controls, from any thread.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>

namespace wintest {

// The visible top-level windows of a process (this one unless told).
std::set<HWND> TopLevelWindows(DWORD processId = ::GetCurrentProcessId());
// A visible top-level window of the process with this caption (and class, when given), or nullptr.
HWND FindTopLevelWindow(const char* caption, const char* className = "#32770",
                        DWORD processId = ::GetCurrentProcessId());
// Polls without pumping messages (for a thread with no windows while the test thread sits in a
// modal loop); answers done()'s last value.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
// Polls for a window of this process with this caption (any class when className is nullptr)
// that is enabled, so waiting for input rather than behind a modal box of its own.
HWND WaitForTopLevelWindow(const char* caption, const char* className = nullptr, DWORD timeoutMs = 10000);
// A control with this id anywhere below parent (the common dialogs nest theirs), or nullptr.
HWND FindControl(HWND parent, int id);
std::string WindowClassName(HWND hWnd);
// The common file dialog's file-name box: a combo box on newer systems, an edit on older ones.
HWND FileNameBox(HWND dialog);

}  // namespace wintest
