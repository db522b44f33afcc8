// The real cordwain-join binary: its standard streams as input and output, the free space of a
// small volume, and signals while it is blocked in the system.
// Every wait here has a limit, so a joiner that misbehaves fails the test instead of hanging the
// suite.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <tuple>

#include "join/checksum_file.h"
#include "join/digest.h"
#include "join/same_file.h"
#include "support/temp_folder.h"

extern char** environ;

namespace cordwain {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kOneMiB = 1 << 20;

// Starts the joiner with its messages going to `messages`, and its standard input and output from
// the descriptors given (-1: this process's own).
pid_t Start(std::vector<std::string> arguments, const std::string& messages, int input = -1, int output = -1)
{
    arguments.insert(arguments.begin(), CORDWAIN_JOIN_EXE);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, messages.c_str(), O_WRONLY | O_CREAT, 0600);
    for (const auto& [from, to] : {std::pair{input, 0}, std::pair{output, 1}}) {
        if (from >= 0)
            posix_spawn_file_actions_adddup2(&actions, from, to);
    }
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// The exit status, or -1 when the process did not end within the limit (it is killed then).
int ExitStatus(pid_t pid, std::chrono::seconds limit = std::chrono::seconds(10))
{
    const Clock::time_point deadline = Clock::now() + limit;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// "-" as cat reads it: the standard input among the inputs (a pipe goes through the buffer to its
// end, a file through the kernel), the standard output as the output (a pipe: exact over several
// kernel steps). A standard output that is an input's file, or an output that is the standard
// input's, is refused before anything is written.
TEST(CordwainJoinBinary, StandardStreamsAreJoinedAndAnInputIsNeverTheOutput)
{
    const TempFolder folder;
    const std::string first = folder.Write("joined.001", Pattern(3 * kOneMiB + 5, 1));
    const std::string expected = ReadAll(first) + "piped" + ReadAll(first);
    const std::unique_ptr<Digest> digest = Digest::Create(HashKind::Sha256);
    digest->Update(expected.data(), expected.size());
    folder.Write("joined.sha256", digest->FinishHex() + "\n");
    // With --verify the bytes are hashed on their way, through the buffer rather than the kernel.
    for (const std::string verify : {"--strict", "--verify"}) {
        int in[2], out[2];
        ASSERT_EQ(pipe2(in, O_CLOEXEC) + pipe2(out, O_CLOEXEC), 0);  // the joiner holds no end but its own
        const pid_t pid = Start({verify, "-o", "-", first, "-", first}, folder.PathOf("messages"), in[0], out[1]);
        close(in[0]);
        close(out[1]);
        EXPECT_EQ(write(in[1], "piped", 5) + close(in[1]), 5);
        std::string joined;
        char buffer[65536];
        for (ssize_t got = 0; (got = read(out[0], buffer, sizeof buffer)) > 0;)
            joined.append(buffer, static_cast<std::size_t>(got));
        close(out[0]);
        EXPECT_EQ(ExitStatus(pid), 0) << ReadAll(folder.PathOf("messages"));
        EXPECT_TRUE(joined == expected) << verify << ": " << joined.size();
    }

    const std::string second = folder.Write("second", "second");
    const int appended = open(first.c_str(), O_WRONLY | O_APPEND);  // cordwain-join -o - second first >> first
    EXPECT_EQ(ExitStatus(Start({"-o", "-", second, first}, folder.PathOf("refused"), -1, appended)), 1);
    const int reading = open(first.c_str(), O_RDONLY);  // cordwain-join -f -o first second - < first
    EXPECT_EQ(ExitStatus(Start({"-f", "-o", first, second, "-"}, folder.PathOf("refused too"), reading)), 1);
    EXPECT_EQ(ExitStatus(Start({"-o", "-", "-"}, folder.PathOf("refused"), reading, appended)), 1);  // < first >> first
    EXPECT_EQ(ExitStatus(Start({"-o", folder.PathOf("copy"), second, "-"}, folder.PathOf("copied"), reading)), 0);
    EXPECT_TRUE(ReadAll(folder.PathOf("copy")) == "second" + expected.substr(0, 3 * kOneMiB + 5));
    EXPECT_EQ(close(appended) + close(reading), 0);
    EXPECT_EQ(ReadAll(first), expected.substr(0, 3 * kOneMiB + 5));
    EXPECT_EQ(ReadAll(folder.PathOf("refused")).rfind("Oh, no!\n", 0), 0u);
}

// A volume of 1 MiB, or a btrfs image's, mounted for one test and unmounted however it ends;
// none where mounting is not allowed.
class SmallVolume {
public:
    explicit SmallVolume(const std::string& path) : m_path(path)
    {
        m_mounted = mkdir(path.c_str(), 0700) == 0 && mount("tmpfs", path.c_str(), "tmpfs", 0, "size=1m") == 0;
    }
    SmallVolume(const std::string& path, const std::string& btrfsImage) : m_path(path)
    {
        const std::string make = "truncate -s 120M '" + btrfsImage + "' && mkfs.btrfs -q '" + btrfsImage +
                                 "' >/dev/null 2>&1 && mkdir '" + path + "' && mount -o loop '" + btrfsImage + "' '" +
                                 path + "' 2>/dev/null";
        m_mounted = std::system(make.c_str()) == 0;
    }
    ~SmallVolume()
    {
        if (m_mounted)
            umount(m_path.c_str());
    }
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;
    bool Mounted() const { return m_mounted; }

private:
    const std::string m_path;
    bool m_mounted = false;
};

// A join larger than the free space (its dividers included) is refused before its output exists;
// one that fits, counting the file it replaces as free, goes through.
TEST(CordwainJoinBinary, AJoinTheDiskCannotHoldIsRefusedBeforeTheOutputExists)
{
    const TempFolder folder;
    const SmallVolume volume(folder.PathOf("small"));
    if (!volume.Mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const std::string piece = folder.Write("piece", Pattern(600000, 2));
    const std::string whole = folder.Write("whole", Pattern(kOneMiB - 60, 3));  // fits without a divider
    const std::string output = folder.PathOf("small/joined");
    EXPECT_EQ(ExitStatus(Start({"-o", output, piece, piece}, folder.PathOf("refused"))), 1);
    EXPECT_EQ(ReadAll(folder.PathOf("refused")),
              "cordwain-join: " + output + " needs 1,200,000 bytes, but its disk has only 1,048,576 bytes free.\n");
    EXPECT_EQ(ExitStatus(Start({"-d", "-o", output, whole}, folder.PathOf("divided"))), 1);
    EXPECT_FALSE(PathExists(output));
    for (int run = 0; run < 2; ++run)
        EXPECT_EQ(ExitStatus(Start({"-f", "-o", output, whole}, folder.PathOf("fits"))), 0) << run;
    EXPECT_EQ(ReadAll(output), ReadAll(whole));
}

// On btrfs the joined file shares the pieces' extents, so a join larger than the free space fits.
TEST(CordwainJoinBinary, AJoinThatSharesItsPiecesExtentsIsNotRefused)
{
    const TempFolder folder;
    const SmallVolume volume(folder.PathOf("btrfs"), folder.PathOf("btrfs.img"));
    if (!volume.Mounted())
        GTEST_SKIP() << "no btrfs image can be made and mounted here";
    const std::string piece = folder.Write("btrfs/piece", Pattern(24 * kOneMiB, 4));
    struct statvfs disk {};
    ASSERT_EQ(statvfs(piece.c_str(), &disk), 0);
    std::vector<std::string> arguments = {"-o", folder.PathOf("btrfs/joined")};
    arguments.resize(2 + disk.f_bavail * disk.f_frsize / (24 * kOneMiB) + 2, piece);
    EXPECT_EQ(ExitStatus(Start(arguments, folder.PathOf("shared"))), 0)
        << ReadAll(folder.PathOf("shared"));
}

// A signal while the joiner waits in the system for a pipe: it stops within the grace period,
// keeps what it wrote and exits with 130, or 143 when asked to terminate. A SIGUSR1 from outside
// changes nothing. A join that can still stop by itself does, and names what it never copied.
TEST(CordwainJoinBinary, SignalsEndAJoinBlockedOnAPipe)
{
    const std::tuple<std::vector<int>, bool, int> cases[] = {
        {{SIGINT}, false, 130},  // no writer ever comes: blocked opening the pipe
        {{SIGUSR1, SIGINT}, false, 130},
        {{SIGTERM}, false, 143},
        {{SIGINT}, true, 130},  // a writer: the read that returns after the stop is not written
    };
    for (const auto& [signals, writes, status] : cases) {
        const TempFolder folder(std::to_string(signals.front()) + (writes ? "w" : ""));
        const std::string pipe = folder.PathOf("pipe");
        ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
        const std::string target = folder.PathOf("out");
        const pid_t pid = Start({"-o", target, folder.Write("first", "first part"), pipe}, folder.PathOf("messages"));
        int writer = -1;
        for (const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
             (writes ? writer < 0 : ReadAll(target).empty()) && Clock::now() < deadline;
             std::this_thread::sleep_for(std::chrono::milliseconds(10)))
            writer = writes ? open(pipe.c_str(), O_WRONLY | O_NONBLOCK) : -1;
        EXPECT_EQ(writer >= 0 ? write(writer, "late", 4) : 0, writes ? 4 : 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // into the blocked call
        const Clock::time_point sent = Clock::now();
        for (const int signal : signals) {
            kill(pid, signal);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (writer >= 0)
            close(writer);
        EXPECT_EQ(ExitStatus(pid), status) << signals.back();
        EXPECT_LT(Clock::now() - sent, std::chrono::seconds(2));
        EXPECT_EQ(ReadAll(target), "first part");
        EXPECT_EQ(ReadAll(folder.PathOf("messages")).find("Not copied: " + pipe) != std::string::npos, writes);
    }
}

}  // namespace
}  // namespace cordwain
#endif
