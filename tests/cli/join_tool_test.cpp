// cordwain-join's decisions and exit statuses, run in-process against real files.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "cli/join_tool.h"
#include "join/join_texts.h"
#include "join/same_file.h"
#include "res/version.h"
#include "support/temp_folder.h"

namespace cordwain {
namespace {

class JoinTool : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        // Interrupts are sent to the real binary (cordwain_join_binary_test).
        const auto run = [](const std::function<void()>& work, const std::function<void()>&,
                            const std::function<int(Interruption)>&) {
            work();
            return Interruption::kNone;
        };
        return RunJoinTool(arguments, JoinConsole{out, err, false, CodePage{}, run});
    }

    TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(JoinTool, JoinsIntoTheProposedNameOrTheNamedOutput)
{
    const std::string first = folder.Write("Grüße-日本-😀.avi.001", "abc");
    const std::string second = folder.Write("Grüße-日本-😀.avi.002", "def");
    EXPECT_EQ(Run({first, second}), kExitJoined);
    EXPECT_EQ(ReadAll(folder.PathOf("Grüße-日本-😀.avi")), "abcdef");
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(Run({"-d", "-o", folder.PathOf("o"), first}), kExitJoined);
    EXPECT_EQ(ReadAll(folder.PathOf("o")), DividerBlock(first) + "abc" + DividerBlock(second) + "def");
#ifndef _WIN32
    const std::string piece = folder.Write("\xff\xfe-not-utf-8.bin.001", "bytes");  // names are bytes, not text
    EXPECT_EQ(Run({piece}), kExitJoined);
    EXPECT_EQ(ReadAll(folder.PathOf("\xff\xfe-not-utf-8.bin")), "bytes");
    int pipe[2];  // the kernel copies no pipe: its bytes go through the buffer, to its end
    ASSERT_EQ(::pipe(pipe), 0);
    EXPECT_EQ(write(pipe[1], "piped", 5) + close(pipe[1]), 5);
    EXPECT_EQ(Run({"-o", folder.PathOf("p"), first, "/proc/self/fd/" + std::to_string(pipe[0]), second}), kExitJoined);
    close(pipe[0]);
    EXPECT_EQ(ReadAll(folder.PathOf("p")), "abcpipeddef");
#endif
}

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
#ifndef _WIN32
    ASSERT_EQ(symlink(folder.PathOf("nowhere").c_str(), folder.PathOf("link").c_str()), 0);
    EXPECT_EQ(Run({"-o", folder.PathOf("link"), a}), kExitFailed);  // a link to nothing is a name taken
    EXPECT_FALSE(PathExists(folder.PathOf("nowhere")));
#endif
}

TEST_F(JoinTool, UsageErrorsAndTheirStatus)
{
    EXPECT_EQ(Run({folder.Write("notes.txt", "x")}), kExitUsage);
    EXPECT_NE(err.str().find("-o OUTPUT"), std::string::npos);
    EXPECT_EQ(Run({}), kExitUsage);
    EXPECT_EQ(Run({"-x"}), kExitUsage);
    // A name starting with a dot proposes itself, "./.001" a folder: neither is a proposal.
    for (const std::string& name : {folder.Write(".profile", "p"), folder.PathOf(".001")})
        EXPECT_EQ(Run({name}), kExitUsage) << name;
    EXPECT_EQ(Run({"--version"}), kExitJoined);
    EXPECT_EQ(out.str(), std::string("cordwain-join ") + CORDWAIN_VERSION + "\n");
    EXPECT_EQ(Run({"--help"}), kExitJoined);
    EXPECT_EQ(out.str().rfind("Usage: cordwain-join ", 0), 0u);
    std::ostream unwritable(nullptr);  // as a full disk refuses the text
    EXPECT_EQ(RunJoinTool({"--version"}, JoinConsole{unwritable, err, false, CodePage{}, nullptr}), kExitFailed);
}

// After the report: the system's reason for each failure, and the inputs never reached; a name
// that could fake a line or steer the terminal is quoted.
TEST_F(JoinTool, FailuresGiveTheReportTheReasonsAndStatusOne)
{
    const std::string a = folder.Write("a", "a");
    const std::string gone = folder.PathOf("gone\n\a\x1b[31m");
    const std::string shown = "'" + gone.substr(0, gone.size() - 7) + "'$'\\n'''$'\\a'''$'\\033''[31m'";
    const std::string b = folder.Write("b", "b");
    EXPECT_EQ(Run({"-o", folder.PathOf("t"), a, gone, b, folder.PathOf("c")}), kExitFailed);
    const std::string report = "Well...\n" + ErrorReportText(OpenFailureEntry(shown)) + "\ncordwain-join: " + shown;
    EXPECT_EQ(err.str().substr(0, report.size() + 2), report + ": ");
    EXPECT_EQ(err.str().substr(err.str().find('\n', report.size())),
              "\nNot copied: " + b + ", " + folder.PathOf("c") + "\n");
    EXPECT_EQ(ReadAll(folder.PathOf("t")), "a");
    EXPECT_EQ(Run({"-o", folder.PathOf("no/such/dir"), a}), kExitFailed);
    EXPECT_EQ(err.str().rfind(std::string("Oh, no!\n") + kOutputOpenFailedText +
                                  "\ncordwain-join: " + folder.PathOf("no/such/dir") + ": ",
                              0),
              0u);
#ifndef _WIN32
    EXPECT_NE(err.str().find(": No such file or directory\n"), std::string::npos);
    EXPECT_EQ(Run({"-f", "-o", "/dev/full", a}), kExitFailed);  // a device that is always full
    EXPECT_NE(err.str().find(WriteFailureEntry(a) + "\n\nSorry"), std::string::npos);
    EXPECT_NE(err.str().find("cordwain-join: /dev/full: No space left on device\n"), std::string::npos);
#endif
}

TEST_F(JoinTool, FirstPieceAloneStandsForItsWholeSet)
{
    for (const char* piece : {"x.001", "x.002", "x.004", "y.000", "y.001", "y.002", "z.002", "z.003"})
        folder.Write(piece, std::string(piece).substr(2));
    EXPECT_EQ(Run({"-v", folder.PathOf("x.001")}), kExitJoined);  // up to the first number missing
    EXPECT_EQ(ReadAll(folder.PathOf("x")), "001002");
    EXPECT_EQ(err.str(),
              "cordwain-join: taking " + folder.PathOf("x.001") + " to " + folder.PathOf("x.002") + " (2 pieces)\n");
    EXPECT_EQ(Run({folder.PathOf("y.001")}), kExitJoined);  // from .000 when there is one
    EXPECT_EQ(ReadAll(folder.PathOf("y")), "000001002");
    EXPECT_EQ(Run({folder.PathOf("z.002")}), kExitJoined);  // no first piece: itself alone
    EXPECT_EQ(ReadAll(folder.PathOf("z")), "002");
    EXPECT_EQ(Run({"-o", folder.PathOf("n"), folder.Write("notes.txt", "n")}), kExitJoined);
    EXPECT_EQ(ReadAll(folder.PathOf("n")), "n");
}

TEST_F(JoinTool, PiecesThatLookWrongAreNamedAndStrictWritesNothing)
{
    const auto piece = [&](const char* name, std::size_t size) { return folder.Write(name, std::string(size, 'p')); };
    const std::string p1 = piece("p.001", 10), p2 = piece("p.002", 10), p3 = piece("p.003", 4), p5 = piece("p.005", 10);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{p1, p2, p5}, p3 + " to " + folder.PathOf("p.004") + " are missing between " + p2 + " and " + p5},
        {{p1, p3, p5}, p3 + " is smaller than " + p1 + " (4 bytes against 10): a piece cut short?"},
    };
    for (const auto& [pieces, problem] : cases) {
        std::vector<std::string> arguments = {"-f", "-o", folder.PathOf("out")};
        arguments.insert(arguments.end(), pieces.begin(), pieces.end());
        EXPECT_EQ(Run(arguments), kExitJoined);
        EXPECT_NE(err.str().find("cordwain-join: warning: " + problem + "\n"), std::string::npos) << err.str();
        arguments[0] = "--strict";
        std::remove(folder.PathOf("out").c_str());
        EXPECT_EQ(Run(arguments), kExitFailed);
        EXPECT_NE(err.str().find("cordwain-join: error: " + problem + "\n"), std::string::npos) << err.str();
        EXPECT_FALSE(PathExists(folder.PathOf("out")));
    }
}

TEST_F(JoinTool, VerifyChecksTheResultAgainstEveryKindOfChecksumFile)
{
    const std::string sha256 = "bef57ec7f53a6d40beb640a780a639c83bc29ac8a9816f1fc6c5c6dcd93c4721";
    const std::string sha1 = "1f8ac10f23c5b5bc1167bda84b833e5c057a77d2";
    const std::string md5 = "E80B5017098950FC58AAD83C8C14978E";
    const std::pair<const char*, std::string> files[] = {
        {"f.bin.sha256", sha256 + "  f.bin\n"},
        {"f.bin.sha1", sha1 + "\n"},  // the digest alone
        {"f.bin.md5", md5 + " *f.bin\r\n"},
        {"SHA256SUMS", md5 + "  other\n" + sha256 + "  ./f.bin\n"},
        {"SHA1SUMS", "\\" + sha1 + "  f.bin\n"},
        {"MD5SUMS", sha256 + "  f.bin\n" + md5 + "  f.bin\n"},  // a digest of another kind is no answer
        {"f.bin.sfv", "; by hand\r\nf.bin 4B8E39EF\r\n"},
        {"any.sfv", "f.bin 4b8e39ef"},
    };
    const std::string first = folder.Write("f.bin.001", "abc");
    const std::string second = folder.Write("f.bin.002", "def");
    EXPECT_EQ(Run({"--verify", first, second}), kExitFailed);
    EXPECT_NE(err.str().find("no checksum names f.bin beside"), std::string::npos) << err.str();
    for (const auto& [name, text] : files) {
        folder.Write(name, text);
        folder.Write("f.bin.002", "def");
        EXPECT_EQ(Run({"-f", "--verify", first}), kExitJoined) << name << ": " << err.str();
        EXPECT_NE(err.str().find("matches its"), std::string::npos) << name;
        folder.Write("f.bin.002", "deX");  // a damaged piece
        EXPECT_EQ(Run({"-f", "--verify", first}), kExitFailed) << name;
        EXPECT_NE(err.str().find("does not match its"), std::string::npos) << name << ": " << err.str();
        EXPECT_EQ(ReadAll(folder.PathOf("f.bin")), "abcdeX");  // left in place
        std::remove(folder.PathOf(name).c_str());
    }
}

}  // namespace
}  // namespace cordwain
