// The platform's answers for the sort comparison: which bytes of a code page start a
// double-byte character, and how such a character is upper-cased.
#pragma once

#include <windows.h>

#include "filelist/sort_order.h"

namespace filelist {

// The code page `codePage` as the platform defines it (CP_ACP: the system's ANSI code page).
CodePage PlatformCodePage(UINT codePage = CP_ACP);

}  // namespace filelist
