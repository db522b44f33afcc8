// CDialog on a real dialog: binding, data exchange both ways, the OK/Cancel/Close paths and the owner.
#include <gtest/gtest.h>

#include "framework/win_app.h"
#include "framework_test_res.h"
#include "support/window_input.h"
#include "test_dialog.h"

namespace {

UINT CheckState(const CTestDlg& dlg) { return ::IsDlgButtonChecked(dlg.m_hWnd, IDC_FW_CHECK); }

TEST(Dialog, OpensWithMembersInControlsAndOkSavesThem)
{
    CTestDlg dlg;
    dlg.m_nCheck = 1;
    dlg.m_strText = "C:\\data\\first.txt";
    CString shownText;
    UINT shownCheck = 99;
    dlg.m_onShown = [&](CTestDlg& d) {
        shownCheck = CheckState(d);
        d.GetDlgItem(IDC_FW_EDIT).GetWindowText(shownText);
        ::CheckDlgButton(d.m_hWnd, IDC_FW_CHECK, BST_INDETERMINATE);
        ::SetDlgItemTextA(d.m_hWnd, IDC_FW_EDIT, "typed by the user");
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shownCheck);
    EXPECT_EQ(CString("C:\\data\\first.txt"), shownText);
    EXPECT_EQ(1, dlg.m_okCount);
    EXPECT_EQ(2, dlg.m_nCheck);
    EXPECT_EQ(CString("typed by the user"), dlg.m_strText);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(Dialog, CheckValuesOutsideZeroToTwoAreWrittenUnchecked)
{
    for (const int value : {-1, 3, 7}) {
        CTestDlg dlg;
        dlg.m_nCheck = value;
        UINT shown = 99;
        dlg.m_onShown = [&](CTestDlg& d) {
            shown = CheckState(d);
            d.EndDialog(IDCANCEL);
        };
        dlg.DoModal();
        EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), shown) << "value " << value;
    }
    CTestDlg indeterminate;
    indeterminate.m_nCheck = 2;
    UINT shown = 99;
    indeterminate.m_onShown = [&](CTestDlg& d) {
        shown = CheckState(d);
        d.EndDialog(IDCANCEL);
    };
    indeterminate.DoModal();
    EXPECT_EQ(static_cast<UINT>(BST_INDETERMINATE), shown);
}

TEST(Dialog, CancelButtonEscAndCloseAllEndThroughOnCancelWithoutSaving)
{
    struct Way {
        const char* name;
        void (*trigger)(CTestDlg&);
    };
    const Way ways[] = {
        {"Cancel button", [](CTestDlg& d) { wintest::ClickButton(d.m_hWnd, IDCANCEL); }},
        {"Esc", [](CTestDlg&) { wintest::PostKey(::GetFocus(), VK_ESCAPE); }},
        {"WM_CLOSE", [](CTestDlg& d) { d.PostMessage(WM_CLOSE); }},
    };
    for (const Way& way : ways) {
        CTestDlg dlg;
        dlg.m_strText = "kept";
        dlg.m_onShown = [&](CTestDlg& d) {
            ::SetDlgItemTextA(d.m_hWnd, IDC_FW_EDIT, "discarded");
            way.trigger(d);
        };
        EXPECT_EQ(IDCANCEL, dlg.DoModal()) << way.name;
        EXPECT_EQ(1, dlg.m_cancelCount) << way.name;
        EXPECT_EQ(0, dlg.m_okCount) << way.name;
        EXPECT_EQ(CString("kept"), dlg.m_strText) << way.name;
    }
}

TEST(Dialog, CloseHandlerRunsBeforeTheDefaultTurnsItIntoCancel)
{
    CTestDlg dlg;
    dlg.m_onShown = [](CTestDlg& d) { d.SendMessage(WM_CLOSE); };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_closeCount);
    EXPECT_EQ(1, dlg.m_cancelCount);
}

TEST(Dialog, FromHandleFindsTheDialogAndItsBoundControlsOnly)
{
    CTestDlg dlg;
    CWnd* fromDialog = nullptr;
    CWnd* fromList = nullptr;
    CWnd* fromEdit = reinterpret_cast<CWnd*>(1);
    dlg.m_onShown = [&](CTestDlg& d) {
        fromDialog = CWnd::FromHandle(d.m_hWnd);
        fromList = CWnd::FromHandle(d.GetDlgItem(IDC_FW_LIST).m_hWnd);
        fromEdit = CWnd::FromHandle(d.GetDlgItem(IDC_FW_EDIT).m_hWnd);
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(&dlg, fromDialog);
    EXPECT_EQ(&dlg.m_list, fromList);
    EXPECT_EQ(nullptr, fromEdit);
    EXPECT_EQ(nullptr, dlg.m_list.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
}

TEST(Dialog, SameObjectRunsAgainWithFreshControlsBound)
{
    CTestDlg dlg;
    HWND firstList = nullptr;
    dlg.m_onShown = [&](CTestDlg& d) {
        firstList = d.m_list.m_hWnd;
        d.m_list.AddString("from the first run");
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    int countOnSecondRun = -1;
    bool boundOnSecondRun = false;
    dlg.m_onShown = [&](CTestDlg& d) {
        countOnSecondRun = d.m_list.GetCount();
        boundOnSecondRun = CWnd::FromHandle(d.GetDlgItem(IDC_FW_LIST).m_hWnd) == &d.m_list;
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_NE(nullptr, firstList);
    EXPECT_EQ(0, countOnSecondRun);
    EXPECT_TRUE(boundOnSecondRun);
}

TEST(Dialog, WithoutParentTheMainWindowOwnsIt)
{
    CWinApp app;
    CTestDlg mainDlg;
    app.m_pMainWnd = &mainDlg;
    CTestDlg inner;
    HWND mainHwnd = nullptr;
    BOOL mainEnabledDuringInner = TRUE;
    inner.m_onShown = [&](CTestDlg& d) {
        mainEnabledDuringInner = ::IsWindowEnabled(mainHwnd);
        d.EndDialog(IDCANCEL);
    };
    mainDlg.m_onShown = [&](CTestDlg& d) {
        mainHwnd = d.m_hWnd;
        inner.DoModal();
        d.EndDialog(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, mainDlg.DoModal());
    EXPECT_EQ(nullptr, mainDlg.m_ownerAtInit);  // the main window itself has no owner
    EXPECT_EQ(mainHwnd, inner.m_ownerAtInit);
    EXPECT_FALSE(mainEnabledDuringInner);
    EXPECT_EQ(&mainDlg, AfxGetMainWnd());
}

TEST(Dialog, ExplicitParentWinsAndNoApplicationMeansNoOwner)
{
    EXPECT_EQ(nullptr, AfxGetApp());
    CTestDlg outer;
    CTestDlg unowned;
    unowned.m_onShown = [](CTestDlg& d) { d.EndDialog(IDCANCEL); };
    unowned.DoModal();
    EXPECT_EQ(nullptr, unowned.m_ownerAtInit);

    CTestDlg child(&outer);
    child.m_onShown = [](CTestDlg& d) { d.EndDialog(IDCANCEL); };
    HWND outerHwnd = nullptr;
    outer.m_onShown = [&](CTestDlg& d) {
        outerHwnd = d.m_hWnd;
        child.DoModal();
        d.EndDialog(IDCANCEL);
    };
    outer.DoModal();
    EXPECT_NE(nullptr, outerHwnd);
    EXPECT_EQ(outerHwnd, child.m_ownerAtInit);
}

TEST(Dialog, MissingTemplateAnswersMinusOne)
{
    CDialog missing(4242);
    EXPECT_EQ(-1, missing.DoModal());
}

}  // namespace
