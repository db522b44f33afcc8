// The file list box's horizontal extent on a real list box with the dialog's font: every add,
// insert, delete, directory listing and clear passes through its handlers.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "support/main_dlg_harness.h"
#include "support/temp_folder.h"

namespace {

const std::string kShort = "C:\\a.txt";
const std::string kMiddle = "C:\\Data\\pieces\\archive.part.001";
const std::string kWidest = "C:\\Data\\pieces\\a much longer folder name\\archive.part.002";

TEST(FileListExtent, FollowsAddsAndDeletesWithTheListFont)
{
    struct {
        int start = -1, afterWidest = -1, afterShorter = -1, afterInsert = -1;
        int afterDeleteWidest = -1, afterDeleteLast = -1;
        int addAnswer = -9, deleteAnswer = -9;
    } seen;
    int widestWidth = 0, middleWidth = 0, shortWidth = 0;
    const bool ended = RunMainDlg([&](CMainDlgUnderTest& d) {
        const CFileListBox& list = d.m_lstFiles;
        widestWidth = MeasuredWidth(list, kWidest);
        middleWidth = MeasuredWidth(list, kMiddle);
        shortWidth = MeasuredWidth(list, kShort);
        seen.start = list.GetHorizontalExtent();
        seen.addAnswer = list.AddString(kWidest.c_str());
        seen.afterWidest = list.GetHorizontalExtent();
        list.AddString(kShort.c_str());
        seen.afterShorter = list.GetHorizontalExtent();
        list.InsertString(0, kMiddle.c_str());
        seen.afterInsert = list.GetHorizontalExtent();
        seen.deleteAnswer = list.DeleteString(1);  // the widest
        seen.afterDeleteWidest = list.GetHorizontalExtent();
        list.DeleteString(0);
        list.DeleteString(0);
        seen.afterDeleteLast = list.GetHorizontalExtent();
    });
    ASSERT_TRUE(ended);
    // The three texts measure differently, so the checks below tell them apart.
    ASSERT_GT(widestWidth, middleWidth);
    ASSERT_GT(middleWidth, shortWidth);
    EXPECT_EQ(0, seen.start);
    EXPECT_EQ(0, seen.addAnswer);  // the sender still sees the control's own answers
    EXPECT_EQ(widestWidth, seen.afterWidest);
    EXPECT_EQ(widestWidth, seen.afterShorter);
    EXPECT_EQ(widestWidth, seen.afterInsert);
    EXPECT_EQ(2, seen.deleteAnswer);
    EXPECT_EQ(middleWidth, seen.afterDeleteWidest);
    EXPECT_EQ(0, seen.afterDeleteLast);
}

TEST(FileListExtent, RefusedChangesLeaveItAndClearResetsIt)
{
    int afterRefusedInsert = -1, refusedAnswer = 0, afterBadDelete = -1, badDeleteAnswer = 0;
    int beforeClear = -1, afterClear = -1, countAfterClear = -1;
    int shortWidth = 0;
    const bool ended = RunMainDlg([&](CMainDlgUnderTest& d) {
        const CFileListBox& list = d.m_lstFiles;
        shortWidth = MeasuredWidth(list, kShort);
        list.AddString(kShort.c_str());
        refusedAnswer = list.InsertString(5, kWidest.c_str());  // past the end: refused
        afterRefusedInsert = list.GetHorizontalExtent();
        badDeleteAnswer = list.DeleteString(7);
        afterBadDelete = list.GetHorizontalExtent();
        list.AddString(kWidest.c_str());
        beforeClear = list.GetHorizontalExtent();
        list.ResetContent();
        afterClear = list.GetHorizontalExtent();
        countAfterClear = list.GetCount();
    });
    ASSERT_TRUE(ended);
    EXPECT_EQ(LB_ERR, refusedAnswer);
    EXPECT_EQ(shortWidth, afterRefusedInsert);
    EXPECT_EQ(LB_ERR, badDeleteAnswer);
    EXPECT_EQ(shortWidth, afterBadDelete);
    EXPECT_GT(beforeClear, shortWidth);
    EXPECT_EQ(0, afterClear);
    EXPECT_EQ(0, countAfterClear);
}

TEST(FileListExtent, DirectoryListingRecomputesOverEveryItem)
{
    wintest::TempFolder folder;
    const std::string longName = "a listed file with a rather long name, longer than the rest.txt";
    folder.MakeFile("b.txt");
    folder.MakeFile(longName);
    const std::string pattern = folder.Path() + "\\*.txt";
    int extent = -1, expected = 0, count = 0;
    const bool ended = RunMainDlg([&](CMainDlgUnderTest& d) {
        const CFileListBox& list = d.m_lstFiles;
        list.AddString(kShort.c_str());
        list.SendMessage(LB_DIR, DDL_READWRITE, reinterpret_cast<LPARAM>(pattern.c_str()));
        count = list.GetCount();
        extent = list.GetHorizontalExtent();
        expected = MeasuredWidth(list, longName);
    });
    ASSERT_TRUE(ended);
    EXPECT_EQ(3, count);
    EXPECT_EQ(expected, extent);
}

}  // namespace
