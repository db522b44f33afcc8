// Whether two paths name one existing file, however they are spelt.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace cordwain {

// A file's identity as the system gives it for an open handle: its volume and an index of up to
// 128 bits (ReFS needs them all; a 64-bit index fills the low bytes). Some network redirectors
// give an index of all zeros, which identifies nothing.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::array<std::uint8_t, 16> index{};
};

// True only when both indexes are known and both identities equal: an unknown index never makes
// two names one file.
bool SameIdentity(const FileIdentity& a, const FileIdentity& b);

// True when both paths exist and are the same file (same device and inode; on Windows the
// same FileIdentity).
bool IsSameExistingFile(const std::string& a, const std::string& b);

enum class StandardStream { kInput, kOutput };

// True when the process's standard input or output is the existing file at `path`, by the same
// identity: a join would read or write it through the stream as well as by its name.
bool IsStandardStreamFile(StandardStream stream, const std::string& path);

// True when the standard input and output are one file on disk (`< a > a`): a join from the one
// into the other would read what it writes. A terminal or a pipe at both ends is no such file.
bool StandardStreamsAreOneFile();

// True when something exists at `path`.
bool PathExists(const std::string& path);

// True when anything has this name, a symbolic link to nothing included: writing there would
// create or replace a file the user may not mean.
bool NameTaken(const std::string& path);

}  // namespace cordwain
