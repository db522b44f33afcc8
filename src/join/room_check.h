// The window program's look at the output's disk after Save As: a join it cannot hold is refused
// in a box before anything is created.
#pragma once

#include <windows.h>

#include <string>

#include "join/join_host.h"

namespace cordwain {

// True when the "Sorry" box, owned by `owner`, has said that the disk of `outputPath` has too
// little free space for the join of `list`.
bool RefusedForRoom(HWND owner, const JoinList& list, const std::string& outputPath, BOOL bInsertDividers);

}  // namespace cordwain
