// A dialog stand-in for the layout tests: controls with rectangles, visibility and style,
// a client area the test sets, and a record of every batch of moves.
#pragma once

#include "ui/layout_window.h"

#include <cstdint>
#include <map>
#include <set>
#include <vector>

class FakeLayoutWindow : public ILayoutWindow {
public:
    struct Move {
        std::int32_t id;
        std::int32_t x, y, width, height;
    };

    std::map<std::int32_t, Rect> controls;
    std::set<std::int32_t> hidden;
    std::map<std::int32_t, std::uint32_t> styles;
    Rect client;

    int beginCount = 0;
    int endCount = 0;
    Batch endedWith = kNoBatch;
    std::vector<Move> deferred;      // every deferral the layout asked for, in order
    std::vector<Batch> batchesSeen;  // the batch each deferral was given
    int failingDeferral = -1;        // index into deferred of a deferral that fails

    void SetClientSize(std::int32_t width, std::int32_t height) { client = Rect{0, 0, width, height}; }

    Rect ControlRect(std::int32_t id) const override { return controls.at(id); }
    Rect ClientRect() const override { return client; }
    bool IsControlVisible(std::int32_t id) const override { return hidden.count(id) == 0; }
    std::uint32_t ControlStyle(std::int32_t id) const override
    {
        const auto found = styles.find(id);
        return found == styles.end() ? 0 : found->second;
    }

    Batch BeginBatch() override
    {
        ++beginCount;
        m_pending.clear();
        return ++m_nextBatch;
    }

    Batch DeferMove(Batch batch, std::int32_t id, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height) override
    {
        batchesSeen.push_back(batch);
        deferred.push_back(Move{id, x, y, width, height});
        if (batch == kNoBatch || static_cast<int>(deferred.size()) - 1 == failingDeferral) {
            m_pending.clear();  // the window system abandons the whole batch
            return kNoBatch;
        }
        m_pending.push_back(deferred.back());
        return ++m_nextBatch;
    }

    bool EndBatch(Batch batch) override
    {
        ++endCount;
        endedWith = batch;
        if (batch == kNoBatch) {
            return false;
        }
        for (const Move& move : m_pending) {
            controls[move.id] = Rect{move.x, move.y, move.x + move.width, move.y + move.height};
        }
        m_pending.clear();
        return true;
    }

private:
    Batch m_nextBatch = kNoBatch;
    std::vector<Move> m_pending;
};
