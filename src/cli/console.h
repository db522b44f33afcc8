// What cordwain-join needs from the console it runs in; one implementation per platform.
#pragma once

#include <functional>

namespace cordwain {

bool StderrIsTerminal();

// Runs `work` on a worker thread and returns when it is done. Each Ctrl+C (or termination
// request) meanwhile calls `onInterrupt` from an ordinary thread context, never from a signal
// handler, so it may take locks. Returns whether any interrupt arrived.
bool RunInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt);

}  // namespace cordwain
