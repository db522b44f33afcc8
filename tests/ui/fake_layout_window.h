// A dialog stand-in for the layout tests: controls with rectangles, visibility and style, a
// client area the test sets, and a record of every deferred move.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "ui/layout_window.h"

namespace cordwain {

class FakeLayoutWindow final : public LayoutWindow {
public:
    std::map<std::int32_t, Rect> controls;
    std::set<std::int32_t> hidden;
    std::map<std::int32_t, std::uint32_t> styles;
    Rect client;
    int failingDeferral = -1;            // index into deferred of a deferral that fails
    std::vector<std::int32_t> deferred;  // the control of every deferral asked for, in order
    Batch endedWith = 1;

    void SetClientSize(std::int32_t width, std::int32_t height) { client = Rect{0, 0, width, height}; }

    Rect ControlRect(std::int32_t id) const override { return controls.at(id); }
    Rect ClientRect() const override { return client; }
    bool IsControlVisible(std::int32_t id) const override { return hidden.count(id) == 0; }
    std::uint32_t ControlStyle(std::int32_t id) const override { return styles.count(id) ? styles.at(id) : 0; }

    Batch BeginBatch() override
    {
        m_pending.clear();
        return ++m_nextBatch;
    }
    Batch DeferMove(Batch batch, std::int32_t id, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height) override
    {
        deferred.push_back(id);
        if (batch != m_nextBatch || static_cast<int>(deferred.size()) - 1 == failingDeferral)
            return kNoBatch;  // the window system abandons the whole batch
        m_pending[id] = Rect{x, y, x + width, y + height};
        return ++m_nextBatch;
    }
    bool EndBatch(Batch batch) override
    {
        endedWith = batch;
        if (batch == kNoBatch)
            return false;
        for (const auto& [id, rc] : m_pending)
            controls[id] = rc;
        return true;
    }

private:
    Batch m_nextBatch = kNoBatch;
    std::map<std::int32_t, Rect> m_pending;
};

}  // namespace cordwain
