// The progress dialog's one way out: clear the running flag, give the worker its pause, end.
#include "join/progress_dlg.h"

#include "framework/data_exchange.h"
#include "join/join_window.h"
#include "res/resource.h"

namespace cordwain {
namespace {

// The worker is given half a second to notice the cleared flag before the dialog goes away.
constexpr DWORD kCancelPauseMs = 500;

}  // namespace

CProgressDlg::CProgressDlg() : CDialog(IDD_PROGRESS) {}

CProgressDlg::~CProgressDlg() = default;

const MessageMapBase* CProgressDlg::GetMessageMap() const
{
    using E = MessageEntry<CProgressDlg>;
    static const E entries[] = {
        E::Message(WM_CLOSE, &CProgressDlg::OnClose),
    };
    static const MessageMap<CProgressDlg> map(CDialog::GetMessageMap(), entries);
    return &map;
}

void CProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_PROGRESS_BAR, m_progress);
    DDX_Text(pDX, IDC_CURRENT_FILE, m_strCurrentFile);
}

INT_PTR CProgressDlg::DoModal()
{
    const INT_PTR result = CDialog::DoModal();
    m_hWndForWorker = nullptr;
    return result;
}

BOOL CProgressDlg::OnInitDialog()
{
    const BOOL result = CDialog::OnInitDialog();
    m_hWndForWorker = m_hWnd;
    return result;
}

// The dialog manager turns WM_CLOSE into the Cancel command, which reaches OnCancel.
LRESULT CProgressDlg::OnClose(WPARAM, LPARAM) { return Default(); }

void CProgressDlg::OnCancel()
{
    // From here on the worker treats the dialog as gone: a report box it shows now must not be
    // owned by a window that is about to be destroyed with it.
    m_hWndForWorker = nullptr;
    // The owner is the window that started the join (DoModal without a parent).
    if (auto* const owner = dynamic_cast<CJoinWindow*>(CWnd::FromHandle(::GetParent(m_hWnd)))) {
        const CCriticalSectionLock lock(owner->m_csJoin);
        owner->m_bJoinRunning = false;
    }
    ::Sleep(kCancelPauseMs);
    CDialog::OnCancel();
}

}  // namespace cordwain
