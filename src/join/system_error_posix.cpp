// System errors on POSIX: errno and strerror.
#include <cerrno>
#include <cstring>

#include "join/system_error.h"

namespace cordwain {

int LastSystemError() { return errno; }

std::string SystemErrorText(int error) { return std::strerror(error); }

}  // namespace cordwain
