// The comparison is a total order on any code page, and the sort puts its input in that order.
#include "filelist/sort_order.h"
#include "fuzz_target.h"

void FuzzOne(FuzzedDataProvider& input)
{
    // Lead bytes: those above a fuzzed byte (so maybe none); upper-casing may fold a pair onto a single byte.
    const auto bits = input.ConsumeIntegral<std::uint32_t>();
    const CodePage codePage([bits](unsigned char b) { return b > bits >> 24; },
                            [bits](std::uint16_t c) { return static_cast<std::uint16_t>(c & bits); });
    const auto order = [&codePage](const std::string& a, const std::string& b) {
        return std::clamp(cordwain::CompareListTexts(a, b, codePage), -1, 1);
    };
    std::vector<std::string> texts;
    while (texts.size() < 3 || (input.remaining_bytes() > 0 && texts.size() < 48))
        texts.push_back(input.ConsumeRandomLengthString(32));
    const int ab = order(texts[0], texts[1]);
    const int bc = order(texts[1], texts[2]);
    const int ac = order(texts[0], texts[2]);
    assert(order(texts[0], texts[0]) == 0 && ab == -order(texts[1], texts[0]));
    assert((ab > 0 || bc > 0 || ac <= 0) && (ab < 0 || bc < 0 || ac >= 0));  // transitive both ways
    std::vector<std::string> sorted = texts;
    cordwain::SortListTexts(sorted, codePage);
    assert(std::is_permutation(sorted.begin(), sorted.end(), texts.begin(), texts.end()));
    for (std::size_t i = 1; i < sorted.size(); ++i)
        assert(order(sorted[i - 1], sorted[i]) <= 0);
}
