// File names as the tool prints them: a name holding control characters (a line break, an
// escape) is quoted the way the shell and ls write it, so no name can fake a line of a report or
// steer the terminal.
#pragma once

#include <string>

namespace cordwain {

// The name unchanged when it has no control character; otherwise in single quotes, each control
// character as $'\n' or $'\033', each quote as '\''.
std::string ShownName(const std::string& name);

// `text` with every occurrence of `name` replaced by ShownName(name).
std::string WithShownName(std::string text, const std::string& name);

}  // namespace cordwain
