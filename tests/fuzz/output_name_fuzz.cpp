// The folder and the numbered name are the path cut at a whole '\' or '.' that no whole one
// follows; the proposal is nothing, the path itself, or the numbered name without dot and number.
#include "framework/path_text.h"
#include "framework/text_scan.h"
#include "fuzz_target.h"
#include "join/output_name.h"

void FuzzOne(FuzzedDataProvider& input)
{
    const CodePage codePage([lead = input.ConsumeBool()](unsigned char byte) { return lead && byte >= 0x81; });
    const std::string path = input.ConsumeRemainingBytesAsString();
    std::vector<bool> boundary(path.size() + 1);
    for (std::size_t i = 0; i <= path.size(); i += i < path.size() ? CharacterLength(path, i, codePage) : 1)
        boundary[i] = true;
    const std::size_t nameStart = NameStart(path, codePage, "\\");
    const std::string name = path.substr(nameStart);
    assert(boundary[nameStart] && (nameStart == 0 || path[nameStart - 1] == '\\') &&
           NameStart(name, codePage, "\\") == 0);
    const std::optional<std::string> folder = cordwain::InitialOutputFolder(path, codePage);
    assert(folder ? *folder + (nameStart > 0 ? "\\" : "") + name == path && nameStart != 1 : nameStart == 1);

    const auto numbered = cordwain::SplitNumberedName(path, codePage);
    assert(!numbered || (numbered->stem + numbered->digits == path && numbered->stem.back() == '.' &&
                         boundary[numbered->stem.size() - 1] &&
                         numbered->digits.find_first_not_of("0123456789") == std::string::npos));
    const std::string proposed = cordwain::SuggestedOutputName(path, codePage);
    assert(proposed.empty() || (proposed == path && path[0] == '.') ||
           (numbered && proposed + '.' + numbered->digits == path));
}
