// Console services for cordwain-join on Windows: the console's control handler runs on a
// thread of its own, so it may clear the running flag under the lock directly.
#include <windows.h>
#include <io.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <streambuf>
#include <string>
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
