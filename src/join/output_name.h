// Rules for the output file: the proposed name, the folder to start in, and the refusal of an
// output that is one of the inputs.
#pragma once

#include <optional>
#include <string>

#include "framework/text_scan.h"
#include "join/join_host.h"

namespace cordwain {

using ByteTest = bool (*)(unsigned char byte);

inline bool IsAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// How the code page classifies bytes. The defaults describe a single-byte code page.
struct CharClasses {
    LeadByteTest isLeadByte = NoLeadBytes;
    ByteTest isDigit = IsAsciiDigit;
};

// The system's classification: on Windows the ANSI code page's lead bytes and its digits (a byte
// that is alphanumeric and not alphabetic); elsewhere the defaults.
CharClasses SystemCharClasses();

// The output name proposed for a list whose first entry is `firstPath`: the path without an
// all-digit extension ("film.avi.001" -> "film.avi"), else empty. An empty extension counts as
// all digits ("film." -> "film"); a name whose only dot is its first character (".profile",
// ".001") has no extension to drop, and the path itself comes back unchanged.
std::string SuggestedOutputName(const std::string& firstPath, const CharClasses& classes = {});

// The folder the output chooser starts in: the first entry's folder without its trailing
// backslash. nullopt means "give none" (a backslash at index 0); an empty string means the path
// has no backslash.
std::optional<std::string> InitialOutputFolder(const std::string& firstPath, const CharClasses& classes = {});

// True when writing `output` would overwrite a listed file: an entry with the same text, or, for
// an output that already exists, the same file under another spelling.
bool IsOutputInList(const JoinList& list, const std::string& output);

}  // namespace cordwain
