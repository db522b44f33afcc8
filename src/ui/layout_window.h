// The window operations the resize layout needs, so the arithmetic runs without a real dialog.
// The Win32 binding implements them over the dialog's child windows and deferred positioning.
#pragma once

#include "ui/layout_types.h"

#include <cstdint>

namespace cordwain {

class LayoutWindow {
public:
    // An open batch of deferred moves; kNoBatch once beginning or a deferral has failed.
    using Batch = std::uintptr_t;
    static constexpr Batch kNoBatch = 0;

    LayoutWindow() = default;
    LayoutWindow(const LayoutWindow&) = delete;
    LayoutWindow& operator=(const LayoutWindow&) = delete;
    virtual ~LayoutWindow() = default;

    // The control's window rectangle in the dialog's client coordinates.
    virtual Rect ControlRect(std::int32_t id) const = 0;
    // The dialog's client rectangle as it is now.
    virtual Rect ClientRect() const = 0;
    virtual bool IsControlVisible(std::int32_t id) const = 0;
    virtual std::uint32_t ControlStyle(std::int32_t id) const = 0;

    virtual Batch BeginBatch() = 0;
    // Adds a move without changing the Z-order; answers the batch to go on with.
    virtual Batch DeferMove(Batch batch, std::int32_t id, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height) = 0;
    // Moves everything deferred at once.
    virtual bool EndBatch(Batch batch) = 0;
};

}  // namespace cordwain
