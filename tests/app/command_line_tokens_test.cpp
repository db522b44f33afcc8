// Tests for splitting the command line and for the /a: file switches it carries.
#include "app/command_line_tokens.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> TokensOf(const std::string& line)
{
    CCommandLineTokens tokens;
    tokens.Parse(line);
    std::vector<std::string> result;
    for (std::size_t i = 0; i < tokens.GetCount(); ++i) {
        result.push_back(tokens.GetToken(i));
    }
    return result;
}

// Stands in for the main window: records what start-up queues on it.
struct PendingFileRecorder {
    std::vector<std::string> files;
    void AddPendingFile(std::string path) { files.push_back(std::move(path)); }
};

std::vector<std::string> QueuedBy(const std::string& line)
{
    CCommandLineTokens tokens;
    tokens.Parse(line);
    PendingFileRecorder recorder;
    ApplyCommandLine(recorder, tokens);
    return recorder.files;
}

using Paths = std::vector<std::string>;

}  // namespace

TEST(CommandLineTokens, OnlySpacesOutsideQuotesSeparate)
{
    EXPECT_EQ(TokensOf(R"(prog.exe one "two three" four)"), (Paths{"one", R"("two three")", "four"}));
    EXPECT_EQ(TokensOf("prog.exe a\tb c"), (Paths{"a\tb", "c"}));
    EXPECT_EQ(TokensOf(R"("C:\Program Files\prog.exe" x)"), (Paths{"x"}));
}

TEST(CommandLineTokens, ProgramPathAloneGivesNoTokens)
{
    EXPECT_TRUE(TokensOf("prog.exe").empty());
    EXPECT_TRUE(TokensOf("").empty());
    EXPECT_TRUE(TokensOf(R"("C:\My Programs\prog.exe")").empty());
}

TEST(CommandLineTokens, EmptyTokensAreKept)
{
    EXPECT_EQ(TokensOf("prog.exe  a"), (Paths{"", "a"}));
    EXPECT_EQ(TokensOf("prog.exe a "), (Paths{"a", ""}));
    EXPECT_EQ(TokensOf("prog.exe "), (Paths{""}));
}

TEST(CommandLineTokens, ParseAppendsAndCountsEverythingHeld)
{
    CCommandLineTokens tokens;
    EXPECT_EQ(tokens.Parse("prog.exe a b"), 2U);
    EXPECT_EQ(tokens.Parse("prog.exe c"), 3U);
    EXPECT_EQ(tokens.GetCount(), 3U);
    EXPECT_EQ(tokens.GetToken(2), "c");
    EXPECT_THROW(tokens.GetToken(3), std::out_of_range);
}

TEST(ApplyCommandLine, QueuesFileSwitchesInOrder)
{
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:D:\in\one.txt /a:D:\in\two.txt)"),
              (Paths{R"(D:\in\one.txt)", R"(D:\in\two.txt)"}));
    EXPECT_EQ(QueuedBy(R"(prog.exe -A:D:\in\one.txt /A:x -a:y)"), (Paths{R"(D:\in\one.txt)", "x", "y"}));
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:D:\one.txt /a:D:\one.txt)"), (Paths{R"(D:\one.txt)", R"(D:\one.txt)"}));
}

TEST(ApplyCommandLine, IgnoresTokensThatAreNotFileSwitches)
{
    EXPECT_TRUE(QueuedBy(R"(prog.exe D:\in\one.txt)").empty());
    EXPECT_TRUE(QueuedBy(R"(prog.exe "D:\My Files\one.txt")").empty());
    EXPECT_TRUE(QueuedBy(R"(prog.exe "/a:D:\My Files\one.txt")").empty());
    EXPECT_TRUE(QueuedBy("prog.exe /b:x /a;x a:xy /a:").empty());
    EXPECT_EQ(QueuedBy("prog.exe /a: /ax:y /a:z"), (Paths{"z"}));
}

TEST(ApplyCommandLine, ShortTokenStopsTheScan)
{
    EXPECT_TRUE(QueuedBy(R"(prog.exe  /a:D:\in\one.txt)").empty());
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:D:\in\one.txt x /a:D:\in\two.txt)"), (Paths{R"(D:\in\one.txt)"}));
    EXPECT_EQ(QueuedBy("prog.exe /a:one  /a:two"), (Paths{"one"}));
    EXPECT_EQ(QueuedBy("prog.exe /a:one "), (Paths{"one"}));
}

TEST(ApplyCommandLine, UnquotedProgramPathWithSpace)
{
    EXPECT_EQ(QueuedBy(R"(C:\My Programs\prog.exe /a:x)"), (Paths{"x"}));
    EXPECT_EQ(QueuedBy(R"(C:\Old -a:v2\prog.exe /a:x)"), (Paths{R"(v2\prog.exe)", "x"}));
}

TEST(ApplyCommandLine, StripsOneQuoteAtEachEndOfALongerPath)
{
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:"D:\My Files\one.txt")"), (Paths{R"(D:\My Files\one.txt)"}));
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:"x")"), (Paths{"x"}));
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:"")"), (Paths{R"("")"}));
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:"D:\in\one.txt)"), (Paths{R"(D:\in\one.txt)"}));
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:D:\in\one.txt")"), (Paths{R"(D:\in\one.txt)"}));
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:""x"")"), (Paths{R"("x")"}));
    EXPECT_EQ(QueuedBy(R"(prog.exe /a:x")"), (Paths{R"(x")"}));
}

TEST(ApplyCommandLine, TabDoesNotSeparateSwitches)
{
    EXPECT_EQ(QueuedBy("prog.exe /a:one\t/a:two"), (Paths{"one\t/a:two"}));
}
