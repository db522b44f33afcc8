// One join, start to end: sizes, output, copy loop, stop rule, error report, success flag.
#pragma once

#include <atomic>
#include <chrono>
#include <string>

#include "join/file_system.h"
#include "join/join_host.h"

namespace cordwain {

// The worker waits this long before it starts, so the progress dialog can come up.
constexpr std::chrono::milliseconds kJoinStartPause{500};

struct JoinServices {
    const JoinList& list;
    ProgressSink& progress;
    RunGate& gate;
    FileSystem& files;
    Pause& pause;
};

struct JoinRequest {
    std::string outputPath;
    bool insertDividers = false;
};

struct JoinOutcome {
    bool succeeded = false;
    bool stopped = false;       // the stop rule fired: cancel, or an error seen at the next chunk
    int stoppedAt = -1;         // when it fired, the list entry it fired at: none from there on was copied
    bool outputFailed = false;  // the output could not be created; nothing else was done
    std::string errorLog;       // entries in order of occurrence, each beginning with "\n"
};

// Runs one job. `succeeded` is cleared after the start pause and set only on a finished,
// error-free job, always before the progress display is asked to close.
// The 512 KiB read buffer is allocated once here, on the heap, so a worker thread with
// the default stack size is safe.
JoinOutcome RunJoinJob(const JoinServices& services, const JoinRequest& request, std::atomic<bool>& succeeded);

}  // namespace cordwain
