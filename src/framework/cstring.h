// CString: the program's 8-bit string (the process code page) over std::string.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

class CString {
public:
    CString() = default;
    CString(const char* text)
        : m_text(text != nullptr ? text : "") {}  // NOLINT: implicit, like the literals it stands for
    explicit CString(std::string text) : m_text(std::move(text)) {}

    operator LPCSTR() const { return m_text.c_str(); }  // NOLINT: passes straight to the A functions
    const std::string& str() const { return m_text; }

    // Direct access for the A functions that fill a caller's buffer: room for minLength
    // characters and a terminator, then the text cut to newLength.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength);

private:
    std::string m_text;
};
