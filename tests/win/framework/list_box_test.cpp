// CListBox on a real list box in a dialog: texts read whole, whatever their length.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "test_dialog.h"

namespace {

TEST(ListBox, GetTextReadsLongItemsWholeAndEmptiesForABadIndex)
{
    CTestDlg dlg;
    CString longText;
    CString bad = "not emptied";
    int badAnswer = 0;
    // Well past MAX_PATH; Wine's A list box messages fail on items beyond about 512 characters.
    const std::string expected(500, 'x');
    dlg.m_onShown = [&](CTestDlg& d) {
        d.m_list.AddString(expected.c_str());
        d.m_list.GetText(0, longText);
        badAnswer = d.m_list.GetText(5, bad);

        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(expected, longText.str());
    EXPECT_EQ(LB_ERR, badAnswer);
    EXPECT_TRUE(bad.IsEmpty());
}

}  // namespace
