// Every callback the system makes into the program (window, dialog and subclass procedures,
// hooks, a thread's entry) is a boundary: a C++ exception stops there and becomes a message in
// the program's voice, never a terminated process and never silence.
#pragma once

#include <windows.h>

#include <string>

constexpr char kUnexpectedErrorCaption[] = "Oh, no!";

// The message for the exception being handled: that something went wrong, and what. Call it
// only inside a catch block.
std::string UnexpectedErrorText();

// Shows the "Oh, no!" box for the exception being handled, owned by `owner`'s window (may be
// null). Call it only inside a catch block; it never throws.
void ReportCurrentException(HWND owner) noexcept;

// Runs `call`; an exception that escapes it is reported and `fallback` answered instead.
template <class Result, class Call> Result CallGuarded(HWND owner, Result fallback, Call&& call) noexcept
{
    try {
        return call();
    } catch (...) {
        ReportCurrentException(owner);
        return fallback;
    }
}
