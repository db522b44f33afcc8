// The file list tests' window.
#include "list_host_dlg.h"

#include "framework/data_exchange.h"
#include "res/resource.h"

namespace {

constexpr UINT kShownMessage = WM_APP + 1;
constexpr UINT_PTR kWatchdogTimer = 1;
constexpr UINT kWatchdogMs = 20000;

}  // namespace

CListHostDlg::CListHostDlg() : CDialog(IDD_CORDWAIN_DIALOG) {}

const MessageMapBase* CListHostDlg::GetMessageMap() const
{
    using E = MessageEntry<CListHostDlg>;
    static const E entries[] = {
        E::Message(kShownMessage, &CListHostDlg::OnShown),
        E::Message(WM_TIMER, &CListHostDlg::OnWatchdog),
    };
    static const MessageMap<CListHostDlg> map(CDialog::GetMessageMap(), entries);
    return &map;
}

void CListHostDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_FILE_LIST, m_list);
}

BOOL CListHostDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetTimer(m_hWnd, kWatchdogTimer, kWatchdogMs, nullptr);
    PostMessage(kShownMessage);
    return TRUE;
}

LRESULT CListHostDlg::OnShown(WPARAM, LPARAM)
{
    if (m_onShown)
        m_onShown(*this);
    EndDialog(IDOK);
    return 0;
}

LRESULT CListHostDlg::OnWatchdog(WPARAM, LPARAM)
{
    EndDialog(kTimedOut);
    return 0;
}

INT_PTR RunWithFileList(const std::function<void(CListHostDlg&)>& body)
{
    CListHostDlg dlg;
    dlg.m_onShown = body;
    return dlg.DoModal();
}

std::vector<std::string> ListTexts(const CListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        texts.push_back(text.str());
    }
    return texts;
}

void AddTexts(const CListBox& list, const std::vector<std::string>& texts)
{
    for (const std::string& text : texts)
        list.AddString(text.c_str());
}

int MeasuredWidth(const CListBox& list, const std::string& text)
{
    const HDC dc = ::GetDC(list.m_hWnd);
    const HGDIOBJ old = ::SelectObject(dc, list.GetFont());
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(list.m_hWnd, dc);
    return size.cx + 3;
}
