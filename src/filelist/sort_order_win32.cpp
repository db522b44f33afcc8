// The platform's code page for the sort: lead bytes from IsDBCSLeadByteEx, and a double-byte
// character's upper case through its wide form, so the mapping is the platform's.
#include <windows.h>

#include <cstdint>

#include "filelist/sort_order.h"

namespace cordwain {
namespace {

std::uint16_t UpperDoubleByte(UINT codePage, std::uint16_t character)
{
    const char pair[2] = {static_cast<char>(character >> 8), static_cast<char>(character & 0xFF)};
    wchar_t wide[2] = {};
    if (::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) != 1)
        return character;
    ::CharUpperBuffW(wide, 1);
    char upper[2] = {};
    BOOL lossy = FALSE;
    // A character whose upper case is not one double-byte character keeps its own value.
    if (::WideCharToMultiByte(codePage, 0, wide, 1, upper, 2, nullptr, &lossy) != 2 || lossy)
        return character;
    return static_cast<std::uint16_t>((static_cast<unsigned char>(upper[0]) << 8) |
                                      static_cast<unsigned char>(upper[1]));
}

}  // namespace

CodePage PlatformCodePage(unsigned codePage)
{
    return CodePage([codePage](unsigned char byte) { return ::IsDBCSLeadByteEx(codePage, byte) != FALSE; },
                    [codePage](std::uint16_t character) { return UpperDoubleByte(codePage, character); });
}

}  // namespace cordwain
