// Console services for cordwain-join on Windows: the console's control handler runs on a
// thread of its own, so it may clear the running flag under the lock directly.
#include <windows.h>
#include <io.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>

#include "cli/console.h"

namespace cordwain {
namespace {

std::mutex g_handlerMutex;
const std::function<void()>* g_onInterrupt = nullptr;
std::atomic<bool> g_interrupted{false};

BOOL WINAPI OnConsoleControl(DWORD type)
{
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT && type != CTRL_CLOSE_EVENT)
        return FALSE;
    try {
        const std::lock_guard<std::mutex> lock(g_handlerMutex);
        g_interrupted = true;
        if (g_onInterrupt)
            (*g_onInterrupt)();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cordwain-join: the interrupt could not be passed on: %s\n", error.what());
    }
    return TRUE;
}

}  // namespace

bool StderrIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

bool RunInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt)
{
    {
        const std::lock_guard<std::mutex> lock(g_handlerMutex);
        g_onInterrupt = &onInterrupt;
        g_interrupted = false;
    }
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    std::thread worker(work);
    worker.join();
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    const std::lock_guard<std::mutex> lock(g_handlerMutex);
    g_onInterrupt = nullptr;
    return g_interrupted;
}

}  // namespace cordwain
