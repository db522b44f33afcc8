// The double-byte aware search for the last occurrence of a character.
#include "framework/text_scan.h"

std::ptrdiff_t FindLastChar(std::string_view text, char wanted, LeadByteTest isLeadByte)
{
    std::ptrdiff_t found = -1;
    for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i, isLeadByte)) {
        if (text[i] == wanted)
            found = static_cast<std::ptrdiff_t>(i);
    }
    return found;
}
