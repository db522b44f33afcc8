// The ANSI code page as the system defines it: lead bytes from IsDBCSLeadByteEx, digits from the
// character classes, and a double-byte character's upper case through its wide form.
#include <windows.h>

#include "framework/code_page.h"

namespace {

bool IsAnsiLeadByte(unsigned char value) { return ::IsDBCSLeadByteEx(CP_ACP, value) != FALSE; }

bool IsAnsiDigit(unsigned char value)
{
    const auto ch = static_cast<CHAR>(value);
    return ::IsCharAlphaNumericA(ch) && !::IsCharAlphaA(ch);
}

std::uint16_t UpperDoubleByte(std::uint16_t character)
{
    const char pair[2] = {static_cast<char>(character >> 8), static_cast<char>(character & 0xFF)};
    wchar_t wide[2] = {};
    if (::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) != 1)
        return character;
    ::CharUpperBuffW(wide, 1);
    char upper[2] = {};
    BOOL lossy = FALSE;
    // A character whose upper case is not one double-byte character keeps its own value.
    if (::WideCharToMultiByte(CP_ACP, 0, wide, 1, upper, 2, nullptr, &lossy) != 2 || lossy)
        return character;
    return static_cast<std::uint16_t>((static_cast<unsigned char>(upper[0]) << 8) |
                                      static_cast<unsigned char>(upper[1]));
}

}  // namespace

const CodePage& SystemCodePage()
{
    // The ANSI code page is fixed for the life of the process.
    static const CodePage ansi(IsAnsiLeadByte, UpperDoubleByte, IsAnsiDigit);
    return ansi;
}
