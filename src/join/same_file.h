// Whether two paths name one existing file, however they are spelt.
#pragma once

#include <string>

namespace cordwain {

// True when both paths exist and are the same file (same device and inode; on Windows the
// same volume serial number and file index).
bool IsSameExistingFile(const std::string& a, const std::string& b);

// True when something exists at `path`.
bool PathExists(const std::string& path);

// True when anything has this name, a symbolic link to nothing included: writing there would
// create or replace a file the user may not mean.
bool NameTaken(const std::string& path);

}  // namespace cordwain
