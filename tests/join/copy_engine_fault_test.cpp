// The join engine over made-up files: faults and sizes that real files in a test can't give.
#include <gtest/gtest.h>

#include "join/copy_engine.h"
#include "join/join_texts.h"
#include "join_fakes.h"

namespace cordwain::testing {
namespace {

constexpr std::int64_t kChunk = 524288;
constexpr std::int64_t kGiB = 1024LL * 1024 * 1024;

class JoinWithFaults : public ::testing::Test {
protected:
    JoinOutcome Run(bool dividers = false)
    {
        const JoinServices services{list, progress, gate, files, pause};
        return RunJoinJob(services, JoinRequest{"out", dividers}, succeeded);
    }
    void Add(const std::string& path, FakeFileSystem::File file)
    {
        files.files[path] = file;
        list.paths.push_back(path);
    }

    VectorList list{std::vector<std::string>{}};
    ScriptedGate gate;
    std::atomic<bool> succeeded{false};
    RecordingProgress progress{gate, succeeded};
    RecordingPause pause;
    FakeFileSystem files;
};

TEST_F(JoinWithFaults, ReadFailingMidFileKeepsWhatWasWrittenAndStopsAtTheNextFile)
{
    Add("a", {3 * kChunk, 3 * kChunk, 2 * kChunk + 100});
    Add("b", {10, 10, -1});
    const JoinOutcome outcome = Run();

    EXPECT_EQ(outcome.errorLog, "\nCould not read a to the end.");
    EXPECT_EQ(files.bytesWritten, 2 * kChunk + 100);
    EXPECT_TRUE(outcome.stopped);
    // b was opened and read, and its chunk was not written; the stop closes input then output.
    EXPECT_EQ(files.events,
              (std::vector<std::string>{"open output", "open a", "close a", "open b", "close b", "close output"}));
    ASSERT_EQ(progress.messages.size(), 1u);
    EXPECT_EQ(progress.messages[0].text, ErrorReportText("\nCould not read a to the end."));
}

TEST_F(JoinWithFaults, ShortWriteReportsOnceAndTheNextFileGetsOnlyItsDivider)
{
    Add("a", {kChunk, kChunk, -1});
    Add("b", {5, 5, -1});
    files.outputCapacity = kChunk - 1;
    const JoinOutcome outcome = Run(true);

    EXPECT_EQ(outcome.errorLog, WriteFailureEntry("a"));
    EXPECT_TRUE(outcome.stopped);
    const auto divider = static_cast<std::size_t>(1 + 81);
    EXPECT_EQ(files.writeSizes, (std::vector<std::size_t>{divider, static_cast<std::size_t>(kChunk), divider}));
    EXPECT_FALSE(succeeded);
}

TEST_F(JoinWithFaults, ShortWriteInTheLastFileJustEndsTheList)
{
    Add("a", {10, 10, -1});
    files.outputCapacity = 3;
    const JoinOutcome outcome = Run();
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.errorLog, WriteFailureEntry("a"));
    EXPECT_EQ(progress.messages.size(), 1u);
    EXPECT_EQ(progress.hideCalls, 0);
}

// Data the stream still buffered when the output is closed can fail to reach the disk; a join
// that lost it must not be called a success.
TEST_F(JoinWithFaults, OutputThatFailsToCloseIsReportedNotCalledASuccess)
{
    Add("a", {10, 10, -1});
    Add("b", {20, 20, -1});
    files.failOutputClose = true;
    const JoinOutcome outcome = Run();

    EXPECT_EQ(outcome.errorLog, WriteFailureEntry("b"));
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_FALSE(succeeded);
    EXPECT_FALSE(progress.succeededAtClose);
    ASSERT_EQ(progress.messages.size(), 1u);
    EXPECT_EQ(progress.messages[0].caption, "Well...");
    // The output is closed before the report, so the report speaks of a file that is complete on disk.
    EXPECT_EQ(files.events.back(), "close output");
}

TEST_F(JoinWithFaults, FailedCloseAfterAShortWriteIsNotReportedTwice)
{
    Add("a", {kChunk, kChunk, -1});
    files.outputCapacity = 10;
    files.failOutputClose = true;
    const JoinOutcome outcome = Run();

    EXPECT_EQ(outcome.errorLog, WriteFailureEntry("a"));
}

TEST_F(JoinWithFaults, SizesBeyondFourGibibytesKeepProgressExact)
{
    Add("a", {3 * kGiB, 3 * kGiB, -1});
    Add("b", {3 * kGiB, 3 * kGiB, -1});
    Run();

    EXPECT_EQ(files.bytesWritten, 6 * kGiB);
    const std::size_t chunksPerFile = static_cast<std::size_t>(3 * kGiB / kChunk);
    ASSERT_EQ(progress.positions.size(), 2 * chunksPerFile);
    EXPECT_EQ(progress.positions[chunksPerFile - 1], 500);
    EXPECT_EQ(progress.positions.back(), 1000);
    for (std::size_t i = 1; i < progress.positions.size(); ++i) {
        ASSERT_LE(progress.positions[i - 1], progress.positions[i]) << "at chunk " << i;
    }
    EXPECT_TRUE(succeeded);
}

TEST_F(JoinWithFaults, PositionWrapsToItsLowSixteenBits)
{
    // The size pass saw 1000 bytes; 40000 are read: 40,000 thousandths, which as a signed
    // 16-bit number is 40000 - 65536.
    Add("a", {1000, 40000, -1});
    Run();
    EXPECT_EQ(progress.positions, std::vector<int>{-25536});
}

TEST_F(JoinWithFaults, TotalOfZeroPostsZeroForEveryChunk)
{
    Add("a", {0, 2 * kChunk + 1, -1});
    Run();
    EXPECT_EQ(progress.positions, (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(succeeded);
}

TEST_F(JoinWithFaults, ListIsAskedAfreshNotCopied)
{
    Add("a", {1, 1, -1});
    Add("b", {1, 1, -1});
    std::vector<int> asked;
    list.onText = [&](int index) { asked.push_back(index); };
    files.files["c"] = {1, 1, -1};
    // The list grows while the first file is copied: the copy loop must see the new entry.
    int calls = 0;
    list.onText = [&](int index) {
        asked.push_back(index);
        if (++calls == 3)
            list.paths.push_back("c");
    };
    Run();
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 0, 1, 2}));
    EXPECT_EQ(files.bytesWritten, 3);
}

}  // namespace
}  // namespace cordwain::testing
