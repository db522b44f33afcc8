// The worker's side of the window conversation. Every call here runs on the worker thread; the
// windows belong to the user-interface thread, so anything made while the lock is held is posted.
#include "join/join_host_win32.h"

#include <commctrl.h>

#include "join/progress_dlg.h"
#include "join/progress_position.h"
#include "res/resource.h"

namespace cordwain {

namespace {
// How often the worker looks for the progress dialog's window.
constexpr DWORD kDialogPollMs = 10;
// The least time between two positions on the bar: a screen's frame.
constexpr std::chrono::milliseconds kPositionInterval{16};
}  // namespace

Win32JoinHost::Win32JoinHost(CCriticalSection& lock, const bool& running, const CProgressDlg& dlgProgress,
                             const std::atomic<bool>& abandoned)
    : m_lock(lock), m_running(running), m_dlgProgress(dlgProgress), m_abandoned(abandoned)
{
}

// The dialog of a later join is not an abandoned worker's.
HWND Win32JoinHost::Dialog() const { return m_abandoned ? nullptr : m_dlgProgress.WindowForWorker(); }

HWND Win32JoinHost::ProgressBar()
{
    const HWND dialog = Dialog();
    if (dialog != m_barDialog) {
        m_barDialog = dialog;
        m_bar = dialog != nullptr ? ::GetDlgItem(dialog, IDC_PROGRESS_BAR) : nullptr;
    }
    return m_bar;
}

// Posted, not sent: the lock is held, and the Cancel handler takes it on the thread that would
// have to answer. Posted before any position, so it is also handled first.
void Win32JoinHost::BeginCopy(std::int64_t)
{
    if (const HWND bar = ProgressBar())
        ::PostMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, kProgressScale));
}

// Each post is a repaint on the other thread: a chunk that leaves the bar where it is costs none,
// and one that comes sooner after the last post than a screen would show it waits for the next
// chunk, or the next file, which may be long in coming: it is posted then.
void Win32JoinHost::ShowProgress(std::int64_t doneBytes, std::int64_t totalBytes)
{
    m_position = ProgressPosition(doneBytes, totalBytes);
    if (!m_postedPosition || std::chrono::steady_clock::now() - m_postedAt >= kPositionInterval)
        PostPosition();
}

void Win32JoinHost::PostPosition()
{
    if (!m_position || m_position == m_postedPosition)
        return;
    const HWND bar = ProgressBar();
    if (bar != nullptr && ::IsWindowVisible(m_barDialog) && ::PostMessageA(bar, PBM_SETPOS, WPARAM(*m_position), 0)) {
        m_postedPosition = m_position;
        m_postedAt = std::chrono::steady_clock::now();
    }
}

void Win32JoinHost::CatchUp()
{
    const GateLock lock(*this);
    if (IsRunning())
        PostPosition();
}

void Win32JoinHost::ShowCurrentFile(const std::string& path)
{
    CatchUp();
    if (const HWND dialog = Dialog())
        ::SetDlgItemTextA(dialog, IDC_CURRENT_FILE, path.c_str());
}

void Win32JoinHost::Hide()
{
    if (const HWND dialog = Dialog())
        ::ShowWindow(dialog, SW_HIDE);
}

// Owned by the progress dialog while it is up; with no owner once it has gone, so the box
// still appears and waits for the user. The user has gone on from an abandoned join.
void Win32JoinHost::Report(Severity severity, const std::string& caption, const std::string& text)
{
    if (m_abandoned)
        return;
    CatchUp();
    const UINT icon = severity == Severity::kError ? MB_ICONERROR : MB_ICONINFORMATION;
    ::MessageBoxA(Dialog(), text.c_str(), caption.c_str(), MB_OK | icon);
}

void Win32JoinHost::RequestClose()
{
    if (const HWND dialog = Dialog())
        ::PostMessageA(dialog, WM_CLOSE, 0, 0);
}

void Win32JoinHost::WaitForDialog()
{
    while (Dialog() == nullptr) {
        {
            const GateLock lock(*this);
            if (!IsRunning())
                return;
        }
        ::Sleep(kDialogPollMs);
    }
}

}  // namespace cordwain
