// Command-line tokens and the scan for file switches.
#include "app/command_line_tokens.h"

namespace cordwain {
namespace {

constexpr char kQuote = '"';
constexpr char kSeparator = ' ';

// The rest after "/a:" with one opening and one closing quote removed, each on its own;
// a rest of two characters or fewer is taken as it stands.
std::string StripSwitchQuotes(std::string rest)
{
    if (rest.size() <= 2) {
        return rest;
    }
    if (rest.front() == kQuote) {
        rest.erase(0, 1);
    }
    if (!rest.empty() && rest.back() == kQuote) {
        rest.pop_back();
    }
    return rest;
}

bool IsFileSwitch(const std::string& token)
{
    const bool switchMark = token[0] == '-' || token[0] == '/';
    const bool fileLetter = token[1] == 'a' || token[1] == 'A';
    return switchMark && fileLetter && token.size() >= 4 && token[2] == ':';
}

}  // namespace

std::size_t CCommandLineTokens::Parse(std::string line)
{
    std::vector<std::size_t> separators;
    bool inQuotes = false;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        if (line[pos] == kQuote) {
            inQuotes = !inQuotes;
        } else if (line[pos] == kSeparator && !inQuotes) {
            separators.push_back(pos);
        }
    }

    for (std::size_t i = 0; i < separators.size(); ++i) {
        const std::size_t begin = separators[i] + 1;
        const std::size_t end = i + 1 < separators.size() ? separators[i + 1] : line.size();
        m_vecTokens.push_back(line.substr(begin, end - begin));
    }
    return m_vecTokens.size();
}

std::vector<std::string> PendingFilesFromTokens(const CCommandLineTokens& tokens)
{
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < tokens.GetCount(); ++i) {
        const std::string token = tokens.GetToken(i);
        if (token.size() < 2) {
            break;  // a stop, not a skip: later switches are ignored too
        }
        if (IsFileSwitch(token)) {
            paths.push_back(StripSwitchQuotes(token.substr(3)));
        }
    }
    return paths;
}

}  // namespace cordwain
