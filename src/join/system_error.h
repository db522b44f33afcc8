// The system's own word for why a file operation failed, for messages that give the reason.
#pragma once

#include <string>

namespace cordwain {

// The calling thread's last error: errno, or on Windows GetLastError().
int LastSystemError();

// The system's description of that error, e.g. "No such file or directory".
std::string SystemErrorText(int error);

}  // namespace cordwain
