// Console services for cordwain-join on Windows: the console's control handler runs on a
// thread of its own, so it may clear the running flag under the lock directly.
#include <windows.h>
#include <io.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <streambuf>
#include <string>
#include <thread>

#include "cli/console.h"

namespace cordwain {
namespace {

// What the control handler, which runs on a thread of its own, needs of the running join.
struct InterruptTarget {
    const std::function<void()>* onInterrupt = nullptr;
    const std::function<int(Interruption)>* giveUp = nullptr;
    Interruption first = Interruption::kNone;
};
std::mutex g_handlerMutex;
InterruptTarget g_target;
HANDLE g_workDone = nullptr;  // signalled when the work has ended
HANDLE g_worker = nullptr;    // the work's thread, open for CancelSynchronousIo

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

bool WorkEnds(std::chrono::milliseconds within)
{
    return ::WaitForSingleObject(g_workDone, static_cast<DWORD>(within.count())) != WAIT_TIMEOUT;
}

BOOL WINAPI OnConsoleControl(DWORD type)
{
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT && type != CTRL_CLOSE_EVENT)
        return FALSE;
    const Interruption kind = type == CTRL_CLOSE_EVENT ? Interruption::kTerminate : Interruption::kInterrupt;
    try {
        std::unique_lock<std::mutex> lock(g_handlerMutex);
        if (g_target.giveUp == nullptr)
            return TRUE;
        const bool again = g_target.first != Interruption::kNone;
        if (again)
            ::ExitProcess(static_cast<UINT>((*g_target.giveUp)(kind)));
        g_target.first = kind;
        (*g_target.onInterrupt)();
        lock.unlock();
        if (WorkEnds(kStopGrace))
            return TRUE;
        // A read the system holds (a pipe nobody writes) is cancelled, and the join then ends as
        // an interrupted one; what still does not end is given up. (Wine 8 cancels such a read too,
        // but cannot deliver a console's Ctrl+C to a child of a process without a console.)
        lock.lock();
        const bool cancelled = g_worker != nullptr && ::CancelSynchronousIo(g_worker);
        lock.unlock();
        if (cancelled && WorkEnds(std::chrono::milliseconds(kStopGrace) / 2))
            return TRUE;
        lock.lock();
        if (g_target.giveUp != nullptr)
            ::ExitProcess(static_cast<UINT>((*g_target.giveUp)(kind)));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cordwain-join: the interrupt could not be passed on: %s\n", error.what());
    }
    return TRUE;
}

// A standard handle's text: on a console, each flush converted from the process's code page
// (UTF-8 where the system honours the manifest) and written as wide characters, so the console
// shows it whatever its own code page; anywhere else, the bytes unchanged.
class ConsoleBuffer final : public std::streambuf {
public:
    explicit ConsoleBuffer(DWORD which) : m_handle(::GetStdHandle(which))
    {
        DWORD mode = 0;
        m_console = ::GetConsoleMode(m_handle, &mode) != FALSE;
        // The progress line moves with escape sequences, as on other terminals.
        if (m_console)
            ::SetConsoleMode(m_handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }
    ~ConsoleBuffer() override { sync(); }

protected:
    int_type overflow(int_type ch) override
    {
        if (traits_type::eq_int_type(ch, traits_type::eof()))
            return sync() == 0 ? traits_type::not_eof(ch) : traits_type::eof();
        m_pending += traits_type::to_char_type(ch);
        return ch;
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        m_pending.append(text, static_cast<std::size_t>(count));
        return count;
    }
    int sync() override
    {
        DWORD written = 0;
        bool ok = true;
        if (m_console) {
            std::wstring wide(m_pending.size(), L'\0');
            wide.resize(static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, m_pending.data(),
                                                                       static_cast<int>(m_pending.size()), wide.data(),
                                                                       static_cast<int>(wide.size()))));
            ok = wide.empty() ||
                 ::WriteConsoleW(m_handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        } else if (!m_pending.empty()) {
            ok = ::WriteFile(m_handle, m_pending.data(), static_cast<DWORD>(m_pending.size()), &written, nullptr) &&
                 written == m_pending.size();
        }
        m_pending.clear();
        return ok ? 0 : -1;
    }

private:
    HANDLE m_handle;
    bool m_console = false;
    std::string m_pending;
};

}  // namespace

std::ostream& StandardOutput()
{
    static ConsoleBuffer buffer(STD_OUTPUT_HANDLE);
    static std::ostream stream(&buffer);
    return stream;
}

std::ostream& StandardError()
{
    static ConsoleBuffer buffer(STD_ERROR_HANDLE);
    static std::ostream stream(&buffer);
    return stream;
}

bool StderrIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

Interruption RunInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt,
                              const std::function<int(Interruption)>& giveUp)
{
    const UniqueHandle done(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    UniqueHandle workerThread;
    {
        const std::lock_guard<std::mutex> lock(g_handlerMutex);
        g_target = InterruptTarget{&onInterrupt, &giveUp};
        g_workDone = done.get();
    }
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    std::thread worker([&] {
        {
            const std::lock_guard<std::mutex> lock(g_handlerMutex);
            workerThread.reset(::OpenThread(THREAD_TERMINATE, FALSE, ::GetCurrentThreadId()));
            g_worker = workerThread.get();
        }
        work();
        ::SetEvent(done.get());
    });
    worker.join();
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    const std::lock_guard<std::mutex> lock(g_handlerMutex);
    const Interruption first = g_target.first;
    g_target = InterruptTarget{};
    g_worker = nullptr;
    return first;
}

}  // namespace cordwain
