// Console services for cordwain-join on POSIX: the interrupt is taken by sigwait on the main
// thread while the join runs on a worker, so no code runs inside a signal handler.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <iostream>
#include <thread>

#include "cli/console.h"

namespace cordwain {

bool StderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

std::ostream& StandardOutput() { return std::cout; }

std::ostream& StandardError() { return std::cerr; }

bool RunInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt)
{
    sigset_t watched;
    sigemptyset(&watched);
    sigaddset(&watched, SIGINT);
    sigaddset(&watched, SIGTERM);
    sigaddset(&watched, SIGUSR1);  // the worker's "done"
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &watched, &previous);

    const pthread_t waiter = pthread_self();
    std::thread worker([&work, waiter] {
        work();
        pthread_kill(waiter, SIGUSR1);
    });

    bool interrupted = false;
    for (;;) {
        int signal = 0;
        if (sigwait(&watched, &signal) != 0)
            continue;
        if (signal == SIGUSR1)
            break;
        interrupted = true;
        onInterrupt();
    }
    worker.join();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return interrupted;
}

}  // namespace cordwain
