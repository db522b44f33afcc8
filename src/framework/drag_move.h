// Where a dragged list item lands: just before the item it is dropped on. Portable; the drag
// list box carries the move out on its control.
#pragma once

#include <optional>

// The index at which the item taken from `source` is inserted once it has been deleted, or
// nullopt when the drop leaves the order as it is: no source or no target (-1), the item itself,
// or the item right after it.
std::optional<int> DragMoveDestination(int source, int target);
