// Acting on windows as a user would, from any thread: clicks, keys, typed text; and reading
// texts back with the wide messages, so what the user sees is checked, not our own A conversion.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

// Posts the click of button id to dialog (WM_COMMAND with BN_CLICKED), so a caller on another
// thread never blocks on what the click starts.
void ClickButton(HWND dialog, int id);
// Posts a key press and release.
void PostKey(HWND target, WPARAM virtualKey);
// Sets a control's text (WM_SETTEXT, sent).
void TypeText(HWND control, const char* text);
std::wstring ReadWindowText(HWND hWnd);
std::vector<std::wstring> ReadListBoxItems(HWND listBox);
std::wstring Widen(const char* text);

}  // namespace wintest
