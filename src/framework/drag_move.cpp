// The drag move's destination.
#include "framework/drag_move.h"

std::optional<int> DragMoveDestination(int source, int target)
{
    if (source == -1 || target == -1 || target == source || target == source + 1)
        return std::nullopt;
    // Deleting the source first moves every later item up by one.
    return source < target ? target - 1 : target;
}
