// The join's files opened through the wide functions, so that names past the classic limit and
// files other programs hold open are reached; the engine still gets C streams.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace cordwain {

// A binary stream over `path`: an input ("rb") shares reading, writing and deleting with other
// programs; the output ("wb", created or truncated) shares reading only, so nothing else writes
// into it meanwhile. Null on failure, with the system's reason left as the thread's last error.
std::FILE* OpenFileStream(const std::string& path, bool output);

// The 64-bit size of the file at `path`; 0 when it cannot be queried.
std::int64_t FileSizeOf(const std::string& path);

}  // namespace cordwain
