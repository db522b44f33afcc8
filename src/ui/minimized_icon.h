// Where the icon goes in a minimised window's client area: centred, the odd pixel to the right
// and below.
#pragma once

#include <cstdint>

namespace cordwain {

struct IconOrigin {
    std::int32_t x;
    std::int32_t y;
};

// Signed divisions truncate toward zero, also when the client area is smaller than the icon.
constexpr IconOrigin MinimizedIconOrigin(std::int32_t clientWidth, std::int32_t clientHeight, std::int32_t iconWidth,
                                         std::int32_t iconHeight)
{
    return IconOrigin{(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace cordwain
