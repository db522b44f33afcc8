// The join engine's host on Windows: the progress dialog driven by messages from the worker
// thread, and the running flag under its lock.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/critical_section.h"
#include "join/join_host.h"

namespace cordwain {

class CProgressDlg;

class Win32JoinHost final : public ProgressSink, public RunGate {
public:
    // `running` is only read, and only while `lock` is held. Once `abandoned` is set the join is
    // no longer running for this worker, and it leaves the dialog and the user alone.
    Win32JoinHost(CCriticalSection& lock, const bool& running, const CProgressDlg& dlgProgress,
                  const std::atomic<bool>& abandoned);

    // The bar's range 0..1000, and its position in thousandths while the dialog shows: a new
    // position, at most one a screen's frame, as each post costs the other thread a repaint;
    // the latest is on the bar before the next file or a report is shown.
    void BeginCopy(std::int64_t totalBytes) override;
    void ShowProgress(std::int64_t doneBytes, std::int64_t totalBytes) override;
    void ShowCurrentFile(const std::string& path) override;
    void Hide() override;
    // A box with the error or the information icon, owned by the dialog while it is up.
    void Report(Severity severity, const std::string& caption, const std::string& text) override;

    void Enter() override { m_lock.Lock(); }
    void Leave() override { m_lock.Unlock(); }
    bool IsRunning() const override { return m_running && !m_abandoned; }

    // Waits until the progress dialog's window is up, or the join no longer runs (cancelled,
    // or the dialog could not be shown): the first window request must not be lost to a dialog
    // that is still being created.
    void WaitForDialog();
    // The job's last act: the dialog is asked to close, which ends it through its Cancel.
    void RequestClose();

private:
    // nullptr once the dialog has gone (or before it has come up).
    HWND Dialog() const;
    // The dialog's bar, asked of the dialog once per dialog rather than with every chunk.
    HWND ProgressBar();
    // The latest position, unless the bar has it already. Under the gate, while the join runs.
    void PostPosition();
    // The same, outside the gate: the bar shows where the join is before the worker turns away.
    void CatchUp();

    CCriticalSection& m_lock;
    const bool& m_running;
    const CProgressDlg& m_dlgProgress;
    const std::atomic<bool>& m_abandoned;
    HWND m_barDialog = nullptr;  // the dialog m_bar was found in
    HWND m_bar = nullptr;
    std::optional<int> m_position;  // the latest, in thousandths
    std::optional<int> m_postedPosition;
    std::chrono::steady_clock::time_point m_postedAt;
};

}  // namespace cordwain
