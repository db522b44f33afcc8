// What cordwain-join needs from the console it runs in; one implementation per platform.
#pragma once

#include <chrono>
#include <functional>
#include <ostream>

namespace cordwain {

bool StderrIsTerminal();

// The streams the tool writes its output and its messages to: the standard streams, whose bytes
// pass unchanged, except that on a Windows console the text is handed over as the console's own
// wide characters, so names in any script show as they are.
std::ostream& StandardOutput();
std::ostream& StandardError();

// How a run was asked to end early: not at all, by Ctrl+C (SIGINT), or by a request to terminate
// (SIGTERM, the console closed).
enum class Interruption { kNone, kInterrupt, kTerminate };

// How long a first interrupt waits for the work to stop by itself.
constexpr std::chrono::seconds kStopGrace{1};

// Runs `work` on a worker thread and returns when it is done, with the first interrupt that came.
// That interrupt calls `onInterrupt` from an ordinary thread, never from a signal handler, so it
// may take locks. When the work has not stopped within kStopGrace (it is blocked in the system,
// opening or reading a pipe; on Windows after its blocked read has been cancelled, it gets half as
// long again), or at a second interrupt, `giveUp` is called and the process ends at once with the
// status it returns.
Interruption RunInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt,
                              const std::function<int(Interruption)>& giveUp);

}  // namespace cordwain
