// The one place that turns a Win32 error code into text for the program's messages.
#pragma once

#include <windows.h>

#include <string>

// The system's description of the error, without its trailing line break; for an unknown code,
// "Windows reported error <code>.".
std::string DescribeWin32Error(DWORD error);
