// cordwain-join's decisions and exit statuses, run in-process against real files.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/join_command.h"
#include "join/join_texts.h"
#include "tests/join/temp_folder.h"

namespace cordwain::testing {
namespace {

class JoinCommand : public ::testing::Test {
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
        return RunJoinCommand(arguments, console);
    }

    TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    bool interruptFirst = false;
};

TEST_F(JoinCommand, JoinsIntoTheProposedNameBesideTheFirstPiece)
{
    const std::string first = folder.Write("film.avi.001", "abc");
    const std::string second = folder.Write("film.avi.002", "def");
    EXPECT_EQ(Run({first, second}), kExitJoined);
    EXPECT_EQ(ReadAll(folder.PathOf("film.avi")), "abcdef");
    EXPECT_EQ(err.str(), "");
}

TEST_F(JoinCommand, DividersAndAnExplicitOutput)
{
    const std::string a = folder.Write("a", "1");
    const std::string out_path = folder.PathOf("o");
    EXPECT_EQ(Run({"-d", "-o", out_path, a}), kExitJoined);
    EXPECT_EQ(ReadAll(out_path), DividerBlock(a) + "1");
}

TEST_F(JoinCommand, NoProposedNameAsksForAnOutput)
{
    const std::string notes = folder.Write("notes.txt", "x");
    EXPECT_EQ(Run({notes}), kExitUsage);
    EXPECT_NE(err.str().find("-o OUTPUT"), std::string::npos);
    EXPECT_EQ(Run({}), kExitUsage);
}

TEST_F(JoinCommand, RefusesAnOutputThatIsOneOfTheInputs)
{
    const std::string a = folder.Write("a", "keep me");
    const std::string b = folder.Write("b", "and me");
    const std::string expected = std::string("Oh, no!\n") + kOutputInListText + "\n";

    EXPECT_EQ(Run({"-f", "-o", b, a, b}), kExitFailed);
    EXPECT_EQ(err.str(), expected);
    // Another spelling of the same file, even with --force.
    EXPECT_EQ(Run({"-f", "-o", folder.PathOf(".") + "/a", a, b}), kExitFailed);
    EXPECT_EQ(err.str(), expected);
    EXPECT_EQ(ReadAll(a), "keep me");
    EXPECT_EQ(ReadAll(b), "and me");
}

TEST_F(JoinCommand, ExistingOutputNeedsForce)
{
    const std::string a = folder.Write("a", "new");
    const std::string target = folder.Write("target", "old");
    EXPECT_EQ(Run({"-o", target, a}), kExitFailed);
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(Run({"--force", "-o", target, a}), kExitJoined);
    EXPECT_EQ(ReadAll(target), "new");
}

TEST_F(JoinCommand, RecordedErrorsGiveTheReportAndStatusOne)
{
    const std::string a = folder.Write("a", "a");
    const std::string target = folder.PathOf("t");
    EXPECT_EQ(Run({"-o", target, a, folder.PathOf("gone")}), kExitFailed);
    EXPECT_EQ(err.str(), std::string("Well...\n") + ErrorReportText(OpenFailureEntry(folder.PathOf("gone"))) + "\n");
    EXPECT_EQ(ReadAll(target), "a");
}

TEST_F(JoinCommand, OutputThatCannotBeCreatedGivesOhNo)
{
    const std::string a = folder.Write("a", "a");
    EXPECT_EQ(Run({"-o", folder.PathOf("no/such/dir"), a}), kExitFailed);
    EXPECT_EQ(err.str(), std::string("Oh, no!\n") + kOutputOpenFailedText + "\n");
}

TEST_F(JoinCommand, InterruptTakesTheCancelPath)
{
    const std::string a = folder.Write("a", "data");
    const std::string target = folder.PathOf("t");
    interruptFirst = true;
    EXPECT_EQ(Run({"-d", "-o", target, a}), kExitInterrupted);
    EXPECT_EQ(ReadAll(target), DividerBlock(a));  // partial output left as it was
}

TEST_F(JoinCommand, HelpAndVersionGoToStandardOutput)
{
    EXPECT_EQ(Run({"--version"}), kExitJoined);
    EXPECT_EQ(out.str(), "cordwain-join 2.1\n");
    EXPECT_EQ(Run({"--help"}), kExitJoined);
    EXPECT_EQ(out.str().rfind("Usage: cordwain-join [-d|--dividers] [-f|--force] [-o OUTPUT] FILE...", 0), 0u);
    EXPECT_EQ(Run({"-x"}), kExitUsage);
}

}  // namespace
}  // namespace cordwain::testing
