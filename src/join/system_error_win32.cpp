// System errors on Windows: the C run-time's file functions leave the Win32 error behind, which
// FormatMessage describes in the system's language.
#include <windows.h>

#include "framework/win32_error.h"
#include "join/system_error.h"

namespace cordwain {

int LastSystemError() { return static_cast<int>(::GetLastError()); }

std::string SystemErrorText(int error) { return DescribeWin32Error(static_cast<DWORD>(error)); }

}  // namespace cordwain
