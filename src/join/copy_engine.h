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
    bool succeeded = false;  // the whole list was copied, with no error recorded and no stop
    int stoppedAt = -1;      // where the stop rule fired (cancel, or an error seen at the next chunk), or -1;
                             // none of the list from there on was copied
    std::string errorLog;    // entries in order of occurrence, each beginning with "\n"

    bool Stopped() const { return stoppedAt >= 0; }
};

// Runs one job, from the size pass to the report or the hidden display, and closes every file
// it opened. Asking the progress display to close is left to the caller, which learns first
// how the job went.
JoinOutcome RunJoinJob(const JoinHost& host, const JoinRequest& request);

}  // namespace cordwain
