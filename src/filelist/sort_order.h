// The order of Sort List: texts compared with ASCII-only case folding, and the exchange
// sort whose fixed order of comparisons decides where equal texts end up.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cordwain {

// What the comparison needs to know of the ANSI code page: which bytes start a
// double-byte character, and how such a character is upper-cased.
class CodePage {
public:
    using LeadByteTest = std::function<bool(unsigned char byte)>;
    // Takes and gives a double-byte character as lead byte * 256 + trail byte.
    using DoubleByteUpper = std::function<std::uint16_t(std::uint16_t character)>;

    // A single-byte code page: no lead bytes.
    CodePage();
    CodePage(const LeadByteTest& isLeadByte, DoubleByteUpper toUpper);

    bool IsLeadByte(unsigned char byte) const { return m_leadBytes[byte]; }
    bool HasLeadBytes() const { return m_hasLeadBytes; }
    std::uint16_t ToUpper(std::uint16_t doubleByteCharacter) const;

private:
    std::array<bool, 256> m_leadBytes{};
    bool m_hasLeadBytes = false;
    DoubleByteUpper m_toUpper;
};

// Negative, zero or positive as `a` sorts before, with or after `b`.
int CompareListTexts(std::string_view a, std::string_view b, const CodePage& codePage);

// A byte string whose plain unsigned comparison (std::string::compare) orders texts exactly
// as CompareListTexts does, so a sort can fold each text once instead of per comparison.
std::string ListSortKey(std::string_view text, const CodePage& codePage);

// For j = 0..n-2, for k = n-1 down to j+1: exchange j and k when compare(j, k) > 0.
template <typename T, typename Compare> void ExchangeSort(std::vector<T>& items, Compare compare)
{
    const std::size_t count = items.size();
    for (std::size_t j = 0; j + 1 < count; ++j) {
        for (std::size_t k = count - 1; k > j; --k) {
            if (compare(items[j], items[k]) > 0) {
                using std::swap;
                swap(items[j], items[k]);
            }
        }
    }
}

// Sorts list texts into Sort List's order.
void SortListTexts(std::vector<std::string>& texts, const CodePage& codePage);

// The code page the system defines under this number (0: the process's own ANSI code page).
CodePage PlatformCodePage(unsigned codePage = 0);

}  // namespace cordwain
