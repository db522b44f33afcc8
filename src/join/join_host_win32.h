// The join engine's surroundings on Windows: the progress dialog driven by messages from the
// worker thread, the running flag under its lock, and a start pause that also waits for the
// progress dialog's window.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>

#include "framework/critical_section.h"
#include "join/join_host.h"

namespace cordwain {

class CProgressDlg;

class Win32JoinHost final : public ProgressSink, public RunGate, public Pause {
public:
    // `running` is only read, and only while `lock` is held. Once `abandoned` is set the join is
    // no longer running for this worker, and it leaves the dialog and the user alone.
    Win32JoinHost(CCriticalSection& lock, const bool& running, const CProgressDlg& progress,
                  const std::atomic<bool>& abandoned);

    void SetRange() override;
    bool IsVisible() override;
    void PostPosition(int position) override;
    void ShowCurrentFile(const std::string& path) override;
    void Hide() override;
    void ShowMessage(const std::string& text, const std::string& caption, unsigned style) override;
    void RequestClose() override;

    void Enter() override { m_lock.Lock(); }
    void Leave() override { m_lock.Unlock(); }
    bool IsRunning() const override { return m_running && !m_abandoned; }

    // Sleeps, then waits until the progress dialog's window is up or the join is no longer
    // running (cancelled, or the dialog could not be shown): the first window request must not
    // be lost to a dialog that is still being created.
    void For(std::chrono::milliseconds duration) override;

private:
    // nullptr once the dialog has gone (or before it has come up).
    HWND Dialog() const;
    HWND ProgressBar() const;

    CCriticalSection& m_lock;
    const bool& m_running;
    const CProgressDlg& m_progress;
    const std::atomic<bool>& m_abandoned;
};

}  // namespace cordwain
