// Input and read-back helpers.
#include "support/window_input.h"

namespace wintest {

void ClickButton(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void PostKey(HWND target, WPARAM virtualKey)
{
    ::PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageA(target, WM_KEYUP, virtualKey, 1 | (1U << 30) | (1U << 31));
}

void TypeText(HWND control, const char* text)
{
    ::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

std::wstring ReadWindowText(HWND hWnd)
{
    const int length = ::GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hWnd, text.data(), length + 1)));
    return text;
}

std::vector<std::wstring> ReadListBoxItems(HWND listBox)
{
    std::vector<std::wstring> items;
    const int count = static_cast<int>(::SendMessageW(listBox, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = ::SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        const auto copied =
            ::SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
        items.push_back(text);
    }
    return items;
}

std::wstring Widen(const char* text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(wide.empty() ? 0 : wide.size() - 1);
    return wide;
}

}  // namespace wintest
