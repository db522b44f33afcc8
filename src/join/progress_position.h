// The progress bar position for bytes read out of a total, in thousandths.
#pragma once

#include <cstdint>

namespace cordwain {

// A whole join, in the progress bar's units.
constexpr int kProgressScale = 1000;

// (read / total) * 1000 in double, truncated to 64 bits, then the low 16 bits as a signed
// number: files that grew after they were sized can push it past 1000, and far enough to wrap.
// A total of 0 gives 0.
int ProgressPosition(std::int64_t bytesRead, std::int64_t total);

}  // namespace cordwain
