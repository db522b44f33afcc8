// Pumping this thread's messages while a test waits for something to happen.
#pragma once

#include <windows.h>

#include <functional>

namespace wintest {

// Dispatches messages until done() answers true or timeoutMs passes; answers done()'s last value.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Dispatches what is queued now.
void PumpPendingMessages();

}  // namespace wintest
