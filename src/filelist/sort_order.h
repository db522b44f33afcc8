// The order of Sort List: texts compared with ASCII-only case folding, and the exchange
// sort whose fixed order of comparisons decides where equal texts end up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/code_page.h"

namespace cordwain {

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

}  // namespace cordwain
