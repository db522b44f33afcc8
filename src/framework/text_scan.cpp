// The double-byte aware search for the last occurrence of a character.
#include "framework/text_scan.h"

std::ptrdiff_t FindLastOf(std::string_view text, std::string_view wanted, const CodePage& codePage)
{
    std::ptrdiff_t found = -1;
    for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i, codePage)) {
        if (wanted.find(text[i]) != std::string_view::npos)
            found = static_cast<std::ptrdiff_t>(i);
    }
    return found;
}
