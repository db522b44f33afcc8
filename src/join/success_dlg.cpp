// The "It Worked!" box: its template says everything, but for the line of a verified join; OK
// and Cancel end it.
#include "join/success_dlg.h"

#include <algorithm>
#include <utility>

#include "framework/dc.h"
#include "res/resource.h"

namespace cordwain {
namespace {

// In dialog units: the template's text column, and one line of its font with a gap below.
constexpr RECT kTextColumn{7, 0, 151, 0};
constexpr int kLineStep = 12;
constexpr int kLineHeight = 8;

RECT InPixels(HWND dialog, RECT units)
{
    ::MapDialogRect(dialog, &units);
    return units;
}

}  // namespace

CSuccessDlg::CSuccessDlg(std::string checked) : CDialog(IDD_SUCCESS), m_checked(std::move(checked)) {}

const CRuntimeClass* CSuccessDlg::ThisClass() { return RuntimeClassOf<CSuccessDlg, CDialog>("CSuccessDlg"); }

BOOL CSuccessDlg::OnInitDialog()
{
    const BOOL result = CDialog::OnInitDialog();
    if (!m_checked.empty())
        AddCheckedLine();
    return result;
}

// The line takes the button's place, the button moves down by a line, and the box grows to hold
// them: wider too when the line is longer than the text column.
void CSuccessDlg::AddCheckedLine() const
{
    const HWND button = ::GetDlgItem(m_hWnd, IDOK);
    const HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    SIZE extent{};
    {
        const CClientDC dc(m_hWnd, font);
        ::GetTextExtentPoint32A(dc.Get(), m_checked.c_str(), static_cast<int>(m_checked.size()), &extent);
    }
    RECT buttonRect{};
    ::GetWindowRect(button, &buttonRect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&buttonRect), 2);
    const RECT column = InPixels(m_hWnd, kTextColumn);
    const RECT step = InPixels(m_hWnd, RECT{0, 0, 0, kLineStep});
    const RECT height = InPixels(m_hWnd, RECT{0, 0, 0, kLineHeight});
    const int widen = std::max(0L, extent.cx - (column.right - column.left));

    const HWND line = ::CreateWindowExA(0, "STATIC", m_checked.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                        column.left, buttonRect.top, column.right - column.left + widen,
                                        std::max<LONG>(height.bottom, extent.cy), m_hWnd, nullptr, nullptr, nullptr);
    ::SendMessageA(line, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::SetWindowPos(button, nullptr, buttonRect.left + widen / 2, buttonRect.top + step.bottom, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT box{};
    ::GetWindowRect(m_hWnd, &box);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, box.right - box.left + widen, box.bottom - box.top + step.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace cordwain
