// Console services for cordwain-join on POSIX: the signals are taken by sigtimedwait on the main
// thread while the join runs on a worker, so no code runs inside a signal handler.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <thread>

#include "cli/console.h"

namespace cordwain {

bool StderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

std::ostream& StandardOutput() { return std::cout; }

std::ostream& StandardError() { return std::cerr; }

Interruption RunInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt,
                              const std::function<int(Interruption)>& giveUp)
{
    // The worker wakes the main thread with SIGUSR1 when it is done; the flag is what counts, so
    // one sent from outside changes nothing.
    sigset_t watched;
    sigemptyset(&watched);
    for (const int signal : {SIGINT, SIGTERM, SIGUSR1})
        sigaddset(&watched, signal);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &watched, &previous);

    std::atomic<bool> done{false};
    const pthread_t waiter = pthread_self();
    std::thread worker([&work, &done, waiter] {
        work();
        done = true;
        pthread_kill(waiter, SIGUSR1);
    });

    using Clock = std::chrono::steady_clock;
    Interruption interruption = Interruption::kNone;
    std::optional<Clock::time_point> giveUpAt;
    while (!done) {
        const timespec tick{0, 100'000'000};
        const int signal = sigtimedwait(&watched, nullptr, &tick);
        if (signal == SIGINT || signal == SIGTERM) {
            const bool again = interruption != Interruption::kNone;
            interruption = signal == SIGINT ? Interruption::kInterrupt : Interruption::kTerminate;
            if (again)
                std::_Exit(giveUp(interruption));
            onInterrupt();
            giveUpAt = Clock::now() + kStopGrace;
        }
        if (giveUpAt && Clock::now() >= *giveUpAt && !done)
            std::_Exit(giveUp(interruption));
    }
    worker.join();
    // Drain a SIGUSR1 still pending, so unblocking it cannot end the process.
    const timespec none{0, 0};
    while (sigtimedwait(&watched, nullptr, &none) == SIGUSR1) {
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return interruption;
}

}  // namespace cordwain
