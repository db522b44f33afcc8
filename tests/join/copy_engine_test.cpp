// The join engine: bytes in list order, dividers, progress, the stop rule, the report, success;
// over made-up files, for faults real ones can't show (the joiner's tests run it on real files).
#include <algorithm>

#include "engine_fixture.h"
#include "join/join_texts.h"
#include "support/temp_folder.h"

namespace cordwain {
namespace {

constexpr std::int64_t kChunk = 524288;

using JoinEngine = EngineFixture;
using Strings = std::vector<std::string>;

int Count(const Strings& events, const char* event) { return int(std::count(events.begin(), events.end(), event)); }

TEST_P(JoinEngine, CopiesFilesInListOrderChunkByChunk)
{
    Add("a", {Pattern(2 * kChunk + 1000, 1)});  // a chunk boundary inside the file
    Add("b", {Pattern(kChunk, 2)});             // exactly one chunk
    Add("e");
    Add("c", {"tail"});
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(written, files["a"].bytes + files["b"].bytes + "tail");
    EXPECT_EQ(Opened(), paths);
    EXPECT_EQ(events.end()[-2], "hide");
    // One position per non-empty chunk, counting it as it goes out.
    const std::int64_t total = 3 * kChunk + 1004;
    EXPECT_EQ(positions, (std::vector<int>{int(kChunk * 1000 / total), int(2 * kChunk * 1000 / total),
                                           int((2 * kChunk + 1000) * 1000 / total),
                                           int((3 * kChunk + 1000) * 1000 / total), 1000}));
    EXPECT_EQ(Run(true).succeeded, true);  // dividers before each file, empty ones too
    EXPECT_EQ(written, DividerBlock("a") + files["a"].bytes + DividerBlock("b") + files["b"].bytes + DividerBlock("e") +
                           DividerBlock("c") + "tail");
}

TEST_P(JoinEngine, EmptyListOrEmptyFilesGiveAnEmptyOutputAndSucceed)
{
    EXPECT_TRUE(Run(true).succeeded);
    EXPECT_EQ(events, (Strings{"pause 500", "open output", "range", "hide", "close output", "close"}));
    Add("a");
    Add("b");
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(written, "");
    EXPECT_TRUE(positions.empty());
}

TEST_P(JoinEngine, MissingFileIsReportedAndTheNextFilesFirstChunkStopsTheJob)
{
    Add("a", {"first"});
    paths.push_back("b-missing");  // no divider for a file that can't be opened
    Add("c", {"third"});
    Add("d", {"never opened"});
    const JoinOutcome outcome = Run(true);
    EXPECT_EQ(written, DividerBlock("a") + "first" + DividerBlock("c"));
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(Opened(), (Strings{"a", "c"}));
    EXPECT_EQ(messages, Strings{"Well...\nTrying to copy all the files, these errors occurred:\n\n\nCould not open "
                                "b-missing\n\nSorry it didn't turn out.  I did what I could."});
    EXPECT_EQ(Count(events, "hide"), 0);
}

// The flag's reads: 1 at the range, then for each chunk 2 at its check and 3 at its position.
TEST_P(JoinEngine, CancelIsSeenOnlyAtAChunksCheck)
{
    Add("a", {Pattern(3 * kChunk, 6)});
    Add("b", {"bee"});
    const std::pair<int, std::string> cases[] = {
        {3, files["a"].bytes.substr(0, kChunk)},  // between the check and the write: that chunk goes out
        {2, DividerBlock("a")},                   // while the chunk is read: it stays out
        {1, DividerBlock("a")},                   // during the size pass: no range, and the first divider
    };
    for (const auto& [falseFrom, expected] : cases) {
        falseFromRead = falseFrom;
        EXPECT_TRUE(Run(falseFrom != 3).stopped);
        EXPECT_EQ(written, expected);
        EXPECT_EQ(Opened(), Strings{"a"});
        EXPECT_TRUE(positions.empty());
        EXPECT_EQ(Count(events, "range"), falseFrom == 1 ? 0 : 1);
    }
    paths = {"c", "e"};  // after the last chunk's check only empty files remain: unnoticed
    files = {{"c", {"data"}}, {"e", {}}};
    falseFromRead = 4;
    EXPECT_TRUE(Run().succeeded);
    visible = false;  // positions only while the dialog shows
    EXPECT_TRUE(Run().succeeded);
    EXPECT_TRUE(positions.empty());
}

TEST_P(JoinEngine, PositionsOfFilesThatGrewOrWereNeverSized)
{
    Add("a", {"", 40000, 1000});  // 40,000 thousandths: the low 16 bits taken as signed
    Run();
    EXPECT_EQ(positions, std::vector<int>{40000 - 65536});
    files["a"] = {"", 2 * kChunk + 1, 0};
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(positions, (std::vector<int>{0, 0, 0}));
    files["a"] = {std::string(1000, 'a')};
    onRead = [&, reads = 0](int) mutable {
        if (++reads == 2)  // between sizing and copying
            files["a"] = {std::string(1500, 'b')};
    };
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(written, std::string(1500, 'b'));
    EXPECT_EQ(positions, std::vector<int>{1500});
}

TEST_P(JoinEngine, SizesBeyondFourGibibytes)
{
    constexpr std::int64_t kGiB = 1024LL * 1024 * 1024;
    Add("a", {"", 3 * kGiB});
    Add("b", {"", 3 * kGiB});
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(writtenCount, 6 * kGiB);
    ASSERT_EQ(positions.size(), static_cast<std::size_t>(6 * kGiB / kChunk));
    EXPECT_EQ(positions[positions.size() / 2 - 1], 500);
    EXPECT_EQ(positions.back(), 1000);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
}

TEST_P(JoinEngine, ReadFailingMidFileKeepsWhatWasWritten)
{
    Add("a", {Pattern(3 * kChunk, 3), -1, -1, 2 * kChunk + 100});
    Add("b", {"bee"});
    const JoinOutcome outcome = Run();
    EXPECT_EQ(outcome.errorLog, "\nCould not read a to the end.");
    EXPECT_EQ(written, files["a"].bytes.substr(0, 2 * kChunk + 100));
    EXPECT_TRUE(outcome.stopped);
    // b is opened and read, its chunk not written; the stop closes the input, then the output.
    EXPECT_EQ(Strings(events.end() - 7, events.end()),
              (Strings{"close a", "show b", "open b", "close b", "close output", "message", "close"}));
}

TEST_P(JoinEngine, ShortWritesAndAFailedCloseAreReportedOnce)
{
    Add("a", {"", kChunk});
    Add("b", {"", 5});
    capacity = kChunk - 1;
    closeFails = true;  // the same loss: not reported twice
    const JoinOutcome outcome = Run(true);
    EXPECT_EQ(outcome.errorLog, WriteFailureEntry("a"));
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(writeSizes, (std::vector<std::size_t>{82, kChunk, 82}));  // b gets only its divider
    paths = {"b"};  // a short write in the last file just ends the list
    capacity = 3;
    EXPECT_FALSE(Run().stopped);
    EXPECT_FALSE(succeeded);
    capacity = -1;  // data still buffered at the close can be lost too: no success
    EXPECT_EQ(Run().errorLog, WriteFailureEntry("b"));
    EXPECT_EQ(Strings(events.end() - 3, events.end()), (Strings{"close output", "message", "close"}));
}

TEST_P(JoinEngine, OutputThatCannotBeCreatedEndsTheJobWithOhNo)
{
    Add("a", {"data"});
    outputFails = true;
    EXPECT_TRUE(Run(true).outputFailed);
    EXPECT_EQ(events, (Strings{"pause 500", "message", "close"}));
    EXPECT_EQ(messages, Strings{"Oh, no!\nSorry; the output file could not be opened.\nCheck the permissions and make "
                                "sure the file\nhasn't already been opened by another application."});
}

TEST_P(JoinEngine, ListIsAskedAfreshNotCopiedAndKernelRefusalsGoOnThroughTheBuffer)
{
    Add("a", {Pattern(3 * kChunk + 5, 7)});
    Add("b", {"2"});
    files["c"] = {"3"};
    Strings asked;
    onRead = [&](int index) {
        asked.push_back(paths.at(std::size_t(index)));
        if (asked.size() == 3)  // the list grows while the first file is copied
            paths.push_back("c");
    };
    refuseKernelCopy = true;
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(asked, (Strings{"a", "b", "a", "b", "c"}));
    EXPECT_EQ(written, files["a"].bytes + "23");
}

INSTANTIATE_TEST_SUITE_P(BufferAndKernel, JoinEngine, ::testing::Bool());

}  // namespace
}  // namespace cordwain
