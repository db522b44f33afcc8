// The look at a list of pieces that the Join command takes before it asks for the output: what
// seems wrong with them, and the question that names it. Portable; it reads names and sizes only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/code_page.h"

namespace cordwain {

// The lines shown at most; the rest are counted.
constexpr std::size_t kMaxShownFindings = 10;

// When every path is a piece of one numbered set: each problem CheckPieces finds, then each piece
// beside them that the list leaves out, naming the pieces by their names alone (they share a
// folder). Empty for anything else, and for a set that looks right.
std::vector<std::string> PieceFindings(const std::vector<std::string>& paths,
                                       const std::function<std::int64_t(const std::string&)>& sizeOf,
                                       const std::function<bool(const std::string&)>& exists, const CodePage& codePage);

// The question put to the user about `findings` (not empty): the first kMaxShownFindings of them,
// one a line, then how many more there are.
std::string PieceCheckText(const std::vector<std::string>& findings);

}  // namespace cordwain
