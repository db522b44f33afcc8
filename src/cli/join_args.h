// The command line of cordwain-join, parsed without touching any file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cordwain {

struct JoinArgs {
    bool dividers = false;
    bool force = false;
    bool strict = false;  // problems with the pieces stop the join
    bool verify = false;  // check the result against the checksum beside the first piece
    bool verbose = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> output;
    std::vector<std::string> inputs;
};

struct ParsedJoinArgs {
    JoinArgs args;
    std::string error;  // non-empty: a usage error, in words for the user
};

// `arguments` excludes the program name. "--" ends the options.
ParsedJoinArgs ParseJoinArgs(const std::vector<std::string>& arguments);

extern const std::string kJoinUsage;
extern const char kJoinVersion[];

}  // namespace cordwain
