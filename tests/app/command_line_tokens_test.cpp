// Splitting the command line into tokens, and the /a: file switches they carry.
#include <gtest/gtest.h>

#include "app/command_line_tokens.h"

namespace cordwain {
namespace {

using Strings = std::vector<std::string>;

Strings QueuedBy(const std::string& line)
{
    CCommandLineTokens tokens;
    tokens.Parse(line);
    return PendingFilesFromTokens(tokens);
}

// Where tokens split is checked against the line they came from by a fuzz target.
TEST(CommandLineTokens, FileSwitchesAreQueuedInOrderUntilAShortToken)
{
    struct Case {
        const char* line;
        Strings queued;
    };
    const Case cases[] = {
        {R"(prog.exe /a:D:\in\one.txt -A:two /A:x -a:y /a:x)", {R"(D:\in\one.txt)", "two", "x", "y", "x"}},
        {R"(prog.exe D:\in\one.txt "D:\My Files\one.txt" "/a:D:\in\q.txt" /b:x /a;x a:xy /a: /ax:y /a:z)", {"z"}},
        {R"(prog.exe  /a:one)", {}},  // two spaces: an empty first token ends the scan
        {R"(prog.exe /a:one x /a:two)", {"one"}},
        {"prog.exe /a:one ", {"one"}},
        {R"(C:\My Programs\prog.exe /a:x)", {"x"}},
        {R"(C:\Old -a:v2\prog.exe /a:x)", {R"(v2\prog.exe)", "x"}},
        // One quote is stripped at each end of a rest longer than two characters.
        {R"(prog.exe /a:"D:\My Files\one.txt" /a:"x" /a:"" /a:""x"")",
         {R"(D:\My Files\one.txt)", "x", R"("")", R"("x")"}},
        {R"(prog.exe /a:"D:\in\one.txt)", {R"(D:\in\one.txt)"}},
        {R"(prog.exe /a:D:\in\one.txt")", {R"(D:\in\one.txt)"}},
        {R"(prog.exe /a:x")", {R"(x")"}},
        {"prog.exe /a:one\t/a:two", {"one\t/a:two"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QueuedBy(c.line), c.queued) << c.line;
}

}  // namespace
}  // namespace cordwain
