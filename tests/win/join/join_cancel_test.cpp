// Cancelling a join: the partial output, the progress dialog's end, and the Join command waiting
// for a worker that is still inside a read before it lets the user do anything else.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/handles.h"
#include "join/join_worker.h"
#include "join_flow.h"
#include "join_session.h"
#include "res/resource.h"
#include "support/window_finder.h"
#include "support/window_input.h"

namespace jointest {
namespace {

constexpr std::size_t kChunk = 524288;

// A named pipe listed as an input: the worker's reads block until the test writes, so the test
// decides where in the file the worker is when Cancel is pressed.
class FeedPipe {
public:
    FeedPipe()
        : m_name("\\\\.\\pipe\\cordwain-join-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(::GetTickCount64())),
          m_pipe(::CreateNamedPipeA(m_name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4 * kChunk,
                                    4 * kChunk, 0, nullptr))
    {
    }
    const std::string& Name() const { return m_name; }
    bool IsOpen() const { return static_cast<bool>(m_pipe); }
    // Ends the worker's read however the test went, so the join can finish.
    void Close() { m_pipe.Reset(); }
    // Waits for the worker to open the pipe, then writes.
    bool Feed(const std::string& bytes) const
    {
        if (!::ConnectNamedPipe(m_pipe.Get(), nullptr) && ::GetLastError() != ERROR_PIPE_CONNECTED)
            return false;
        DWORD written = 0;
        return ::WriteFile(m_pipe.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size();
    }

private:
    std::string m_name;
    CHandle m_pipe;
};

std::int64_t SizeOnDisk(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

TEST(JoinCancel, WorkerStillReadingIsWaitedForAndItsChunkAfterCancelIsNotWritten)
{
    const TempFolder dir;
    FeedPipe pipe;
    ASSERT_TRUE(pipe.IsOpen());
    const std::string output = dir.PathOf("partial.out");
    const std::string firstChunk = Pattern(kChunk, 3);

    MainWindowSession session;
    session.Run([&](HWND mainWindow) {
        const std::unique_ptr<FeedPipe, void (*)(FeedPipe*)> closeAtEnd(&pipe, [](FeedPipe* p) { p->Close(); });
        AddFiles(mainWindow, {pipe.Name()});
        const HWND progress = StartJoin(mainWindow, output);
        ASSERT_NE(nullptr, progress);
        const CHandle worker(::OpenThread(SYNCHRONIZE, FALSE, session.Dialog().m_dwWorkerThreadId));
        ASSERT_TRUE(worker);

        ASSERT_TRUE(WaitUntil([&] { return ControlText(progress, IDC_CURRENT_FILE) == pipe.Name(); }));
        ASSERT_TRUE(pipe.Feed(firstChunk));
        ASSERT_TRUE(WaitUntil([&] { return SizeOnDisk(output) == std::int64_t(kChunk); }, 3000))
            << SizeOnDisk(output) << " " << ControlText(progress, IDC_CURRENT_FILE) << " "
            << (wintest::FindTopLevelWindow("Well...") != nullptr);

        // Cancel while the worker waits inside its next read.
        wintest::ClickButton(progress, IDCANCEL);
        ASSERT_TRUE(WatchProgress(progress, 3000).ended) << "Cancel did not close the progress dialog";
        EXPECT_EQ(WAIT_TIMEOUT, ::WaitForSingleObject(worker.Get(), 0));
        EXPECT_FALSE(::IsWindowEnabled(mainWindow)) << "the main window took input with the worker running";
        PressJoin(mainWindow);
        EXPECT_EQ(nullptr, WaitForDialog("Save As", 300)) << "a second join started beside the first";

        ASSERT_TRUE(pipe.Feed(Pattern(kChunk, 4)));
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(mainWindow) != FALSE; }));
        EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(worker.Get(), 0)) << "the command returned before its worker";
        EXPECT_EQ(nullptr, WaitForDialog("It Worked!", 500));
        EXPECT_EQ(nullptr, wintest::FindTopLevelWindow("Well..."));
    });
    const std::string written = ReadFileBytes(output);
    EXPECT_EQ(firstChunk.size(), written.size());
    EXPECT_TRUE(written == firstChunk) << "the output is not the chunk read before Cancel";
    EXPECT_FALSE(g_bJoinSucceeded);
}

TEST(JoinCancel, ReportShownAfterTheProgressDialogHasGoneIsStillAnswered)
{
    const TempFolder dir;
    FeedPipe pipe;
    ASSERT_TRUE(pipe.IsOpen());
    const std::string missing = dir.PathOf("missing.txt");
    const std::string output = dir.PathOf("nothing.out");

    MainWindowSession session;
    session.Run([&](HWND mainWindow) {
        const std::unique_ptr<FeedPipe, void (*)(FeedPipe*)> closeAtEnd(&pipe, [](FeedPipe* p) { p->Close(); });
        AddFiles(mainWindow, {missing, pipe.Name()});
        const HWND progress = StartJoin(mainWindow, output);
        ASSERT_NE(nullptr, progress);
        ASSERT_TRUE(WaitUntil([&] { return ControlText(progress, IDC_CURRENT_FILE) == pipe.Name(); }));
        wintest::ClickButton(progress, IDCANCEL);
        ASSERT_TRUE(WatchProgress(progress, 3000).ended);

        // The worker's next chunk meets the recorded error; its report comes with no dialog to own it.
        ASSERT_TRUE(pipe.Feed(Pattern(kChunk, 5)));
        const HWND report = WaitForDialog("Well...");
        ASSERT_NE(nullptr, report);
        EXPECT_EQ("Trying to copy all the files, these errors occurred:\n\n\nCould not open " + missing +
                      "\n\nSorry it didn't turn out.  I did what I could.",
                  MessageBoxText(report));
        EXPECT_FALSE(::IsWindowEnabled(mainWindow));
        wintest::ClickButton(report, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(mainWindow) != FALSE; }));
        EXPECT_EQ(nullptr, WaitForDialog("It Worked!", 500));
    });
    EXPECT_EQ("", ReadFileBytes(output));
}

TEST(JoinCancel, CancelInTheMiddleOfALargeFileLeavesAPartialOutput)
{
    const TempFolder dir;
    constexpr std::int64_t kLarge = 200LL * 1024 * 1024;
    const std::string large = dir.PathOf("large.bin");
    {
        // Sparse where the file system allows: quick to make, and read back as zeros.
        const CHandle file(::CreateFileA(large.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
        LARGE_INTEGER end{};
        end.QuadPart = kLarge;
        ASSERT_TRUE(::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file.Get()));
    }
    const std::string output = dir.PathOf("large.out");

    MainWindowSession session;
    session.Run([&](HWND mainWindow) {
        AddFiles(mainWindow, {large});
        const HWND progress = StartJoin(mainWindow, output);
        ASSERT_NE(nullptr, progress);
        const HWND bar = ::GetDlgItem(progress, IDC_PROGRESS_BAR);
        ASSERT_TRUE(WaitUntil([&] { return ::SendMessageA(bar, PBM_GETPOS, 0, 0) > 0; }, 20000));
        wintest::ClickButton(progress, IDCANCEL);
        ASSERT_TRUE(WatchProgress(progress, 3000).ended);
        EXPECT_EQ(nullptr, WaitForDialog("It Worked!", 1000));
    });
    const std::int64_t written = SizeOnDisk(output);
    EXPECT_GT(written, 0);
    EXPECT_LT(written, kLarge);
    EXPECT_EQ(0, written % std::int64_t(kChunk)) << "only whole chunks are written";
    EXPECT_FALSE(g_bJoinSucceeded);
}

}  // namespace
}  // namespace jointest
