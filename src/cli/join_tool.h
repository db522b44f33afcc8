// cordwain-join from parsed arguments to exit status, over injected streams and console.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/console.h"
#include "join/output_name.h"

namespace cordwain {

constexpr int kExitJoined = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;  // 128 + SIGINT, as shells report it
constexpr int kExitTerminated = 143;   // 128 + SIGTERM

struct JoinConsole {
    std::ostream& out;
    std::ostream& err;
    bool terminal = false;
    CodePage codePage;  // of the names given
    // RunInterruptible, or a stand-in for it.
    std::function<Interruption(const std::function<void()>&, const std::function<void()>&,
                               const std::function<int(Interruption)>&)>
        runInterruptible;
};

int RunJoinTool(const std::vector<std::string>& arguments, const JoinConsole& console);

}  // namespace cordwain
