// Name and folder are the path cut at its last whole '.' or '\', never inside a double-byte character.
#include "fuzz_target.h"
#include "join/output_name.h"

// Index of the last `wanted` that starts a character, or npos, stepping through the characters here.
static std::size_t LastWhole(const std::string& text, char wanted, LeadByteTest isLeadByte)
{
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < text.size(); i += isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1)
        last = text[i] == wanted ? i : last;
    return last;
}

void FuzzOne(FuzzedDataProvider& input)
{
    const auto isLeadByte = [](unsigned char byte) { return byte >= 0x81 && byte <= 0x9F; };
    const cordwain::CharClasses classes{input.ConsumeBool() ? +isLeadByte : NoLeadBytes};
    const std::string path = input.ConsumeRemainingBytesAsString();
    const std::size_t dot = LastWhole(path, '.', classes.isLeadByte);
    const bool numbered =
        dot != std::string::npos && path.find_first_not_of("0123456789", dot + 1) == std::string::npos;
    // A dot at the very start keeps the whole path.
    assert(cordwain::SuggestedOutputName(path, classes) == (dot == 0 ? path : numbered ? path.substr(0, dot) : ""));
    const std::size_t slash = LastWhole(path, '\\', classes.isLeadByte);
    const std::optional<std::string> folder = cordwain::InitialOutputFolder(path, classes);
    assert(folder ? *folder == path.substr(0, slash == std::string::npos ? 0 : slash) : slash == 0);
}
