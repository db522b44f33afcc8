// The framework tests' dialog.
#include "test_dialog.h"

#include "framework/data_exchange.h"
#include "framework_test_res.h"

namespace {

constexpr UINT kShownMessage = WM_APP + 1;
constexpr UINT_PTR kWatchdogTimer = 1;
// A test body that fails to end the dialog must not hang the suite.
constexpr UINT kWatchdogMs = 15000;

}  // namespace

CTestDlg::CTestDlg(CWnd* parent) : CDialog(IDD_FW_TEST, parent) {}

const MessageMapBase* CTestDlg::GetMessageMap() const
{
    using E = MessageEntry<CTestDlg>;
    static const E entries[] = {
        E::Message(kShownMessage, &CTestDlg::OnShown),
        E::Message(WM_CLOSE, &CTestDlg::OnClose),
        E::Message(WM_TIMER, &CTestDlg::OnWatchdog),
    };
    static const MessageMap<CTestDlg> map(CDialog::GetMessageMap(), entries);
    return &map;
}

void CTestDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_FW_CHECK, m_nCheck);
    DDX_Text(pDX, IDC_FW_EDIT, m_strText);
    DDX_Control(pDX, IDC_FW_LIST, m_list);
}

BOOL CTestDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_ownerAtInit = ::GetWindow(m_hWnd, GW_OWNER);
    ::SetTimer(m_hWnd, kWatchdogTimer, kWatchdogMs, nullptr);
    PostMessage(kShownMessage);
    return TRUE;
}

LRESULT CTestDlg::OnShown(WPARAM, LPARAM)
{
    if (m_onShown)
        m_onShown(*this);
    return 0;
}

LRESULT CTestDlg::OnWatchdog(WPARAM, LPARAM)
{
    EndDialog(kTimedOut);
    return 0;
}

LRESULT CTestDlg::OnClose(WPARAM, LPARAM)
{
    ++m_closeCount;
    return Default();
}

void CTestDlg::OnOK()
{
    ++m_okCount;
    CDialog::OnOK();
}

void CTestDlg::OnCancel()
{
    ++m_cancelCount;
    CDialog::OnCancel();
}
