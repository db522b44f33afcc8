// The identity rule shared by every platform that reports file indexes.
#include "join/same_file.h"

#include <algorithm>

namespace cordwain {

bool SameIdentity(const FileIdentity& a, const FileIdentity& b)
{
    const bool known = std::any_of(a.index.begin(), a.index.end(), [](std::uint8_t byte) { return byte != 0; });
    return known && a.volume == b.volume && a.index == b.index;
}

}  // namespace cordwain
