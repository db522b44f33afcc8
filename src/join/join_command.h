// The Join command: checks the list, asks for the output file, refuses an output that is one of
// the inputs, runs the worker behind the progress dialog and waits for it, then says "It Worked!".
#pragma once

#include "join/join_window.h"

namespace cordwain {

// Runs the command for `window`, whose data has been exchanged and whose running flag is set.
void RunJoinCommand(CJoinWindow& window, BOOL bInsertDividers);

}  // namespace cordwain
