// Comparison and sort of list texts.
#include "filelist/sort_order.h"

#include <numeric>

#include "framework/text_scan.h"

namespace cordwain {
namespace {

// One character of a text: a single byte (folded when it is A-Z) or a double-byte pair.
struct Character {
    std::uint16_t value = 0;
    std::size_t length = 0;
};

std::uint16_t FoldAsciiUpper(unsigned char byte)
{
    return static_cast<std::uint16_t>(byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte);
}

Character CharacterAt(std::string_view text, std::size_t position, const CodePage& codePage)
{
    const auto byte = static_cast<unsigned char>(text[position]);
    // A lead byte with nothing after it stands alone, as it does before a terminator.
    if (CharacterLength(text, position, codePage) == 2) {
        const auto trail = static_cast<unsigned char>(text[position + 1]);
        const auto pair = static_cast<std::uint16_t>((byte << 8) | trail);
        return {codePage.ToUpper(pair), 2};
    }
    return {FoldAsciiUpper(byte), 1};
}

}  // namespace

int CompareListTexts(std::string_view a, std::string_view b, const CodePage& codePage)
{
    std::size_t positionA = 0;
    std::size_t positionB = 0;
    while (positionA < a.size() && positionB < b.size()) {
        const Character left = CharacterAt(a, positionA, codePage);
        const Character right = CharacterAt(b, positionB, codePage);
        if (left.value != right.value) {
            return left.value < right.value ? -1 : 1;
        }
        positionA += left.length;
        positionB += right.length;
    }
    const bool aEnded = positionA >= a.size();
    const bool bEnded = positionB >= b.size();
    if (aEnded && bEnded) {
        return 0;
    }
    return aEnded ? -1 : 1;
}

std::string ListSortKey(std::string_view text, const CodePage& codePage)
{
    std::string key;
    if (!codePage.HasLeadBytes()) {
        key.reserve(text.size());
        for (const char byte : text) {
            key.push_back(static_cast<char>(FoldAsciiUpper(static_cast<unsigned char>(byte))));
        }
        return key;
    }
    // Every character as two bytes, high first: a single byte becomes 00 xx and so sorts
    // before any double-byte character, whose lead byte is never 0.
    key.reserve(text.size() * 2);
    for (std::size_t position = 0; position < text.size();) {
        const Character character = CharacterAt(text, position, codePage);
        key.push_back(static_cast<char>(character.value >> 8));
        key.push_back(static_cast<char>(character.value & 0xFF));
        position += character.length;
    }
    return key;
}

void SortListTexts(std::vector<std::string>& texts, const CodePage& codePage)
{
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    for (const std::string& text : texts) {
        keys.push_back(ListSortKey(text, codePage));
    }
    // Exchanges move positions only; the texts themselves are moved once at the end.
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    ExchangeSort(order, [&keys](std::size_t left, std::size_t right) { return keys[left].compare(keys[right]); });
    std::vector<std::string> sorted;
    sorted.reserve(texts.size());
    for (const std::size_t index : order) {
        sorted.push_back(std::move(texts[index]));
    }
    texts = std::move(sorted);
}

}  // namespace cordwain
