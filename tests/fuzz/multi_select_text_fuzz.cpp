// The overflow test never wraps round, and a selection text's names are pieces of it, in order.
#include "filelist/multi_select_text.h"
#include "fuzz_target.h"

void FuzzOne(FuzzedDataProvider& input)
{
    const auto names = input.ConsumeIntegral<std::uint32_t>();
    const auto folder = input.ConsumeIntegral<std::uint32_t>();
    assert(cordwain::SelectionOverflows(names, folder) ==
           (std::uint64_t{names} + folder > cordwain::kSelectionBufferChars));
    const std::string text = input.ConsumeRemainingBytesAsString();
    const bool quoted = !text.empty() && text[0] == '"';
    std::size_t from = 0;
    for (const std::string& name : cordwain::SplitQuotedNames(text)) {
        from = text.find(name, from);
        assert(!name.empty() && from != std::string::npos &&
               (quoted ? name.find('"') == std::string::npos : name == text));
        from += name.size();
    }
}
