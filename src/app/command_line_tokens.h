// Splits the raw command line into tokens and scans them for /a: file switches.
// Portable: the Win32 start-up feeds it GetCommandLineA and forwards the queued paths.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace cordwain {

// The tokens of one raw command line, in command-line order.
// Only spaces outside double quotes separate; the program path in front of the
// first separator is never a token, and quotes stay inside the tokens.
class CCommandLineTokens {
public:
    CCommandLineTokens() = default;
    CCommandLineTokens(const CCommandLineTokens&) = default;
    CCommandLineTokens& operator=(const CCommandLineTokens&) = default;
    CCommandLineTokens(CCommandLineTokens&&) = default;
    CCommandLineTokens& operator=(CCommandLineTokens&&) = default;
    virtual ~CCommandLineTokens() = default;

    // Appends the tokens of line; answers the number of tokens now held.
    std::size_t Parse(std::string line);

    std::size_t GetCount() const { return m_vecTokens.size(); }

    // The token at index, which must be below GetCount(); throws std::out_of_range otherwise.
    std::string GetToken(std::size_t index) const { return m_vecTokens.at(index); }

private:
    std::vector<std::string> m_vecTokens;
};

// The paths that the /a: (or -a:, /A:, -A:) switches name, in token order.
// A token shorter than two characters ends the scan.
std::vector<std::string> PendingFilesFromTokens(const CCommandLineTokens& tokens);

}  // namespace cordwain
