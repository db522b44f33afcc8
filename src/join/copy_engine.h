// One join, start to end: sizes, output, copy loop, stop rule, error report, the outcome.
#pragma once

#include <string>

#include "join/join_host.h"

namespace cordwain {

struct JoinRequest {
    std::string outputPath;
    int bInsertDividers = 0;  // nonzero: a divider block ahead of each file
};

struct JoinOutcome {
    bool succeeded = false;     // the whole list was copied, with no error recorded and no stop
    bool stopped = false;       // the stop rule fired: cancel, or an error seen at the next chunk
    int stoppedAt = -1;         // when it fired, the list entry it fired at: none from there on was copied
    bool outputFailed = false;  // the output could not be created; nothing else was done
    std::string errorLog;       // entries in order of occurrence, each beginning with "\n"
};

// Runs one job, from the size pass to the report or the hidden display, and closes every file
// it opened. Asking the progress display to close is left to the caller, which learns first
// how the job went.
JoinOutcome RunJoinJob(const JoinHost& host, const JoinRequest& request);

}  // namespace cordwain
