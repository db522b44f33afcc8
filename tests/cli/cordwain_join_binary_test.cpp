// The real cordwain-join binary: exit statuses and Ctrl+C while a read is blocked.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

#include "tests/join/temp_folder.h"

namespace cordwain::testing {
namespace {

#ifndef _WIN32
pid_t Start(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), CORDWAIN_JOIN_EXE);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int ExitStatus(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

TEST(CordwainJoinBinary, ExitStatuses)
{
#ifdef _WIN32
    GTEST_SKIP() << "spawns the native binary; the in-process command tests cover Windows";
#else
    const TempFolder folder;
    const std::string piece = folder.Write("x.001", "x");
    EXPECT_EQ(ExitStatus(Start({piece})), 0);
    EXPECT_EQ(ReadAll(folder.PathOf("x")), "x");
    EXPECT_EQ(ExitStatus(Start({piece})), 1);  // exists now
    EXPECT_EQ(ExitStatus(Start({"--bogus"})), 2);
#endif
}

TEST(CordwainJoinBinary, InterruptDuringABlockedReadLeavesThePartialOutput)
{
#ifdef _WIN32
    GTEST_SKIP() << "uses a named pipe and SIGINT";
#else
    const TempFolder folder;
    const std::string first = folder.Write("first", "first part");
    const std::string pipe = folder.PathOf("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string target = folder.PathOf("out");
    const pid_t pid = Start({"-o", target, first, pipe});

    // Opening the pipe returns once the joiner has opened it, i.e. the copy is under way.
    const int writer = open(pipe.c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(write(writer, "late", 4), 4);
    kill(pid, SIGINT);
    usleep(100000);
    close(writer);  // the blocked read now returns its 4 bytes, which the stop keeps out

    EXPECT_EQ(ExitStatus(pid), 130);
    EXPECT_EQ(ReadAll(target), "first part");
#endif
}

}  // namespace
}  // namespace cordwain::testing
