// The join engine: bytes in list order, dividers, progress, the stop rule, the report, success;
// over made-up files, for faults real ones can't show (the joiner's tests run it on real files).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "join/copy_engine.h"
#include "join/join_texts.h"
#include "join/progress_position.h"
#include "support/fake_file_system.h"
#include "support/progress_recorder.h"
#include "support/temp_folder.h"

namespace cordwain {
namespace {

constexpr std::int64_t kChunk = kJoinChunkSize;

using Strings = std::vector<std::string>;
using Bytes = std::vector<std::int64_t>;

class JoinEngine : public ::testing::Test, public JoinList {
protected:
    void Add(const std::string& path, FakeFile file = FakeFile{})
    {
        files.files[path] = std::move(file), paths.push_back(path);
    }
    JoinOutcome Run(int bInsertDividers = 0)
    {
        events.clear(), progress.done.clear(), gate.reads = 0;
        const JoinOutcome outcome = RunJoinJob(JoinHost{*this, progress, gate, files}, {"out", bInsertDividers});
        EXPECT_FALSE(gate.held);
        return outcome;
    }
    int Count(const char* event) const { return int(std::count(events.begin(), events.end(), event)); }
    const std::string& Content(const std::string& path) { return files.files[path].bytes; }

    int FileCount() const override { return int(paths.size()); }
    std::string FilePath(int index) const override
    {
        if (onRead)
            onRead(index);
        return paths.at(std::size_t(index));
    }

    Strings paths;
    std::function<void(int)> onRead;  // runs before each read of a list entry
    Strings events;                   // opens and closes, progress calls, in order
    FakeGate gate;
    ProgressRecorder progress{events, gate};
    FakeFileSystem files{events};
};

TEST_F(JoinEngine, CopiesFilesInListOrderChunkByChunk)
{
    Add("a", {Pattern(2 * kChunk + 1000, 1)});  // a chunk boundary inside the file
    Add("b", {Pattern(kChunk, 2)});             // exactly one chunk
    Add("e");                                   // empty: no progress of its own
    Add("c", {"tail"});
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(files.written, Content("a") + Content("b") + "tail");
    EXPECT_EQ(files.opened, paths);
    EXPECT_EQ(events.back(), "hide");
    // Progress after each non-empty chunk, counting it.
    EXPECT_EQ(progress.total, 3 * kChunk + 1004);
    EXPECT_EQ(progress.done, (Bytes{kChunk, 2 * kChunk, 2 * kChunk + 1000, 3 * kChunk + 1000, 3 * kChunk + 1004}));
    EXPECT_TRUE(Run(1).succeeded);  // dividers before each file, empty ones too
    EXPECT_EQ(files.written, DividerBlock("a") + Content("a") + DividerBlock("b") + Content("b") + DividerBlock("e") +
                                 DividerBlock("c") + "tail");
}

TEST_F(JoinEngine, EmptyListGivesAnEmptyOutputAndSucceeds)
{
    EXPECT_TRUE(Run(1).succeeded);
    EXPECT_EQ(events, (Strings{"open output", "begin", "close output", "hide"}));
}

TEST_F(JoinEngine, MissingFileIsReportedAndTheNextFilesFirstChunkStopsTheJob)
{
    Add("a", {"first"});
    paths.push_back("b-missing");  // no divider for a file that can't be opened
    Add("c", {"third"});
    Add("d", {"never opened"});
    const JoinOutcome outcome = Run(1);
    EXPECT_EQ(files.written, DividerBlock("a") + "first" + DividerBlock("c"));
    EXPECT_EQ(outcome.stoppedAt, 2);
    EXPECT_EQ(files.opened, (Strings{"a", "c"}));
    EXPECT_EQ(progress.reports, Strings{"Well...\nTrying to copy all the files, these errors occurred:\n\n\nCould not "
                                        "open b-missing\n\nSorry it didn't turn out.  I did what I could."});
    EXPECT_EQ(events.back(), "information box");
    EXPECT_EQ(Count("hide"), 0);
}

// The flag's reads: 1 at the start of the copy, then for each chunk 2 at its check and 3 at its progress.
TEST_F(JoinEngine, CancelIsSeenOnlyAtAChunksCheck)
{
    Add("a", {Pattern(3 * kChunk, 6)});
    Add("b", {"bee"});
    const std::pair<int, std::string> cases[] = {
        {3, Content("a").substr(0, kChunk)},  // after the check: that chunk goes out
        {2, DividerBlock("a")},               // while the chunk is read: it stays out
        {1, DividerBlock("a")},               // during the size pass: no copy begun, and the first divider
    };
    for (const auto& [falseFrom, expected] : cases) {
        gate.falseFromRead = falseFrom;
        EXPECT_TRUE(Run(falseFrom != 3).Stopped());
        EXPECT_EQ(files.written, expected);
        EXPECT_EQ(files.opened, Strings{"a"});
        EXPECT_TRUE(progress.done.empty());
        EXPECT_EQ(Count("begin"), falseFrom == 1 ? 0 : 1);
    }
    paths = {"c", "e"};  // after the last chunk's check only empty files remain: unnoticed
    files.files = {{"c", {"data"}}, {"e", {}}};
    gate.falseFromRead = 4;
    EXPECT_TRUE(Run().succeeded);
}

TEST_F(JoinEngine, ProgressOfFilesThatGrewOrWereNeverSized)
{
    Add("a", {"", 40000, 1000});
    Run();
    EXPECT_EQ(progress.done, Bytes{40000});
    EXPECT_EQ(progress.total, 1000);
    EXPECT_EQ(ProgressPosition(40000, 1000), 40000 - 65536);  // 40,000 thousandths: the low 16 bits as signed
    files.files["a"] = {"", 2 * kChunk + 1, 0};
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(progress.total, 0);
    EXPECT_EQ(ProgressPosition(kChunk, 0), 0);
    files.files["a"] = {std::string(1000, 'a')};
    onRead = [&, reads = 0](int) mutable {
        if (++reads == 2)  // between sizing and copying
            files.files["a"] = {std::string(1500, 'b')};
    };
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(files.written, std::string(1500, 'b'));
    EXPECT_EQ(ProgressPosition(progress.done.back(), progress.total), 1500);
}

TEST_F(JoinEngine, SizesBeyondFourGibibytes)
{
    constexpr std::int64_t kGiB = 1024LL * 1024 * 1024;
    Add("a", {"", 3 * kGiB});
    Add("b", {"", 3 * kGiB});
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(files.writtenCount, 6 * kGiB);
    ASSERT_EQ(progress.done.size(), static_cast<std::size_t>(6 * kGiB / kChunk));
    EXPECT_EQ(progress.done.back(), 6 * kGiB);
    EXPECT_EQ(ProgressPosition(3 * kGiB, 6 * kGiB), 500);
}

TEST_F(JoinEngine, ReadFailingMidFileKeepsWhatWasWritten)
{
    Add("a", {Pattern(3 * kChunk, 3), -1, -1, 2 * kChunk + 100});
    Add("b", {"bee"});
    const JoinOutcome outcome = Run();
    EXPECT_EQ(outcome.errorLog, "\nCould not read a to the end.");
    EXPECT_EQ(files.written, Content("a").substr(0, 2 * kChunk + 100));
    EXPECT_TRUE(outcome.Stopped());
    // b is opened and read, its chunk not written; the stop closes the input, then the output.
    EXPECT_EQ(Strings(events.end() - 6, events.end()),
              (Strings{"close a", "show b", "open b", "close b", "close output", "information box"}));
}

TEST_F(JoinEngine, ShortWritesOfChunksOrDividersAndAFailedCloseAreReportedOnce)
{
    Add("a", {"", kChunk});
    Add("b", {"", 5});
    files.capacity = kChunk - 1;
    files.closeFails = true;  // the same loss: not reported twice
    const JoinOutcome outcome = Run(1);
    EXPECT_EQ(outcome.errorLog, WriteFailureEntry("a"));
    EXPECT_EQ(outcome.stoppedAt, 1);
    EXPECT_EQ(files.writeSizes, (std::vector<std::size_t>{82, kChunk, 82}));  // b gets only its divider
    paths = {"b"};  // a short write in the last file just ends the list
    files.capacity = 3;
    const JoinOutcome last = Run();
    EXPECT_FALSE(last.Stopped() || last.succeeded);
    files.capacity = -1;  // data still buffered at the close can be lost too: no success
    EXPECT_EQ(Run().errorLog, WriteFailureEntry("b"));
    EXPECT_EQ(Strings(events.end() - 2, events.end()), (Strings{"close output", "information box"}));
    paths = {"e", "b"};  // the disk fills during a divider: the same entry, and nothing more written
    files.files["e"] = {};
    files.capacity = 40;
    files.closeFails = false;
    EXPECT_EQ(Run(1).errorLog, WriteFailureEntry("e"));
    EXPECT_EQ(files.writeSizes, (std::vector<std::size_t>{82, 82}));  // b's divider meets the error, and stops the job
}

TEST_F(JoinEngine, OutputThatCannotBeCreatedEndsTheJobWithOhNo)
{
    Add("a", {"data"});
    files.outputFails = true;
    EXPECT_FALSE(Run(1).succeeded);
    EXPECT_EQ(events, Strings{"error box"});
    EXPECT_EQ(progress.reports, Strings{"Oh, no!\nSorry; the output file could not be opened.\nCheck the permissions "
                                        "and make sure the file\nhasn't already been opened by another application."});
}

TEST_F(JoinEngine, ListIsAskedAfreshNotCopied)
{
    Add("a", {Pattern(3 * kChunk + 5, 7)});
    Add("b", {"2"});
    files.files["c"] = {"3"};
    Strings asked;
    onRead = [&](int index) {
        asked.push_back(paths.at(std::size_t(index)));
        if (asked.size() == 3)  // the list grows while the first file is copied
            paths.push_back("c");
    };
    EXPECT_TRUE(Run().succeeded);
    EXPECT_EQ(asked, (Strings{"a", "b", "a", "b", "c"}));
    EXPECT_EQ(files.written, Content("a") + "23");
}

}  // namespace
}  // namespace cordwain
