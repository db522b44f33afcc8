// cordwain-join's decisions and exit statuses, run in-process against real files.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/join_tool.h"
#include "join/join_texts.h"
#include "support/temp_folder.h"

namespace cordwain {
namespace {

class JoinTool : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        const JoinConsole console{out, err, false, CharClasses{},
                                  [this](const std::function<void()>& work, const std::function<void()>& onInterrupt) {
                                      if (interruptFirst)
                                          onInterrupt();
                                      work();
                                      return interruptFirst;
                                  }};
        return RunJoinTool(arguments, console);
    }

    TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    bool interruptFirst = false;
};

TEST_F(JoinTool, JoinsIntoTheProposedNameOrTheNamedOutput)
{
    const std::string first = folder.Write("Grüße-日本-😀.avi.001", "abc");
    const std::string second = folder.Write("Grüße-日本-😀.avi.002", "def");
    EXPECT_EQ(Run({first, second}), kExitJoined);
    EXPECT_EQ(ReadAll(folder.PathOf("Grüße-日本-😀.avi")), "abcdef");
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(Run({"-d", "-o", folder.PathOf("o"), first}), kExitJoined);
    EXPECT_EQ(ReadAll(folder.PathOf("o")), DividerBlock(first) + "abc");
}

#ifndef _WIN32
TEST_F(JoinTool, NamesAreBytesNotText)
{
    const std::string piece = folder.Write("\xff\xfe-not-utf-8.bin.001", "bytes");  // no valid UTF-8
    EXPECT_EQ(Run({piece}), kExitJoined);
    EXPECT_EQ(ReadAll(folder.PathOf("\xff\xfe-not-utf-8.bin")), "bytes");
}
#endif

TEST_F(JoinTool, RefusalsLeaveEveryFileAlone)
{
    const std::string a = folder.Write("a", "keep me");
    const std::string b = folder.Write("b", "and me");
    EXPECT_EQ(Run({"-f", "-o", folder.PathOf(".") + "/b", a, b}), kExitFailed);  // another spelling, even with -f
    EXPECT_EQ(err.str(), std::string("Oh, no!\n") + kOutputInListText + "\n");
    EXPECT_EQ(Run({"-o", b, a}), kExitFailed);  // exists: needs -f
    EXPECT_NE(err.str().find("already exists; use -f"), std::string::npos);
    EXPECT_EQ(ReadAll(a), "keep me");
    EXPECT_EQ(ReadAll(b), "and me");
    EXPECT_EQ(Run({"--force", "-o", b, a}), kExitJoined);
    EXPECT_EQ(ReadAll(b), "keep me");
}

TEST_F(JoinTool, UsageErrorsAndTheirStatus)
{
    EXPECT_EQ(Run({folder.Write("notes.txt", "x")}), kExitUsage);
    EXPECT_NE(err.str().find("-o OUTPUT"), std::string::npos);
    EXPECT_EQ(Run({}), kExitUsage);
    EXPECT_EQ(Run({"-x"}), kExitUsage);
    EXPECT_EQ(Run({"--version"}), kExitJoined);
    EXPECT_EQ(out.str(), "cordwain-join 2.1\n");
    EXPECT_EQ(Run({"--help"}), kExitJoined);
    EXPECT_EQ(out.str().rfind("Usage: cordwain-join ", 0), 0u);
}

TEST_F(JoinTool, FailuresGiveTheReportAndStatusOne)
{
    const std::string a = folder.Write("a", "a");
    EXPECT_EQ(Run({"-o", folder.PathOf("t"), a, folder.PathOf("gone")}), kExitFailed);
    EXPECT_EQ(err.str(), std::string("Well...\n") + ErrorReportText(OpenFailureEntry(folder.PathOf("gone"))) + "\n");
    EXPECT_EQ(ReadAll(folder.PathOf("t")), "a");
    EXPECT_EQ(Run({"-o", folder.PathOf("no/such/dir"), a}), kExitFailed);
    EXPECT_EQ(err.str(), std::string("Oh, no!\n") + kOutputOpenFailedText + "\n");
}

TEST_F(JoinTool, InterruptTakesTheCancelPathAndLeavesThePartialOutput)
{
    const std::string a = folder.Write("a", "data");
    interruptFirst = true;
    EXPECT_EQ(Run({"-d", "-o", folder.PathOf("t"), a}), kExitInterrupted);
    EXPECT_EQ(ReadAll(folder.PathOf("t")), DividerBlock(a));
}

}  // namespace
}  // namespace cordwain
