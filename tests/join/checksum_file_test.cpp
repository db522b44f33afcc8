// Checksum files beside the pieces: the .sfv line rule, which file answers first, reading line by
// line, and hashes fed chunk by chunk as the join writes (the joiner's tests run --verify whole).
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "join/checksum_file.h"
#include "join/digesting_file_system.h"
#include "join/trailing_digest.h"
#include "support/fake_file_system.h"
#include "support/temp_folder.h"

namespace cordwain {
namespace {

TEST(ChecksumFile, SfvLinesGiveTheCrcOfTheNameBeforeIt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"film.avi 1A2B3C4D", "1a2b3c4d"},
        {"my film.avi\t 00ff00ff \t", "00ff00ff"},  // spaces in the name, blanks after the CRC
        {"./my film.avi 00FF00FF", "00ff00ff"},
        {"; my film.avi 1a2b3c4d", nullptr},  // a comment
        {"my film.avi 1a2b3c4", nullptr},     // seven digits
        {"my film.avi 1a2b3c4g", nullptr},
        {"film.avi 1a2b3c4d", nullptr},  // another name
        {"my film.avi1a2b3c4d", nullptr},
        {"1a2b3c4d", nullptr},
    };
    for (const auto& [line, crc] : cases)
        EXPECT_EQ(SfvDigestOnLine(line, line[0] == 'f' && crc ? "film.avi" : "my film.avi"),
                  crc ? std::optional<std::string>(crc) : std::nullopt)
            << line;
}

TEST(ChecksumFile, PublishedChecksumIsTheFirstFileInOrderThatNamesTheOutput)
{
    TempFolder folder;
    const std::string at = folder.PathOf("");
    const std::string crc = "cbf43926";
    EXPECT_EQ(FindPublishedChecksum(at, "f.bin"), std::nullopt);
    // The name on the last line, with no line end, after a comment, a line too long to hold and CRLF lines.
    folder.Write("b.SFV", "; made by hand\r\nother.bin 00000000\r\n" + std::string(kLongestChecksumLine + 1, 'x') +
                              "\nf.bin " + crc);
    folder.Write("a.sfv", "other.bin 11111111\n");
    auto found = FindPublishedChecksum(at, "f.bin");
    ASSERT_TRUE(found);
    EXPECT_EQ(std::make_tuple(found->path, found->kind, found->digest),
              std::make_tuple(folder.PathOf("b.SFV"), HashKind::Crc32, crc));
    folder.Write("f.bin.sfv", "f.bin 22222222\n");
    EXPECT_EQ(FindPublishedChecksum(at, "f.bin")->digest, "22222222");
    folder.Write("MD5SUMS", std::string(32, 'a') + "  f.bin\n");
    EXPECT_EQ(FindPublishedChecksum(at, "f.bin")->kind, HashKind::Md5);
    folder.Write("f.bin.sha256", std::string(64, 'b') + "\n");
    found = FindPublishedChecksum(at, "f.bin");
    EXPECT_EQ(std::make_tuple(found->path, found->kind), std::make_tuple(folder.PathOf("f.bin.sha256"), HashKind::Sha256));
}

TEST(ChecksumFile, HashFedChunkByChunkAsTheJoinWritesIsTheHashOfTheWhole)
{
    const std::string million(1000000, 'a');
    const struct {
        HashKind kind;
        std::vector<std::string> pieces;
        const char* digest;
    } cases[] = {
        {HashKind::Crc32, {"1234", "56789"}, "cbf43926"},
        {HashKind::Crc32, {million.substr(0, 600000), million.substr(600000)}, "dc25bfbc"},
        {HashKind::Sha256, {million.substr(0, 600000), million.substr(600000)},
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& test : cases) {
        std::vector<std::string> events;
        FakeFileSystem files(events);
        const std::unique_ptr<Digest> digest = Digest::Create(test.kind);
        DigestingFileSystem hashing(files, *digest);
        const std::unique_ptr<FileStream> output = hashing.CreateWrite("out");
        for (std::size_t i = 0; i < test.pieces.size(); ++i) {
            files.files[std::to_string(i)] = {test.pieces[i]};
            const std::unique_ptr<FileStream> input = hashing.OpenRead(std::to_string(i));
            while (input->CopyChunkTo(*output, [] { return true; }).result == ChunkResult::kCopied) {
            }
        }
        EXPECT_EQ(digest->FinishHex(), test.digest) << HashName(test.kind);
        EXPECT_GE(files.writeSizes.size(), test.pieces.size() + (test.pieces[0].size() > kJoinChunkSize));
    }
}

// Where the kernel copies: an end of file met before the writer is done is not the end.
TEST(ChecksumFile, TrailingHashReadsWhatIsWrittenUntilTheWriterIsDone)
{
    TempFolder folder;
    const std::string path = folder.Write("out", "1234");
    const std::unique_ptr<Digest> digest = Digest::Create(HashKind::Crc32);
    {
        TrailingDigest trail(*digest);
        EXPECT_FALSE(trail.Finish([](std::int64_t) {}));  // never followed
        trail.Follow(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::ofstream(path, std::ios::binary | std::ios::app) << "56789";
        EXPECT_TRUE(trail.Finish([](std::int64_t) {}));
    }
    EXPECT_EQ(digest->FinishHex(), "cbf43926");
}

}  // namespace
}  // namespace cordwain
