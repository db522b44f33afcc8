// Rules for the output file: numbered names, the proposed name, the folder to start in, and the
// refusal of an output that is one of the inputs.
#pragma once

#include <optional>
#include <string>

// The path text these rules are stated in; the command-line tool, above this layer, reaches it here.
#include "framework/path_text.h"
#include "join/join_host.h"

namespace cordwain {

// A name whose last extension is a number ("film.avi.001"): what it shares with the names of the
// other numbers ("film.avi.", up to and with the last dot) and the number's digits ("001").
struct NumberedName {
    std::string stem;
    std::string digits;
};

// nullopt when the path has no dot or a byte after its last dot is no digit of the code page. An
// empty extension is a number with no digits: "film." -> "film." and "".
std::optional<NumberedName> SplitNumberedName(const std::string& path, const CodePage& codePage);

// The output name proposed for a list whose first entry is `firstPath`: a numbered name without
// its number and dot ("film.avi.001" -> "film.avi", "film." -> "film"), else empty. A name whose
// only dot is its first character (".profile", ".001") has no extension to drop, and the path
// itself comes back unchanged.
std::string SuggestedOutputName(const std::string& firstPath, const CodePage& codePage);

// The folder the output chooser starts in: the first entry's folder without its trailing
// backslash. nullopt means "give none" (a backslash at index 0); an empty string means the path
// has no backslash.
std::optional<std::string> InitialOutputFolder(const std::string& firstPath, const CodePage& codePage);

// True when writing `output` would overwrite a listed file: an entry with the same text, or, for
// an output that already exists, the same file under another spelling.
bool IsOutputInList(const JoinList& list, const std::string& output);

}  // namespace cordwain
