// The join engine against real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "join/copy_engine.h"
#include "join/join_texts.h"
#include "join_fakes.h"
#include "temp_folder.h"

namespace cordwain::testing {
namespace {

constexpr std::size_t kChunk = 524288;

class JoinOnDisk : public ::testing::Test {
protected:
    JoinOutcome Run(bool dividers = false)
    {
        const JoinServices services{list, progress, gate, files, pause};
        return RunJoinJob(services, JoinRequest{output, dividers}, succeeded);
    }

    // Every run, whatever its case, must read the flag and talk to the bar only under the gate.
    void TearDown() override
    {
        if (IsSkipped())
            return;
        EXPECT_EQ(gate.unlockedReads, 0);
        EXPECT_EQ(gate.nestedEnters, 0);
        EXPECT_FALSE(gate.held);
        EXPECT_EQ(progress.callsOutsideGate, 0);
        EXPECT_EQ(progress.closeRequests, 1);
        ASSERT_FALSE(progress.events.empty());
        EXPECT_EQ(progress.events.back(), "close");
        EXPECT_EQ(progress.succeededAtClose, succeeded.load());
    }

    TempFolder folder;
    std::string output = folder.PathOf("joined.out");
    VectorList list{std::vector<std::string>{}};
    ScriptedGate gate;
    std::atomic<bool> succeeded{true};  // a stale success from an earlier join must be cleared
    RecordingProgress progress{gate, succeeded};
    RecordingPause pause;
    StdioFileSystem files;
};

TEST_F(JoinOnDisk, CopiesFilesInListOrderWithNothingBetween)
{
    const std::string a = Pattern(2 * kChunk + 1000, 1);  // a chunk boundary inside the file
    const std::string b = Pattern(kChunk, 2);             // exactly one chunk
    const std::string c = "tail";
    list.paths = {folder.Write("a", a), folder.Write("b", b), folder.Write("e", ""), folder.Write("c", c)};

    const JoinOutcome outcome = Run();

    EXPECT_EQ(ReadAll(output), a + b + c);
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_TRUE(succeeded);
    EXPECT_TRUE(progress.succeededAtClose);
    EXPECT_TRUE(progress.messages.empty());
    EXPECT_EQ(progress.hideCalls, 1);
    EXPECT_EQ(progress.rangeCalls, 1);
    EXPECT_EQ(progress.shownFiles, list.paths);
    ASSERT_EQ(pause.pauses.size(), 1u);
    EXPECT_EQ(pause.pauses[0].count(), 500);
    // One position per non-empty chunk, posted before the chunk is written.
    const std::int64_t total = static_cast<std::int64_t>(a.size() + b.size() + c.size());
    const std::vector<int> expected = {static_cast<int>(kChunk * 1000 / total),
                                       static_cast<int>(2 * kChunk * 1000 / total),
                                       static_cast<int>((2 * kChunk + 1000) * 1000 / total),
                                       static_cast<int>((3 * kChunk + 1000) * 1000 / total), 1000};
    EXPECT_EQ(progress.positions, expected);
}

TEST_F(JoinOnDisk, DividerPrecedesEachFileWithThePathAsListed)
{
    const std::string a = Pattern(kChunk + 7, 3);
    list.paths = {folder.Write("a.txt", a), folder.Write("b.txt", "bee")};
    Run(true);

    const std::string expected = "\nFILE: " + list.paths[0] + "\n" + std::string(72, '-') + "\n" + a +
                                 "\nFILE: " + list.paths[1] + "\n" + std::string(72, '-') + "\n" + "bee";
    EXPECT_EQ(ReadAll(output), expected);
    EXPECT_EQ(ReadAll(output).size(), a.size() + 3 + list.paths[0].size() + 81 + list.paths[1].size() + 81);
    EXPECT_TRUE(succeeded);
}

TEST_F(JoinOnDisk, EmptyListGivesEmptyOutputAndSucceeds)
{
    folder.Write("joined.out", "old content");
    const JoinOutcome outcome = Run(true);

    EXPECT_TRUE(std::filesystem::exists(output));
    EXPECT_EQ(ReadAll(output), "");
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_TRUE(progress.succeededAtClose);
    EXPECT_EQ(progress.hideCalls, 1);
    EXPECT_TRUE(progress.messages.empty());
    EXPECT_TRUE(progress.shownFiles.empty());
    EXPECT_EQ(progress.events, (std::vector<std::string>{"range", "hide", "close"}));
}

TEST_F(JoinOnDisk, OnlyEmptyFilesWithoutDividersPostNoPosition)
{
    list.paths = {folder.Write("a", ""), folder.Write("b", "")};
    Run(false);
    EXPECT_EQ(ReadAll(output), "");
    EXPECT_TRUE(progress.positions.empty());
    EXPECT_TRUE(succeeded);
}

TEST_F(JoinOnDisk, OnlyEmptyFilesWithDividersGiveOneDividerEach)
{
    list.paths = {folder.Write("a", ""), folder.Write("b", "")};
    Run(true);
    EXPECT_EQ(ReadAll(output), DividerBlock(list.paths[0]) + DividerBlock(list.paths[1]));
    EXPECT_TRUE(succeeded);
}

TEST_F(JoinOnDisk, OneMissingFileGivesTheExactReport)
{
    list.paths = {folder.PathOf("missing")};
    Run(true);

    ASSERT_EQ(progress.messages.size(), 1u);
    EXPECT_EQ(progress.messages[0].text, "Trying to copy all the files, these errors occurred:\n\n\nCould not open " +
                                             list.paths[0] + "\n\nSorry it didn't turn out.  I did what I could.");
    EXPECT_EQ(progress.messages[0].caption, "Well...");
    EXPECT_EQ(progress.messages[0].style, 0x40u);
    EXPECT_EQ(ReadAll(output), "");  // no divider for a file that could not be opened
    EXPECT_FALSE(succeeded);
    EXPECT_EQ(progress.hideCalls, 0);
}

TEST_F(JoinOnDisk, MissingMiddleFileStopsAtTheThirdFilesFirstChunk)
{
    const std::string a = Pattern(1000, 4);
    list.paths = {folder.Write("a", a), folder.PathOf("b-missing"), folder.Write("c", Pattern(2000, 5)),
                  folder.Write("d", "never opened")};
    const JoinOutcome outcome = Run(true);

    EXPECT_EQ(ReadAll(output), DividerBlock(list.paths[0]) + a + DividerBlock(list.paths[2]));
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.errorLog, "\nCould not open " + list.paths[1]);
    ASSERT_EQ(progress.messages.size(), 1u);
    EXPECT_EQ(progress.messages[0].text, ErrorReportText("\nCould not open " + list.paths[1]));
    EXPECT_EQ(progress.shownFiles.size(), 3u);
    EXPECT_FALSE(succeeded);
}

TEST_F(JoinOnDisk, CancelAfterAChunkPassedItsCheckStillWritesThatChunk)
{
    const std::string a = Pattern(3 * kChunk, 6);
    list.paths = {folder.Write("a", a), folder.Write("b", "bee")};
    // Reads: 1 range, 2 the first chunk's check, 3 its position. Cancel lands between check and write.
    gate.falseFromRead = 3;
    const JoinOutcome outcome = Run();

    EXPECT_EQ(ReadAll(output), a.substr(0, kChunk));
    EXPECT_TRUE(outcome.stopped);
    EXPECT_TRUE(progress.positions.empty());
    EXPECT_TRUE(progress.messages.empty());
    EXPECT_EQ(progress.hideCalls, 0);
    EXPECT_EQ(progress.shownFiles.size(), 1u);  // the next file is never opened
    EXPECT_FALSE(succeeded);
}

TEST_F(JoinOnDisk, CancelWhileAChunkIsReadKeepsThatChunkOut)
{
    list.paths = {folder.Write("a", Pattern(2 * kChunk, 7))};
    gate.falseFromRead = 2;
    const JoinOutcome outcome = Run(true);
    EXPECT_EQ(ReadAll(output), DividerBlock(list.paths[0]));
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(progress.rangeCalls, 1);
}

TEST_F(JoinOnDisk, CancelDuringTheSizePassStillTruncatesAndWritesTheFirstDivider)
{
    folder.Write("joined.out", "previous join");
    list.paths = {folder.Write("a", "first"), folder.Write("b", "second")};
    list.onText = [this](int) { gate.Cancel(); };
    const JoinOutcome outcome = Run(true);

    EXPECT_EQ(progress.rangeCalls, 0);
    EXPECT_EQ(ReadAll(output), DividerBlock(list.paths[0]));
    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(succeeded);
}

TEST_F(JoinOnDisk, CancelIsNotNoticedAmongEmptyAndLaterFiles)
{
    list.paths = {folder.Write("a", "data"), folder.Write("b", "")};
    gate.falseFromRead = 4;  // after the only chunk's check and position
    const JoinOutcome outcome = Run();
    EXPECT_EQ(ReadAll(output), "data");
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_TRUE(succeeded);
}

TEST_F(JoinOnDisk, PositionsArePostedOnlyWhileTheDialogIsVisible)
{
    list.paths = {folder.Write("a", Pattern(kChunk + 1, 8))};
    progress.visible = false;
    Run();
    EXPECT_TRUE(progress.positions.empty());
    EXPECT_EQ(ReadAll(output).size(), kChunk + 1);
    EXPECT_TRUE(succeeded);
}

TEST_F(JoinOnDisk, FileThatGrewAfterTheSizePassIsCopiedWholePastAThousand)
{
    const std::string a = folder.Write("a", std::string(1000, 'a'));
    list.paths = {a};
    int textCalls = 0;
    list.onText = [&](int) {
        if (++textCalls == 2)
            folder.Write("a", std::string(1500, 'b'));  // between sizing and copying
    };
    Run();
    EXPECT_EQ(ReadAll(output), std::string(1500, 'b'));
    EXPECT_EQ(progress.positions, std::vector<int>{1500});
    EXPECT_TRUE(succeeded);
}

TEST_F(JoinOnDisk, FileThatAppearedAfterTheSizePassGivesPositionZero)
{
    const std::string a = folder.PathOf("late");
    list.paths = {a};
    int textCalls = 0;
    list.onText = [&](int) {
        if (++textCalls == 2)
            folder.Write("late", Pattern(kChunk + 5, 9));
    };
    Run();
    EXPECT_EQ(progress.positions, (std::vector<int>{0, 0}));
    EXPECT_EQ(ReadAll(output).size(), kChunk + 5);
}

TEST_F(JoinOnDisk, FolderAsInputIsAnErrorOfThePlatformsKind)
{
    std::filesystem::create_directories(folder.PathOf("sub"));
    list.paths = {folder.PathOf("sub"), folder.Write("b", "bee")};
    const JoinOutcome outcome = Run(true);

#ifdef _WIN32
    // The Windows run-time refuses to open a folder as a stream.
    EXPECT_EQ(outcome.errorLog, OpenFailureEntry(list.paths[0]));
    EXPECT_EQ(ReadAll(output), DividerBlock(list.paths[1]));
#else
    // glibc opens it; the first read fails without reaching the end.
    EXPECT_EQ(outcome.errorLog, ReadFailureEntry(list.paths[0]));
    EXPECT_EQ(ReadAll(output), DividerBlock(list.paths[0]) + DividerBlock(list.paths[1]));
#endif
    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(succeeded);
}

TEST_F(JoinOnDisk, OutputThatCannotBeOpenedEndsTheJobWithOhNo)
{
    output = folder.PathOf("no-such-folder/joined.out");
    list.paths = {folder.Write("a", "data")};
    const JoinOutcome outcome = Run(true);

    EXPECT_TRUE(outcome.outputFailed);
    ASSERT_EQ(progress.messages.size(), 1u);
    EXPECT_EQ(progress.messages[0].text,
              "Sorry; the output file could not be opened.\nCheck the permissions and make sure the file\n"
              "hasn't already been opened by another application.");
    EXPECT_EQ(progress.messages[0].caption, "Oh, no!");
    EXPECT_EQ(progress.messages[0].style, 0x10u);
    EXPECT_EQ(progress.events, (std::vector<std::string>{"message", "close"}));
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_FALSE(succeeded);
}

TEST_F(JoinOnDisk, SmallJoinToAFullDeviceIsNotASuccess)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no device that is always full; the fault-injecting file system covers it there";
#else
    // Every write fits the stream's buffer; only the close finds the device full.
    output = "/dev/full";
    list.paths = {folder.Write("a", "small")};
    const JoinOutcome outcome = Run(false);

    EXPECT_EQ(outcome.errorLog, WriteFailureEntry(list.paths[0]));
    EXPECT_FALSE(succeeded);
    ASSERT_EQ(progress.messages.size(), 1u);
    EXPECT_EQ(progress.messages[0].caption, "Well...");
#endif
}

TEST_F(JoinOnDisk, ShortWriteOnAFullDeviceStopsAtTheNextFile)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no device that is always full; the fault-injecting file system covers it there";
#else
    output = "/dev/full";
    list.paths = {folder.Write("a", Pattern(kChunk, 10)), folder.Write("b", "bee")};
    const JoinOutcome outcome = Run(true);

    EXPECT_EQ(outcome.errorLog, WriteFailureEntry(list.paths[0]));
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(progress.shownFiles, list.paths);
    ASSERT_EQ(progress.messages.size(), 1u);
    EXPECT_EQ(progress.messages[0].caption, "Well...");
    EXPECT_FALSE(succeeded);
#endif
}

}  // namespace
}  // namespace cordwain::testing
