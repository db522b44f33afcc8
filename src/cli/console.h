// What cordwain-join needs from the console it runs in; one implementation per platform.
#pragma once

#include <functional>
#include <ostream>

namespace cordwain {

bool StderrIsTerminal();

// The streams the tool writes its output and its messages to: the standard streams, whose bytes
// pass unchanged, except that on a Windows console the text is handed over as the console's own
// wide characters, so names in any script show as they are.
std::ostream& StandardOutput();
std::ostream& StandardError();

// Runs `work` on a worker thread and returns when it is done. Each Ctrl+C (or termination
// request) meanwhile calls `onInterrupt` from an ordinary thread context, never from a signal
// handler, so it may take locks. Returns whether any interrupt arrived.
bool RunInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt);

}  // namespace cordwain
