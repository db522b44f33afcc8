// The Join command end to end on the real main window: Save As, the joins and "It Worked!", the
// refusals (a small host volume among them) and the failures' boxes, and cancelling while the
// worker is still reading.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>
#include <commdlg.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "framework/file_dialog.h"
#include "framework/handles.h"
#include "join/file_system.h"
#include "join/join_texts.h"
#include "res/resource.h"
#include "support/temp_folder.h"
#include "support/window_driver.h"
#include "ui/main_dlg.h"

namespace cordwain {
namespace {

// Presses Join and answers Save As, and its question for an existing file.
void Join(HWND window, const std::string& output)
{
    const bool exists = ::GetFileAttributesW(Wide(output).c_str()) != INVALID_FILE_ATTRIBUTES;
    ClickButton(window, IDC_JOIN);
    AnswerFileDialog(WaitForWindow("Save As"), output);
    if (exists)
        ClickButton(WaitForWindow([](HWND hWnd) { return ::GetDlgItem(hWnd, IDYES) != nullptr; }), IDYES);
}

// A named pipe as an input: the worker's reads wait until the test writes, so the test decides
// where the worker is when Cancel is pressed. Every wait on it has a limit.
struct FeedPipe {
    const std::string name = "\\\\.\\pipe\\cordwain-" + std::to_string(::GetTickCount64());
    const CHandle pipe{::CreateNamedPipeA(name.c_str(), PIPE_ACCESS_OUTBOUND | FILE_FLAG_OVERLAPPED, PIPE_TYPE_BYTE, 1,
                                          4 * kJoinChunkSize, 4 * kJoinChunkSize, 0, nullptr)};
    const CHandle event{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};

    // Waits for the worker to open the pipe, then writes.
    bool Feed(const std::string& bytes) const
    {
        OVERLAPPED io{};
        io.hEvent = event.Get();
        const auto done = [&] { return ::WaitForSingleObject(event.Get(), 10000) == WAIT_OBJECT_0; };
        if (!::ConnectNamedPipe(pipe.Get(), &io) && ::GetLastError() == ERROR_IO_PENDING && !done())
            return false;
        DWORD written = 0;
        ::WriteFile(pipe.Get(), bytes.data(), DWORD(bytes.size()), nullptr, &io);
        return done() && ::GetOverlappedResult(pipe.Get(), &io, &written, FALSE) && written == bytes.size();
    }
};

// A host tmpfs of 1 MiB at `folder`. Wine starts a Unix program with no handle to wait on, so the
// volume's size tells when it is there and when it has gone. None where mounting is not allowed.
class SmallVolume {
public:
    explicit SmallVolume(const std::string& folder) : m_folder(folder)
    {
        ::CreateDirectoryW(Wide(folder).c_str(), nullptr);
        m_mounted = OnHost("mount -t tmpfs -o size=1m tmpfs") && WaitUntil([this] { return IsSmall(); }, 3000);
    }
    ~SmallVolume()
    {
        if (m_mounted && OnHost("umount"))
            WaitUntil([this] { return !IsSmall(); }, 3000);
    }
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;
    bool Mounted() const { return m_mounted; }

private:
    // Starts `command` with the folder's host path after it.
    bool OnHost(const std::string& command) const
    {
        using UnixName = char*(CDECL*)(LPCWSTR);
        const auto unixName = reinterpret_cast<UnixName>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
        char* const path = unixName != nullptr ? unixName(Wide(m_folder).c_str()) : nullptr;
        if (path == nullptr)
            return false;
        std::string line = "Z:\\bin\\sh -c \"" + command + " '" + path + "'\"";
        ::HeapFree(::GetProcessHeap(), 0, path);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        const bool started =
            ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
        ::CloseHandle(process.hProcess);  // none under Wine, for a Unix program
        ::CloseHandle(process.hThread);
        return started;
    }
    bool IsSmall() const
    {
        ULARGE_INTEGER total{};
        return ::GetDiskFreeSpaceExW(Wide(m_folder + "\\").c_str(), nullptr, &total, nullptr) &&
               total.QuadPart == 1u << 20;
    }

    const std::string m_folder;
    bool m_mounted = false;
};

// A join its output's disk cannot hold: after Save As, the "Sorry" box over the main window, and
// no output.
TEST(JoinCommand, AJoinTheDiskCannotHoldIsRefusedAfterSaveAs)
{
    const TempFolder folder;
    const SmallVolume volume(folder.PathOf("small"));
    if (!volume.Mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const std::string piece = folder.Write("piece", Pattern(600000, 2));
    const std::string output = folder.PathOf("small\\joined");
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        List(window, {piece, piece});
        Join(window, output);
        const Box box = Dismiss("Sorry");
        EXPECT_EQ(box.text, NoRoomText("joined", 1200000, 1 << 20));
        EXPECT_EQ(box.icon, ::LoadIconA(nullptr, IDI_INFORMATION));
        EXPECT_EQ(box.owner, "Cordwain");
    }));
    EXPECT_EQ(::GetFileAttributesW(Wide(output).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(JoinCommand, JoinsWithAndWithoutDividersAndCancelWaitsForTheWorker)
{
    const TempFolder folder;
    const std::string first = folder.Write("Grüße-日本-😀.bin.001", Pattern(1300000, 1));  // three chunks
    const std::string empty = folder.Write("empty.bin", "");
    const std::string small = folder.Write("small.bin", "small");
    const std::string plain = folder.PathOf("Ωmega-plain");  // used as typed: no extension is added
    const std::string divided = folder.PathOf("Ωmega-divided.out");
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        ChooseMenuItem(window, ID_ACTION_JOIN);
        EXPECT_EQ(Dismiss("Sorry").text, "There are no files to join together.");
        EXPECT_EQ(WaitForWindow("Save As", 300), nullptr);

        // A gap in a set is named before Save As, over the window: No ends there, Yes goes on.
        List(window, {folder.Write("set.bin.001", "1"), folder.Write("set.bin.003", "3")});
        ClickButton(window, IDC_JOIN);
        const Box question = Dismiss("Hold on...", IDNO);
        EXPECT_NE(question.text.find("set.bin.002 is missing between set.bin.001 and set.bin.003"), std::string::npos);
        EXPECT_EQ(question.icon, ::LoadIconA(nullptr, IDI_WARNING));
        EXPECT_EQ(question.owner, "Cordwain");
        EXPECT_EQ(WaitForWindow("Save As", 300), nullptr);
        ClickButton(window, IDC_JOIN);
        Dismiss("Hold on...", IDYES);
        AnswerFileDialog(WaitForWindow("Save As"), folder.PathOf("set.bin"));
        Dismiss("It Worked!");

        List(window, {first, empty, small});
        ClickButton(window, IDC_JOIN);
        const HWND saveAs = WaitForWindow("Save As");
        EXPECT_EQ(FileDialogObject(saveAs), nullptr) << "hooked: the old-style dialog";
        const HWND nameBox = ::GetDlgItem(saveAs, 0x47C);
        EXPECT_EQ(ReadText(nameBox != nullptr ? nameBox : ::GetDlgItem(saveAs, 0x480)), "Grüße-日本-😀.bin");
        ClickButton(saveAs, IDCANCEL);
        EXPECT_EQ(WaitForWindow("Joining Files...", 300), nullptr);

        for (const std::string& output : {divided, plain}) {  // the option ends cleared, for what follows
            ::CheckDlgButton(window, IDC_INSERT_DIVIDERS, output == divided ? BST_CHECKED : BST_UNCHECKED);
            Join(window, output);
            const HWND progress = WaitForWindow("Joining Files...");
            EXPECT_EQ(ReadText(::GetDlgItem(progress, IDC_CURRENT_FILE)), "");  // empty on the second join too
            EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(progress); })) << "not hidden on success";
            EXPECT_EQ(Dismiss("It Worked!").owner, "Cordwain");
            ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
        }

        // Cancel while the worker waits inside a read, on a pipe the test feeds.
        const FeedPipe pipe;
        List(window, {pipe.name});
        Join(window, folder.PathOf("partial.out"));
        HWND progress = WaitForWindow("Joining Files...");
        ASSERT_TRUE(pipe.Feed(Pattern(kJoinChunkSize, 3)));
        ASSERT_TRUE(WaitUntil([&] { return ReadAll(folder.PathOf("partial.out")).size() == kJoinChunkSize; }));
        ::SendMessageW(progress, WM_COMMAND, IDOK, 0);  // Enter in the path box: ignored
        ClickButton(progress, IDCANCEL);                // while the worker waits inside its next read
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(progress); }, 3000));
        EXPECT_FALSE(::IsWindowEnabled(window)) << "the window took input with the worker running";
        ClickButton(window, IDC_JOIN);
        EXPECT_EQ(WaitForWindow("Save As", 100), nullptr) << "a second join started beside the first";
        // Fed within the worker's grace, before its read is cancelled: the chunk read after Cancel is not written.
        ASSERT_TRUE(pipe.Feed(Pattern(kJoinChunkSize, 4)));
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
        EXPECT_EQ(WaitForWindow("It Worked!", 500), nullptr);
        EXPECT_EQ(ReadAll(folder.PathOf("partial.out")), Pattern(kJoinChunkSize, 3));

        // An error before the cancel: the report comes after the dialog has gone, owned by nothing.
        const FeedPipe second;
        List(window, {folder.PathOf("missing.txt"), second.name});
        Join(window, folder.PathOf("nothing.out"));
        progress = WaitForWindow("Joining Files...");
        ASSERT_TRUE(WaitUntil([&] { return ReadText(::GetDlgItem(progress, IDC_CURRENT_FILE)) == second.name; }));
        ClickButton(progress, IDCANCEL);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(progress); }, 3000));
        ASSERT_TRUE(second.Feed(Pattern(kJoinChunkSize, 5)));
        const Box box = Dismiss("Well...");
        EXPECT_NE(box.text.find(OpenFailureEntry(folder.PathOf("missing.txt"))), std::string::npos);
        EXPECT_EQ(box.owner, "");
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }));
        EXPECT_EQ(ReadAll(folder.PathOf("nothing.out")), "");

        // A pipe nobody writes: the read is cancelled, and the worker and the window are back within 2 s.
        {
            const FeedPipe silent;
            List(window, {first, silent.name});
            Join(window, folder.PathOf("never.out"));
            progress = WaitForWindow("Joining Files...");
            const CHandle worker(::OpenThread(SYNCHRONIZE, FALSE, dialog.m_dwWorkerThreadId));
            ASSERT_TRUE(WaitUntil([&] { return ReadText(::GetDlgItem(progress, IDC_CURRENT_FILE)) == silent.name; }));
            // The pipe has no size: the first file is the whole total, however fast its chunks came.
            const HWND bar = ::GetDlgItem(progress, IDC_PROGRESS_BAR);
            EXPECT_TRUE(WaitUntil([&] { return ::SendMessageW(bar, PBM_GETPOS, 0, 0) == 1000; }));
            ClickButton(progress, IDCANCEL);
            EXPECT_TRUE(WaitUntil(
                [&] {
                    if (const HWND report = ::FindWindowW(nullptr, L"Well..."))  // the cancelled read's, if any
                        ClickButton(report, IDOK);
                    return ::WaitForSingleObject(worker.Get(), 0) == WAIT_OBJECT_0;
                },
                2000))
                << "the worker was left behind";
            EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }, 300));
        }
        List(window, {small});
        Join(window, folder.PathOf("later.out"));
        Dismiss("It Worked!");
    }));
    EXPECT_EQ(ReadAll(folder.PathOf("set.bin")), "13");
    EXPECT_EQ(ReadAll(folder.PathOf("later.out")), "small");
    EXPECT_EQ(ReadAll(plain), Pattern(1300000, 1) + "small");
    EXPECT_EQ(ReadAll(divided),
              DividerBlock(first) + Pattern(1300000, 1) + DividerBlock(empty) + DividerBlock(small) + "small");
}

// A checksum published beside the pieces is checked while they are copied, unless dividers are on.
TEST(JoinCommand, AChecksumBesideThePiecesIsCheckedOnTheWay)
{
    const TempFolder folder;
    const std::string film = folder.Write("film.avi.001", "film ");
    folder.Write("film.avi.002", "bytes");
    folder.Write("film.avi.sha256", "e3611a71ea63c2b11f29de53e2078fa98ba2f1289a8bb44b4f204e0e89830853  film.avi\n");
    const std::string clip = folder.Write("clip.mkv.001", "clip ");
    folder.Write("clip.mkv.002", "bytez");  // one byte changed
    folder.Write("clip.mkv.sha256", "51524b02ba6abf47fc821bf02bc167535af8bc4d04c12194a2bd4999e38115b7  clip.mkv\n");
    const std::string song = folder.Write("song.flac.001", "song ");
    folder.Write("song.flac.002", "bytes");
    folder.Write("album.sfv", "; made by hand\nsong.flac 8649699F\n");
    CMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        const auto joined = [&](const std::string& first, const char* caption) {
            List(window, {first, first.substr(0, first.size() - 1) + "2"});
            Join(window, first.substr(0, first.size() - 4));
            return Dismiss(caption);
        };
        EXPECT_NE(joined(film, "It Worked!").texts.find("SHA-256 matches film.avi.sha256.\n"), std::string::npos);
        EXPECT_NE(joined(song, "It Worked!").texts.find("CRC-32 matches album.sfv.\n"), std::string::npos);
        const Box mismatch = joined(clip, "Oh, no!");
        EXPECT_EQ(mismatch.text,
                  ChecksumMismatchText("clip.mkv.sha256", "SHA-256",
                                       "51524b02ba6abf47fc821bf02bc167535af8bc4d04c12194a2bd4999e38115b7",
                                       "7e12b2ea630440cb666e6cf8ef7e68548b1f97246ea926d382a0960a1042cdf9"));
        EXPECT_EQ(mismatch.icon, ::LoadIconA(nullptr, IDI_ERROR));
        EXPECT_EQ(WaitForWindow("It Worked!", 700), nullptr);
        // With dividers the output is not the published file: no check, and the design's box alone.
        ::CheckDlgButton(window, IDC_INSERT_DIVIDERS, BST_CHECKED);
        EXPECT_EQ(joined(clip, "It Worked!").texts.find("matches"), std::string::npos);
    }));
}

// Pieces that are hard to reach on a real system: a relative name after Save As chose a folder that
// holds the same name, a relative name that resolves to some 300 characters, and a piece another
// program holds open for reading and deleting (the sharing is the handle's, so this process holds it).
TEST(JoinCommand, RelativeLongAndHeldPiecesJoinFromTheStartFolder)
{
    const TempFolder start;
    const TempFolder elsewhere("-elsewhere");
    start.Write("piece.001", "start ");
    elsewhere.Write("piece.001", "elsewhere ");
    const std::string deep = std::string(200, 'd') + "\\" + std::string(100, 'l') + ".002";
    const std::wstring deepFolder = LR"(\\?\)" + Wide(start.PathOf(std::string(200, 'd')));
    const std::wstring deepFile = LR"(\\?\)" + Wide(start.PathOf(deep));
    ::CreateDirectoryW(deepFolder.c_str(), nullptr);
    std::ofstream(std::filesystem::path(deepFile), std::ios::binary) << "deep ";
    const std::string held = start.Write("held.003", "held");
    const CHandle holder(::CreateFileW(Wide(held).c_str(), GENERIC_READ | DELETE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       0, nullptr));
    const std::filesystem::path startedIn = std::filesystem::current_path();
    std::filesystem::current_path(start.Path());
    CMainDlg dialog;
    for (const std::string& path : {std::string("piece.001"), deep, held})
        dialog.AddPendingFile(path);
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        ClickButton(window, IDC_JOIN);
        const HWND saveAs = WaitForWindow("Save As");
        AnswerFileDialog(saveAs, elsewhere.Path());  // browsed there, as a user would
        ASSERT_TRUE(WaitUntil([&] {
            char shown[MAX_PATH] = {};  // the dialog's own (narrow) answer
            ::SendMessageA(saveAs, CDM_GETFOLDERPATH, MAX_PATH, LPARAM(shown));
            return shown == elsewhere.Path();
        }));
        AnswerFileDialog(saveAs, "joined");
        Dismiss("It Worked!");
    }));
    std::filesystem::current_path(startedIn);
    EXPECT_EQ(ReadAll(elsewhere.PathOf("joined")), "start deep held");
}

// The main window whose list cannot always be read: "unnamable" on the window's own thread (the
// Join command's first read, inside its handler), "unreadable" on the worker's.
class CFailingMainDlg : public CMainDlg {
public:
    std::string FilePath(int index) const override
    {
        std::string path = CMainDlg::FilePath(index);
        if (path == (::GetCurrentThreadId() == m_windowThread ? "unnamable" : "unreadable"))
            throw std::runtime_error("the list could not be read");
        return path;
    }

private:
    const DWORD m_windowThread = ::GetCurrentThreadId();
};

// Keeps the progress dialog from being made, as a system out of resources would.
LRESULT CALLBACK RefuseProgressDialog(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* const create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    if (code == HCBT_CREATEWND && !IS_INTRESOURCE(create->lpcs->lpszName) &&
        std::string(create->lpcs->lpszName) == "Joining Files...")
        return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(JoinCommand, FailuresEndInTheirBoxesOverTheirOwnersAndTheProgramGoesOn)
{
    const TempFolder folder;
    const std::string first = folder.Write("first.txt", "first bytes");
    const std::string missing = folder.PathOf("Grüße-日本-😀.bin.002");
    const std::string held = folder.Write("held.out", "held by someone else");
    const CHandle holder(::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    // Some 250 characters, past MAX_PATH in bytes: the whole name must come back from Save As.
    const std::string listed = folder.PathOf(Utf8(std::wstring(250 - folder.Path().size(), L'Ω')));
    const std::string lead = "Sorry; something went wrong, and what you asked for was stopped.\n";
    CFailingMainDlg dialog;
    EXPECT_TRUE(RunMainWindow(dialog, [&](HWND window) {
        List(window, {"unnamable"});
        ClickButton(window, IDC_JOIN);
        const Box thrown = Dismiss("Oh, no!");
        EXPECT_EQ(thrown.text, lead + "the list could not be read");
        EXPECT_EQ(thrown.owner, "Cordwain");

        // Joins that fail: the box, how its text starts, its icon and owner; and "It Worked!" never.
        const auto fails = [&](const std::vector<std::string>& paths, const std::string& output, const char* caption,
                               const std::string& text, LPCSTR icon, const char* owner) {
            List(window, paths);
            Join(window, output);
            const Box box = Dismiss(caption);
            EXPECT_EQ(box.text.rfind(text, 0), 0u) << box.text;
            EXPECT_EQ(box.icon, ::LoadIconA(nullptr, icon)) << text;
            EXPECT_EQ(box.owner, owner) << text;
            EXPECT_EQ(WaitForWindow("It Worked!", 700), nullptr) << text;
        };
        fails({first, missing, folder.Write("third", "3")}, folder.PathOf("joined.out"), "Well...",
              ErrorReportText(OpenFailureEntry(missing)), IDI_INFORMATION, "Joining Files...");
        fails({first}, held, "Oh, no!", kOutputOpenFailedText, IDI_ERROR, "Joining Files...");  // held without sharing
        // A listed output: one box however often it is listed, and no worker.
        const DWORD lastWorker = dialog.m_dwWorkerThreadId;
        fails({first, listed, listed}, listed, "Oh, no!", kOutputInListText, IDI_ERROR, "Cordwain");
        EXPECT_EQ(WaitForWindow("Oh, no!", 300), nullptr);
        EXPECT_EQ(dialog.m_dwWorkerThreadId, lastWorker);
        fails({"unreadable"}, folder.PathOf("out"), "Oh, no!", lead + "the list could not be read", IDI_ERROR,
              "Joining Files...");
        // No progress dialog, and nothing the worker could fail on; last, as nothing else may clear the flag.
        const HHOOK hook =
            ::SetWindowsHookExA(WH_CBT, &RefuseProgressDialog, nullptr, ::GetWindowThreadProcessId(window, nullptr));
        fails({folder.Write("empty", "")}, folder.PathOf("out2"), "Oh, no!", "Sorry; the join could not be started.",
              IDI_ERROR, "Cordwain");
        ::UnhookWindowsHookEx(hook);
    }));
    EXPECT_EQ(ReadAll(folder.PathOf("joined.out")), "first bytes");  // the third file's chunk meets the error
    EXPECT_FALSE(dialog.m_bJoinRunning);
}

}  // namespace
}  // namespace cordwain
