// Progress arithmetic. The output-name rules are checked against their own statement by a fuzz
// target; an output that is an input is refused in the joiner's and the window's tests.
#include <gtest/gtest.h>

#include <limits>

#include "join/progress_position.h"

namespace cordwain {
namespace {

TEST(ProgressPosition, ThousandthsTruncatedThenTheLowSixteenBitsAsSigned)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::int64_t cases[][3] = {
        {0, 300, 0},  {2, 3, 666},          {5LL << 30, 10LL << 30, 500}, {kMax, kMax, 1000},
        {123, 0, 0},  {32767, 1000, 32767}, {32768, 1000, -32768},        {65537, 1000, 1},
        {kMax, 1, 0},  // past the 64-bit range: the conversion's indefinite value, whose low bits are 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressPosition(c[0], c[1]), c[2]) << c[0] << " of " << c[1];
}

}  // namespace
}  // namespace cordwain
