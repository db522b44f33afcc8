// Finding this process's windows and controls, from any thread.
#pragma once

#include <windows.h>

#include <set>
#include <string>

namespace wintest {

// The visible top-level windows of this process.
std::set<HWND> TopLevelWindows();
// A visible top-level window of this process with this caption (and class, when given), or nullptr.
HWND FindTopLevelWindow(const char* caption, const char* className = "#32770");
// Polls for such a window without pumping messages: for a watcher thread while the test thread
// sits in a modal loop.
HWND WaitForTopLevelWindow(const char* caption, const char* className = "#32770", DWORD timeoutMs = 5000);
// A control with this id anywhere below parent (the common dialogs nest theirs), or nullptr.
HWND FindControl(HWND parent, int id);
std::string WindowClassName(HWND hWnd);

}  // namespace wintest
