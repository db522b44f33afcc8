// Progress arithmetic kept apart so its truncation and wrap can be checked on their own.
#include "join/progress_position.h"

#include <cmath>
#include <limits>

namespace cordwain {

int ProgressPosition(std::int64_t bytesRead, std::int64_t total)
{
    if (total == 0)
        return 0;
    const double thousandths = static_cast<double>(bytesRead) / static_cast<double>(total) * kProgressScale;
    // Out of range, the x86 conversion yields the "integer indefinite" value; do the same
    // rather than rely on undefined behaviour.
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    const std::int64_t truncated = (std::isnan(thousandths) || thousandths >= kLimit || thousandths < -kLimit)
                                       ? std::numeric_limits<std::int64_t>::min()
                                       : static_cast<std::int64_t>(thousandths);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint64_t>(truncated) & 0xFFFFu));
}

}  // namespace cordwain
