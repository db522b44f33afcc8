// The pieces of a numbered set (name.ext.001, name.ext.002, ...): the whole set found from its
// first piece, and what looks wrong in a list of pieces. A piece is a numbered name whose number
// counts: 1 to 18 digits, each from '0' to '9' ("film." is none). Portable; names are only ever
// changed in their number, so every piece found stays in the folder of the piece given.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "join/output_name.h"

namespace cordwain {

// The set `first` begins, when it is the first piece: .000, or .001 when no .000 is beside it
// (which then begins the set). The pieces run on up to the first number that does not exist.
std::optional<std::vector<std::string>> ExpandNumberedSet(const std::string& first,
                                                          const std::function<bool(const std::string&)>& exists,
                                                          const CodePage& codePage);

// When every input is a piece of one set: each problem, a sentence naming the files. A number
// missing between two pieces, a number given twice, pieces out of order, and a piece other than
// the last that is smaller than the first (a cut download).
std::vector<std::string> CheckPieces(const std::vector<std::string>& inputs,
                                     const std::function<std::int64_t(const std::string&)>& sizeOf,
                                     const CodePage& codePage);

// When every input is a piece of one set: the pieces of that set beside them that the list leaves
// out, in number order. Those before the lowest listed and after the highest, as far as they run
// on, and those missing between listed numbers that exist.
std::vector<std::string> UnlistedPieces(const std::vector<std::string>& inputs,
                                        const std::function<bool(const std::string&)>& exists,
                                        const CodePage& codePage);

}  // namespace cordwain
