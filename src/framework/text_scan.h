// Stepping through 8-bit text whose code page may have double-byte characters, so that a trail
// byte is never taken for a character of its own. Portable.
#pragma once

#include <cstddef>
#include <string_view>

#include "framework/code_page.h"

// Bytes in the character that starts at `position`: 2 for a lead byte with a byte after it, else 1.
inline std::size_t CharacterLength(std::string_view text, std::size_t position, const CodePage& codePage)
{
    return codePage.IsLeadByte(static_cast<unsigned char>(text[position])) && position + 1 < text.size() ? 2 : 1;
}

// Index of the last whole character that is one of `wanted`, or -1.
std::ptrdiff_t FindLastOf(std::string_view text, std::string_view wanted, const CodePage& codePage);
