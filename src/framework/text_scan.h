// Stepping through 8-bit text whose code page may have double-byte characters, so that a trail
// byte is never taken for a character of its own. Portable: the Win32 side passes its lead-byte test.
#pragma once

#include <cstddef>
#include <string_view>

// Whether a byte starts a double-byte character in the code page at hand.
using LeadByteTest = bool (*)(unsigned char byte);

inline bool NoLeadBytes(unsigned char) { return false; }

// Bytes in the character that starts at `position`: 2 for a lead byte with a byte after it, else 1.
template <class IsLeadByte>
std::size_t CharacterLength(std::string_view text, std::size_t position, IsLeadByte isLeadByte)
{
    return isLeadByte(static_cast<unsigned char>(text[position])) && position + 1 < text.size() ? 2 : 1;
}

// Index of the last `wanted` that is a whole character, or -1.
std::ptrdiff_t FindLastChar(std::string_view text, char wanted, LeadByteTest isLeadByte);
