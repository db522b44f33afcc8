// Any rules and rectangles lay out without overflow (UBSan traps), and a pass moves every control once.
#include <array>

#include "fuzz_target.h"
#include "ui/dialog_layout.h"

using namespace cordwain;

// Controls at rectangles from the input (ids taken modulo 8), some hidden or clipping by id; every
// move succeeds and is counted. Its own arithmetic never overflows, unlike a recording window.
class FuzzedWindow final : public LayoutWindow {
public:
    std::array<Rect, 9> rects{};  // eight controls, then the client area
    std::size_t moves = 0;

    Rect ControlRect(std::int32_t id) const override { return rects[id & 7]; }
    Rect ClientRect() const override { return rects[8]; }
    bool IsControlVisible(std::int32_t id) const override { return id % 3 != 0; }
    std::uint32_t ControlStyle(std::int32_t id) const override { return id % 5 == 0 ? kStyleClipSiblings : 0; }
    Batch BeginBatch() override { return 1; }
    Batch DeferMove(Batch batch, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override
    {
        ++moves;
        return batch + 1;
    }
    bool EndBatch(Batch batch) override { return batch != kNoBatch; }
};

void FuzzOne(FuzzedDataProvider& input)
{
    std::vector<LAYOUT_ROW> rows(input.ConsumeIntegralInRange(1, 10));  // not empty: no null data()
    input.ConsumeData(rows.data(), rows.size() * sizeof(LAYOUT_ROW));
    FuzzedWindow window;
    input.ConsumeData(window.rects.data(), sizeof window.rects);  // the client area is the reference
    CDialogLayout layout;
    layout.Init(window, std::nullopt, rows.data(), static_cast<std::int32_t>(rows.size()), input.ConsumeBool());
    for (std::size_t pass = 1; pass <= 2; ++pass) {
        input.ConsumeData(&window.rects[8], sizeof(Rect));
        assert(layout.Reposition() && window.moves == pass * rows.size());
    }
}
