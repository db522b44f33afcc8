// The Join command end to end on the real main window: the Save As dialog, the refusals, the
// worker's output, its reports and "It Worked!".
#include <windows.h>

#include <commdlg.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "join_flow.h"
#include "join/join_worker.h"
#include "join_session.h"
#include "support/window_finder.h"
#include "support/window_input.h"

namespace jointest {
namespace {

const std::string kInListText =
    "Sorry.  The file you're writing to is in the list\nof files to be joined.  That doesn't seem right.\n"
    "Although it might work, I've decided to stop before\nI break something you might not need broken.";

std::string Divider(const std::string& path) { return "\nFILE: " + path + "\n" + std::string(72, '-') + "\n"; }

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

TEST(JoinCommand, EmptyListGivesOnlyTheSorryBox)
{
    MainWindowSession session;
    session.Run([](HWND mainWindow) {
        PressJoin(mainWindow);
        const HWND box = WaitForDialog("Sorry");
        ASSERT_NE(nullptr, box);
        EXPECT_EQ("There are no files to join together.", MessageBoxText(box));
        wintest::ClickButton(box, IDOK);
        EXPECT_EQ(nullptr, WaitForDialog("Save As", 500));
    });
    EXPECT_TRUE(session.Dialog().m_bJoinRunning);
}

// What the live Save As dialog offers for a first entry, read while it is up; then cancelled.
struct SaveAsOffer {
    std::string name;
    std::string folder;
};

SaveAsOffer OfferFor(const std::string& firstEntry)
{
    SaveAsOffer offer;
    MainWindowSession session;
    session.Run([&](HWND mainWindow) {
        AddFiles(mainWindow, {firstEntry});
        PressJoin(mainWindow);
        const HWND saveAs = WaitForDialog("Save As");
        ASSERT_NE(nullptr, saveAs);
        char folder[MAX_PATH] = {};
        ::SendMessageA(saveAs, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
        char name[MAX_PATH] = {};
        ::SendMessageA(saveAs, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(name));
        offer = {name, folder};
        wintest::ClickButton(saveAs, IDCANCEL);
        EXPECT_EQ(nullptr, WaitForDialog("Joining Files...", 500));
    });
    return offer;
}

TEST(JoinCommand, SaveAsProposesTheWholeFileOfNumberedPiecesInTheirFolder)
{
    const TempFolder dir;
    const SaveAsOffer piece = OfferFor(dir.PathOf("film.avi.001"));
    EXPECT_EQ("film.avi", piece.name);
    EXPECT_EQ(0, _stricmp(dir.Path().c_str(), piece.folder.c_str())) << piece.folder;

    const SaveAsOffer plain = OfferFor(dir.PathOf("notes.txt"));
    EXPECT_EQ("", plain.name);
    EXPECT_EQ(0, _stricmp(dir.Path().c_str(), plain.folder.c_str())) << plain.folder;
    EXPECT_FALSE(FileExists(dir.PathOf("film.avi")));
}

// The same-file rules are tested fully without windows; here one spelling that differs from the
// listed one proves the command goes through them.
TEST(JoinCommand, RefusesAnOutputThatIsAListedFileSpeltInAnotherCase)
{
    const TempFolder dir;
    const std::string output = Upper(dir.PathOf("b.txt"));
    const std::string a = dir.Write("a.txt", "alpha");
    const std::string b = dir.Write("b.txt", "bravo");
    MainWindowSession session;
    session.Dialog().m_dwWorkerThreadId = 0;
    session.Run([&](HWND mainWindow) {
        AddFiles(mainWindow, {a, b, b});
        PressJoin(mainWindow);
        const HWND saveAs = WaitForDialog("Save As");
        ASSERT_NE(nullptr, saveAs);
        AnswerSaveAs(saveAs, output);
        ASSERT_TRUE(ConfirmOverwrite());
        const HWND box = WaitForDialog("Oh, no!");
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(kInListText, MessageBoxText(box));
        wintest::ClickButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
        // One box for a path listed twice, and no join behind it.
        EXPECT_EQ(nullptr, WaitForDialog("Oh, no!", 300));
        EXPECT_EQ(nullptr, wintest::FindTopLevelWindow("Joining Files..."));
    });
    EXPECT_EQ(0u, session.Dialog().m_dwWorkerThreadId) << "a worker was started";
    EXPECT_EQ("bravo", ReadFileBytes(b));
}

TEST(JoinCommand, OutputIsTheConcatenationWithAndWithoutDividers)
{
    const TempFolder dir;
    const std::string bigBytes = Pattern(1300000, 1);  // spans three chunks
    const std::string big = dir.Write("big.bin", bigBytes);
    const std::string empty = dir.Write("empty.bin", "");
    const std::string small = dir.Write("small.bin", Pattern(1000, 2));
    const std::string plainOut = dir.PathOf("plain.out");
    const std::string dividedOut = dir.PathOf("divided.out");

    MainWindowSession session;
    session.Run([&](HWND mainWindow) {
        AddFiles(mainWindow, {big, empty, small});

        const HWND first = StartJoin(mainWindow, plainOut);
        ASSERT_NE(nullptr, first);
        const ProgressSeen firstSeen = WatchProgress(first);
        ASSERT_TRUE(firstSeen.ended);
        EXPECT_TRUE(firstSeen.hiddenBeforeEnd) << "the progress dialog was not hidden on success";
        EXPECT_TRUE(AcceptSuccess()) << "no \"It Worked!\" with \"&Go Away\"";

        // The check box as it stands at Join time is what the second join uses.
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(mainWindow) != FALSE; }));
        SetInsertDividers(mainWindow, true);
        const HWND second = StartJoin(mainWindow, dividedOut);
        ASSERT_NE(nullptr, second);
        const ProgressSeen secondSeen = WatchProgress(second);
        EXPECT_EQ("", secondSeen.firstFileText) << "the second join's box starts with the first join's file";
        EXPECT_TRUE(AcceptSuccess());
    });
    EXPECT_EQ(bigBytes + Pattern(1000, 2), ReadFileBytes(plainOut));
    EXPECT_EQ(Divider(big) + bigBytes + Divider(empty) + Divider(small) + Pattern(1000, 2), ReadFileBytes(dividedOut));
    EXPECT_TRUE(g_bJoinSucceeded);
}

TEST(JoinCommand, MissingFileInTheMiddleIsReportedAndNoSuccessFollows)
{
    const TempFolder dir;
    const std::string first = dir.Write("first.txt", "first bytes");
    const std::string missing = dir.PathOf("missing.txt");
    const std::string third = dir.Write("third.txt", "third bytes");
    const std::string output = dir.PathOf("joined.out");

    MainWindowSession session;
    session.Run([&](HWND mainWindow) {
        AddFiles(mainWindow, {first, missing, third});
        const HWND progress = StartJoin(mainWindow, output);
        ASSERT_NE(nullptr, progress);
        const HWND report = WaitForDialog("Well...");
        ASSERT_NE(nullptr, report);
        EXPECT_EQ("Trying to copy all the files, these errors occurred:\n\n\nCould not open " + missing +
                      "\n\nSorry it didn't turn out.  I did what I could.",
                  MessageBoxText(report));
        EXPECT_TRUE(::IsWindowVisible(progress)) << "the report stands over the progress dialog";
        wintest::ClickButton(report, IDOK);
        EXPECT_TRUE(WatchProgress(progress).ended);
        EXPECT_EQ(nullptr, WaitForDialog("It Worked!", 1000));
    });
    // The third file's first chunk meets the recorded error and is not written.
    EXPECT_EQ("first bytes", ReadFileBytes(output));
    EXPECT_FALSE(g_bJoinSucceeded);
}

TEST(JoinCommand, OutputHeldOpenByAnotherProgramIsReportedAndLeftAlone)
{
    const TempFolder dir;
    const std::string input = dir.Write("input.txt", "input");
    const std::string output = dir.Write("held.out", "held by someone else");
    const HANDLE holder = ::CreateFileA(output.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);

    MainWindowSession session;
    session.Run([&](HWND mainWindow) {
        AddFiles(mainWindow, {input});
        PressJoin(mainWindow);
        const HWND saveAs = WaitForDialog("Save As");
        ASSERT_NE(nullptr, saveAs);
        AnswerSaveAs(saveAs, output);
        ConfirmOverwrite(2000);  // the dialog may or may not see the held file as replaceable
        const HWND box = WaitForDialog("Oh, no!");
        ASSERT_NE(nullptr, box);
        EXPECT_EQ("Sorry; the output file could not be opened.\nCheck the permissions and make sure the file\n"
                  "hasn't already been opened by another application.",
                  MessageBoxText(box));
        const HWND progress = wintest::FindTopLevelWindow("Joining Files...");
        EXPECT_NE(nullptr, progress) << "the box belongs to the join";
        wintest::ClickButton(box, IDOK);
        if (progress != nullptr) {
            EXPECT_TRUE(WatchProgress(progress).ended);
        }
        EXPECT_EQ(nullptr, WaitForDialog("It Worked!", 1000));
    });
    ::CloseHandle(holder);
    EXPECT_EQ("held by someone else", ReadFileBytes(output));
}

}  // namespace
}  // namespace jointest
