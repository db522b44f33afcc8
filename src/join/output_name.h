// Rules for the output file: the proposed name, the folder to start in, and the in-list check.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "join/join_host.h"

namespace cordwain {

using ByteTest = bool (*)(unsigned char);

inline bool NoLeadBytes(unsigned char) { return false; }
inline bool IsAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// How the code page classifies bytes. Windows passes its lead-byte and digit tests;
// the defaults describe a single-byte code page.
struct CharClasses {
    ByteTest isLeadByte = NoLeadBytes;
    ByteTest isDigit = IsAsciiDigit;
};

// Index of the last `wanted` in `text` that is not the trail byte of a double-byte
// character, or -1.
std::ptrdiff_t FindLastChar(const std::string& text, char wanted, ByteTest isLeadByte);

// The output name proposed for a list whose first entry is `firstPath`: the path without
// an all-digit extension ("film.avi.001" -> "film.avi"), else empty.
std::string SuggestedOutputName(const std::string& firstPath, const CharClasses& classes = {});

// The folder the output chooser starts in: the first entry's folder without its trailing
// backslash. nullopt means "give none" (a backslash at index 0); an empty string means
// the path has no backslash.
std::optional<std::string> InitialOutputFolder(const std::string& firstPath, const CharClasses& classes = {});

// Index of the first entry whose text equals `outputPath` byte for byte, or -1.
int FindInList(const JoinList& list, const std::string& outputPath);

}  // namespace cordwain
