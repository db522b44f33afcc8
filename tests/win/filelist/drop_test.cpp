// Files dropped on the file list: a real HDROP delivered as WM_DROPFILES, read whole, filtered
// to plain files in the drop's order, and released.
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/main_dlg_harness.h"
#include "res/resource.h"
#include "support/temp_folder.h"

namespace {

using Texts = std::vector<std::string>;

// A drop as the shell builds it: DROPFILES, then each ANSI name with its terminator, then one more.
HGLOBAL MakeDrop(const Texts& names)
{
    std::size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& name : names)
        size += name.size() + 1;
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* const header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* next = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
    for (const std::string& name : names) {
        std::memcpy(next, name.c_str(), name.size() + 1);
        next += name.size() + 1;
    }
    ::GlobalUnlock(memory);
    return memory;
}

struct DropOutcome {
    Texts texts;
    LRESULT answer = -1;
    bool released = false;
    int extent = -1;
    int expectedExtent = -2;
    int selection = 0;
};

DropOutcome DropOnList(const Texts& existing, const Texts& dropped)
{
    DropOutcome outcome;
    const bool ended = RunMainDlg([&](CMainDlgUnderTest& d) {
        AddTexts(d.m_lstFiles, existing);
        const HGLOBAL drop = MakeDrop(dropped);
        outcome.answer = d.m_lstFiles.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop));
        outcome.released = ::GlobalSize(drop) == 0;
        outcome.texts = ListTexts(d.m_lstFiles);
        outcome.extent = d.m_lstFiles.GetHorizontalExtent();
        outcome.expectedExtent = 0;
        for (const std::string& text : outcome.texts)
            outcome.expectedExtent = std::max(outcome.expectedExtent, MeasuredWidth(d.m_lstFiles, text));
        outcome.selection = d.m_lstFiles.GetCurSel();
    });
    EXPECT_TRUE(ended);
    return outcome;
}

TEST(FileListDrop, AppendsOnlyPlainFilesInTheDropsOrder)
{
    wintest::TempFolder folder;
    const std::string second = folder.MakeFile("second piece with a longer name.bin");
    const std::string first = folder.MakeFile("first.bin");
    const std::string subfolder = folder.MakeFolder("a folder");
    folder.MakeFile("a folder\\inside.txt");  // a dropped folder is never expanded
    const std::string missing = folder.Path() + "\\deleted meanwhile.txt";

    const DropOutcome outcome = DropOnList({"C:\\already\\listed.txt", first}, {second, subfolder, missing, first});
    EXPECT_EQ((Texts{"C:\\already\\listed.txt", first, second, first}), outcome.texts);
    EXPECT_TRUE(outcome.released);
    EXPECT_EQ(outcome.expectedExtent, outcome.extent);
    EXPECT_EQ(LB_ERR, outcome.selection);
}

TEST(FileListDrop, NothingButFoldersAddsNothingAndStillReleases)
{
    wintest::TempFolder folder;
    const DropOutcome outcome = DropOnList({}, {folder.MakeFolder("one"), folder.Path()});
    EXPECT_TRUE(outcome.texts.empty());
    EXPECT_TRUE(outcome.released);
    EXPECT_EQ(0, outcome.extent);
}

// A name past 259 characters must never arrive cut: cut, it would name the other file made
// here, whose name is exactly the first 259 characters of the long one.
TEST(FileListDrop, LongNameIsReadWholeNeverCut)
{
    wintest::TempFolder folder;
    const std::string deep = "a folder deep enough that the name below passes the old limit";
    folder.MakeFolder(deep);
    const std::string longName = deep + "\\" + std::string(200, 'n') + ".txt";
    const std::string longPath = folder.MakeFile(longName);
    ASSERT_GT(longPath.size(), 259u);
    const std::string cutPath = longPath.substr(0, 259);
    ASSERT_GT(cutPath.size(), folder.Path().size() + deep.size() + 2) << "the cut must fall in the file name";
    folder.MakeFile(cutPath.substr(folder.Path().size() + 1));
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(cutPath.c_str()));

    const DropOutcome outcome = DropOnList({}, {longPath});
    EXPECT_TRUE(outcome.released);
    if (::GetFileAttributesA(longPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        // This system's ANSI file functions stop at MAX_PATH, so the whole name is unreadable
        // and skipped like a missing file.
        std::printf("note: GetFileAttributesA cannot reach a %u-character path here\n",
                    static_cast<unsigned>(longPath.size()));
        EXPECT_TRUE(outcome.texts.empty());
    } else {
        EXPECT_EQ((Texts{longPath}), outcome.texts);
    }
}

TEST(FileListDrop, OnlyTheListAcceptsDrops)
{
    bool listAccepts = false;
    bool dialogAccepts = true;
    std::vector<int> otherAcceptingControls;
    Texts afterDropOnDialog;
    const bool ended = RunMainDlg([&](CMainDlgUnderTest& d) {
        listAccepts = (::GetWindowLongA(d.m_lstFiles.m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
        dialogAccepts = (::GetWindowLongA(d.m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
        for (HWND child = ::GetWindow(d.m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (child != d.m_lstFiles.m_hWnd && (::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0)
                otherAcceptingControls.push_back(::GetDlgCtrlID(child));
        }
        char self[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        const HGLOBAL drop = MakeDrop({self});
        d.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop));
        afterDropOnDialog = ListTexts(d.m_lstFiles);
        ::GlobalFree(drop);
    });
    ASSERT_TRUE(ended);
    EXPECT_TRUE(listAccepts);
    EXPECT_FALSE(dialogAccepts);
    EXPECT_TRUE(otherAcceptingControls.empty());
    EXPECT_TRUE(afterDropOnDialog.empty());
}

}  // namespace
