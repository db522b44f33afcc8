// cordwain-join from parsed arguments to exit status, over injected streams and console.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "join/output_name.h"

namespace cordwain {

constexpr int kExitJoined = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;

struct JoinConsole {
    std::ostream& out;
    std::ostream& err;
    bool terminal = false;
    CharClasses classes;
    // Runs the work and calls the second function on each interrupt; returns whether one came.
    std::function<bool(const std::function<void()>&, const std::function<void()>&)> runInterruptible;
};

int RunJoinTool(const std::vector<std::string>& arguments, const JoinConsole& console);

}  // namespace cordwain
