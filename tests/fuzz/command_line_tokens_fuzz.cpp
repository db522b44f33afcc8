// Tokens split only at spaces outside quotes and drop nothing else; the /a: scan only cuts.
#include "app/command_line_tokens.h"
#include "fuzz_target.h"

// True when text has no space outside quotes (counted from its start) and, unless it ends the
// line, closes every quote it opens: only a space outside quotes separates.
static bool IsWhole(const std::string& text, bool endsLine)
{
    bool quoted = false;
    for (const char c : text) {
        if (c == ' ' && !quoted)
            return false;
        quoted ^= c == '"';
    }
    return endsLine || !quoted;
}

void FuzzOne(FuzzedDataProvider& input)
{
    const std::string line = input.ConsumeRemainingBytesAsString();
    cordwain::CCommandLineTokens tokens;
    const std::size_t count = tokens.Parse(line);
    std::string rebuilt;
    for (std::size_t i = 0; i < count; ++i) {
        assert(IsWhole(tokens.GetToken(i), i + 1 == count));
        rebuilt += ' ' + tokens.GetToken(i);
    }
    // The line is the program path, which holds no separator, then each token after its own.
    const std::size_t pathSize = line.size() - rebuilt.size();
    assert(rebuilt.size() <= line.size() && line.compare(pathSize, rebuilt.size(), rebuilt) == 0);
    assert(IsWhole(line.substr(0, pathSize), count == 0));
    for (const std::string& path : cordwain::PendingFilesFromTokens(tokens))
        assert(line.find(path) != std::string::npos);
}
