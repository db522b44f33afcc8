// The main window under test: a posted message starts the body, a timer guards against hangs.
#include "support/main_dlg_harness.h"

#include "support/window_finder.h"

namespace {

constexpr UINT kShownMessage = WM_APP + 40;
constexpr UINT_PTR kWatchdogTimer = 0xD06;
constexpr UINT kWatchdogMs = 20000;

BOOL CALLBACK EndOtherDialog(HWND hWnd, LPARAM mainWindow)
{
    if (hWnd != reinterpret_cast<HWND>(mainWindow) && wintest::WindowClassName(hWnd) == "#32770")
        ::EndDialog(hWnd, IDCANCEL);
    return TRUE;
}

}  // namespace

const MessageMapBase* CMainDlgUnderTest::GetMessageMap() const
{
    using E = MessageEntry<CMainDlgUnderTest>;
    static const E entries[] = {
        E::Message(kShownMessage, &CMainDlgUnderTest::OnShown),
        E::Message(WM_TIMER, &CMainDlgUnderTest::OnWatchdog),
    };
    static const MessageMap<CMainDlgUnderTest> map(CMainDlg::GetMessageMap(), entries);
    return &map;
}

BOOL CMainDlgUnderTest::OnInitDialog()
{
    const BOOL result = CMainDlg::OnInitDialog();
    ::SetTimer(m_hWnd, kWatchdogTimer, kWatchdogMs, nullptr);
    PostMessage(kShownMessage);
    return result;
}

LRESULT CMainDlgUnderTest::OnShown(WPARAM, LPARAM)
{
    if (m_onShown)
        m_onShown(*this);
    if (m_endAfterBody && m_hWnd != nullptr)
        EndDialog(IDCANCEL);
    return 0;
}

LRESULT CMainDlgUnderTest::OnWatchdog(WPARAM, LPARAM)
{
    // Nested modal loops (the About box) still dispatch this timer; end them first.
    ::EnumThreadWindows(::GetCurrentThreadId(), &EndOtherDialog, reinterpret_cast<LPARAM>(m_hWnd));
    EndDialog(kTimedOut);
    return 0;
}

RECT ControlClientRect(HWND dialog, int id)
{
    RECT rc{};
    ::GetWindowRect(::GetDlgItem(dialog, id), &rc);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool RunMainDlg(const std::function<void(CMainDlgUnderTest&)>& body)
{
    CMainDlgUnderTest dlg;
    dlg.m_onShown = body;
    return dlg.DoModal() != CMainDlgUnderTest::kTimedOut;
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
