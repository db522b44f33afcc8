// The real cordwain-join binary under signals while it is blocked in the system.
// Every wait here has a limit, so a joiner that misbehaves fails the test instead of hanging the
// suite.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <tuple>

#include "support/temp_folder.h"

extern char** environ;

namespace cordwain {
namespace {

using Clock = std::chrono::steady_clock;

// Starts the joiner with its messages going to `messages`.
pid_t Start(std::vector<std::string> arguments, const std::string& messages)
{
    arguments.insert(arguments.begin(), CORDWAIN_JOIN_EXE);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, messages.c_str(), O_WRONLY | O_CREAT, 0600);
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
