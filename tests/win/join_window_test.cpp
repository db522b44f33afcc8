// The Join command end to end on the real main window: Save As, the joins and "It Worked!", the
// refusals and reports, and cancelling while the worker is still reading.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>
#include <commdlg.h>

#include <memory>

#include "framework/file_dialog.h"
#include "framework/handles.h"
#include "join/join_worker.h"
#include "res/resource.h"
#include "support/temp_folder.h"
#include "support/window_driver.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

constexpr std::size_t kChunk = 524288;

std::string Divider(const std::string& path) { return "\nFILE: " + path + "\n" + std::string(72, '-') + "\n"; }

void List(HWND window, const std::vector<std::string>& paths)
{
    for (const std::string& path : paths)
        ::SendDlgItemMessageW(window, IDC_FILE_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(path).c_str()));
}

// Presses Join, answers Save As (and its question, for an existing file); answers the progress dialog.
HWND StartJoin(HWND window, const std::string& output)
{
    ClickButton(window, IDC_JOIN);
    AnswerFileDialog(WaitForWindow("Save As"), output);
    if (::GetFileAttributesW(Wide(output).c_str()) != INVALID_FILE_ATTRIBUTES)
        AnswerYesIfAsked();
    return WaitForWindow("Joining Files...");
}

TEST(JoinCommand, JoinsWithAndWithoutDividersAndRefusesAListedOutput)
{
    const TempFolder folder;
    const std::string first = folder.Write("Grüße-日本-😀.bin.001", Pattern(1300000, 1));  // three chunks
    const std::string empty = folder.Write("empty.bin", "");
    const std::string small = folder.Write("small.bin", "small");
    const std::string plain = folder.PathOf("Ωmega-plain.out");
    const std::string divided = folder.PathOf("Ωmega-divided.out");
    // Some 250 characters, past MAX_PATH in bytes: the whole name must come back from Save As.
    std::string listed;
    while (listed.size() < 2 * (250 - folder.Path().size()))
        listed += "Ω";
    listed = folder.PathOf(listed);
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        ChooseMenuItem(window, ID_ACTION_JOIN);
        EXPECT_EQ(Dismiss("Sorry").text, "There are no files to join together.");
        EXPECT_EQ(WaitForWindow("Save As", 300), nullptr);

        List(window, {first, empty, small});
        ClickButton(window, IDC_JOIN);
        const HWND saveAs = WaitForWindow("Save As");
        ASSERT_NE(saveAs, nullptr);
        char name[MAX_PATH] = {};
        char shown[MAX_PATH] = {};
        ::SendMessageA(saveAs, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(name));
        ::SendMessageA(saveAs, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(shown));
        EXPECT_STREQ(name, "Grüße-日本-😀.bin");
        EXPECT_EQ(_stricmp(shown, folder.Path().c_str()), 0) << shown;
        const CFileDialog* const given = FileDialogObject(saveAs);
        ASSERT_NE(given, nullptr);
        EXPECT_EQ(given->m_ofn.lpstrDefExt, nullptr);  // the name is used as typed
        constexpr DWORD kAsked = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLEHOOK;
        EXPECT_EQ(given->m_ofn.Flags & (kAsked | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT), kAsked);
        ClickButton(saveAs, IDCANCEL);
        EXPECT_EQ(WaitForWindow("Joining Files...", 300), nullptr);

        for (const std::string& output : {plain, divided}) {
            ::CheckDlgButton(window, IDC_INSERT_DIVIDERS, output == divided ? BST_CHECKED : BST_UNCHECKED);
            const HWND progress = StartJoin(window, output);
            ASSERT_NE(progress, nullptr);
            EXPECT_EQ(ReadText(::GetDlgItem(progress, IDC_CURRENT_FILE)), "");  // empty on the second join too
            EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(progress); })) << "not hidden on success";
            const HWND success = WaitForWindow("It Worked!");
            EXPECT_EQ(ReadText(::GetDlgItem(success, IDOK)), "&Go Away");
            ClickButton(success, IDOK);
            ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
        }

        // A listed file: one box however often it is listed, and no worker.
        List(window, {listed, listed});
        const DWORD lastWorker = dialog.m_dwWorkerThreadId;
        ClickButton(window, IDC_JOIN);
        AnswerFileDialog(WaitForWindow("Save As"), listed);
        const Box refusal = Dismiss("Oh, no!");
        EXPECT_EQ(refusal.text, "Sorry.  The file you're writing to is in the list\nof files to be joined.  That "
                                "doesn't seem right.\nAlthough it might work, I've decided to stop before\nI break "
                                "something you might not need broken.");
        EXPECT_EQ(refusal.owner, window);
        EXPECT_EQ(WaitForWindow("Oh, no!", 300), nullptr);
        EXPECT_EQ(dialog.m_dwWorkerThreadId, lastWorker);
    }));
    EXPECT_EQ(ReadAll(plain), Pattern(1300000, 1) + "small");
    EXPECT_EQ(ReadAll(divided), Divider(first) + Pattern(1300000, 1) + Divider(empty) + Divider(small) + "small");
    EXPECT_EQ(ReadAll(small), "small");
}

TEST(JoinCommand, ReportsComeOverTheProgressDialogAndNoSuccessFollows)
{
    const TempFolder folder;
    const std::string held = folder.Write("held.out", "held by someone else");
    auto holder =
        std::make_unique<CHandle>(::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const std::string missing = folder.PathOf("Grüße-日本-😀.bin.002");
        List(window, {folder.Write("first.txt", "first bytes"), missing, folder.Write("third", "3")});
        HWND progress = StartJoin(window, folder.PathOf("joined.out"));
        Box box = Dismiss("Well...");
        EXPECT_EQ(box.text, "Trying to copy all the files, these errors occurred:\n\n\nCould not open " + missing +
                                "\n\nSorry it didn't turn out.  I did what I could.");
        EXPECT_EQ(box.icon, ::LoadIconA(nullptr, IDI_INFORMATION));
        EXPECT_EQ(box.owner, progress);
        EXPECT_EQ(WaitForWindow("It Worked!", 700), nullptr);

        progress = StartJoin(window, held);  // held open by another program without sharing
        box = Dismiss("Oh, no!");
        EXPECT_EQ(box.text, "Sorry; the output file could not be opened.\nCheck the permissions and make sure the "
                            "file\nhasn't already been opened by another application.");
        EXPECT_EQ(box.icon, ::LoadIconA(nullptr, IDI_ERROR));
        EXPECT_EQ(box.owner, progress);
        EXPECT_EQ(WaitForWindow("It Worked!", 700), nullptr);
    }));
    EXPECT_EQ(ReadAll(folder.PathOf("joined.out")), "first bytes");  // the third file's chunk meets the error
    holder.reset();
    EXPECT_EQ(ReadAll(held), "held by someone else");
    EXPECT_FALSE(g_bJoinSucceeded);
}

// A named pipe as an input: the worker's reads wait until the test writes, so the test decides
// where the worker is when Cancel is pressed. Every wait on it has a limit.
class FeedPipe {
public:
    FeedPipe()
        : m_name("\\\\.\\pipe\\cordwain-" + std::to_string(::GetTickCount64())),
          m_pipe(::CreateNamedPipeA(m_name.c_str(), PIPE_ACCESS_OUTBOUND | FILE_FLAG_OVERLAPPED, PIPE_TYPE_BYTE, 1,
                                    4 * kChunk, 4 * kChunk, 0, nullptr)),
          m_event(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
    {
    }
    const std::string& Name() const { return m_name; }
    // Waits for the worker to open the pipe, then writes.
    bool Feed(const std::string& bytes)
    {
        OVERLAPPED connect{};
        connect.hEvent = m_event.Get();
        if (!::ConnectNamedPipe(m_pipe.Get(), &connect) && ::GetLastError() == ERROR_IO_PENDING &&
            ::WaitForSingleObject(m_event.Get(), 10000) != WAIT_OBJECT_0)
            return false;
        OVERLAPPED write{};
        write.hEvent = m_event.Get();
        DWORD written = 0;
        ::WriteFile(m_pipe.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &write);
        return ::WaitForSingleObject(m_event.Get(), 10000) == WAIT_OBJECT_0 &&
               ::GetOverlappedResult(m_pipe.Get(), &write, &written, FALSE) && written == bytes.size();
    }

private:
    std::string m_name;
    CHandle m_pipe;
    CHandle m_event;
};

TEST(JoinCommand, CancelEndsTheDialogButTheWorkerIsWaitedFor)
{
    const TempFolder folder;
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        FeedPipe pipe;
        List(window, {pipe.Name()});
        HWND progress = StartJoin(window, folder.PathOf("partial.out"));
        ASSERT_TRUE(pipe.Feed(Pattern(kChunk, 3)));
        ASSERT_TRUE(WaitUntil([&] { return ReadAll(folder.PathOf("partial.out")).size() == kChunk; }));
        PBRANGE range{};
        ::SendDlgItemMessageW(progress, IDC_PROGRESS_BAR, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        EXPECT_EQ(std::pair(range.iLow, range.iHigh), std::pair(0, 1000));
        ::SendMessageW(progress, WM_COMMAND, IDOK, 0);  // Enter in the path box: ignored
        ClickButton(progress, IDCANCEL);                // while the worker waits inside its next read
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(progress); }, 3000));
        EXPECT_FALSE(::IsWindowEnabled(window)) << "the window took input with the worker running";
        ClickButton(window, IDC_JOIN);
        EXPECT_EQ(WaitForWindow("Save As", 300), nullptr) << "a second join started beside the first";
        ASSERT_TRUE(pipe.Feed(Pattern(kChunk, 4)));  // the chunk read after Cancel is not written
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
        EXPECT_EQ(WaitForWindow("It Worked!", 500), nullptr);
        EXPECT_EQ(ReadAll(folder.PathOf("partial.out")), Pattern(kChunk, 3));

        // An error before the cancel: the report comes after the dialog has gone, owned by nothing.
        FeedPipe second;
        ::SendDlgItemMessageW(window, IDC_FILE_LIST, LB_RESETCONTENT, 0, 0);
        List(window, {folder.PathOf("missing.txt"), second.Name()});
        progress = StartJoin(window, folder.PathOf("nothing.out"));
        ASSERT_TRUE(WaitUntil([&] { return ReadText(::GetDlgItem(progress, IDC_CURRENT_FILE)) == second.Name(); }));
        ClickButton(progress, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(progress); }, 3000));
        ASSERT_TRUE(second.Feed(Pattern(kChunk, 5)));
        const Box box = Dismiss("Well...");
        EXPECT_NE(box.text.find("Could not open " + folder.PathOf("missing.txt")), std::string::npos);
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
        EXPECT_EQ(ReadAll(folder.PathOf("nothing.out")), "");
    }));
}

}  // namespace
}  // namespace cordwain
