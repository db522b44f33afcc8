// The resize layout's arithmetic, its batch of moves and the collapse-overlaps pass. The main
// window's own table is checked on the live window.
#include <gtest/gtest.h>

#include "fake_layout_window.h"
#include "ui/dialog_layout.h"

namespace cordwain {
namespace {

using Rects = std::map<std::int32_t, Rect>;

constexpr LAYOUT_RULE Offset(std::int32_t refId, std::int32_t edge) { return {LAYOUT_OFFSET, refId, edge}; }
constexpr LAYOUT_RULE Prop(std::int32_t refId, std::int32_t edge) { return {LAYOUT_PROPORTIONAL, refId, edge}; }
constexpr LAYOUT_ROW Pinned(std::int32_t id)
{
    return {id, Offset(0, EDGE_LEFT), Offset(0, EDGE_TOP), Offset(0, EDGE_LEFT), Offset(0, EDGE_TOP)};
}
constexpr LAYOUT_ROW Stretched(std::int32_t id)
{
    return {id, Offset(0, EDGE_LEFT), Offset(0, EDGE_TOP), Offset(0, EDGE_RIGHT), Offset(0, EDGE_TOP)};
}

struct ResizeCase {
    const char* name;
    Rect capturedClient;
    Rects controls;
    std::vector<LAYOUT_ROW> rows;
    std::optional<Rect> reference;  // stands in for the client as captured
    Rect resizedClient;
    Rects expected;
};

TEST(DialogLayout, RulesPlaceEachEdgeAfterAResize)
{
    const ResizeCase cases[] = {
        {"proportional edges truncate toward zero",
         {0, 0, 440, 300},
         {{10, Rect{20, 0, 420, 10}}, {11, Rect{120, 20, 200, 30}}, {12, Rect{0, 100, 30, 110}}},
         {Stretched(10),
          {11, Prop(10, EDGE_LEFT), Offset(0, EDGE_TOP), Prop(10, EDGE_RIGHT), Offset(0, EDGE_TOP)},
          {12, Offset(0, EDGE_LEFT), Prop(0, EDGE_TOP), Offset(0, EDGE_RIGHT), Offset(12, EDGE_TOP)}},
         std::nullopt,
         {0, 0, 839, 451},
         // 20 + 799 * 100 / 400 = 219; 819 + 799 * (-220) / 400 = 380, not 379. 100 * 451 / 300 = 150;
         // the bottom keeps its distance from the control's own new top.
         {{10, Rect{20, 0, 819, 10}}, {11, Rect{219, 20, 380, 30}}, {12, Rect{0, 150, 429, 160}}}},
        {"an empty or negative captured axis divides by one",
         {0, 0, 100, 100},
         {{10, Rect{50, 0, 50, 10}}, {11, Rect{60, 0, 70, 10}}, {12, Rect{0, 10, 5, 20}}},
         {{10, Offset(0, EDGE_LEFT), Offset(0, EDGE_TOP), Offset(0, EDGE_RIGHT), Offset(0, EDGE_TOP)},
          {11, Prop(10, EDGE_LEFT), Offset(0, EDGE_TOP), Offset(11, EDGE_LEFT), Offset(0, EDGE_TOP)},
          {12, Offset(0, EDGE_LEFT), Prop(0, EDGE_TOP), Offset(0, EDGE_LEFT), Offset(12, EDGE_TOP)}},
         Rect{0, 0, 100, -4},
         {0, 0, 200, 30},
         {{10, Rect{50, 0, 150, 10}}, {11, Rect{1050, 0, 1060, 10}}, {12, Rect{0, 300, 5, 310}}}},
        {"keep width and keep height; an unknown kind or edge gives zero",
         {0, 0, 300, 200},
         {{5, Rect{250, 150, 290, 175}}, {6, Rect{10, 20, 30, 40}}},
         {{5, Offset(0, EDGE_RIGHT), Offset(0, EDGE_BOTTOM), {LAYOUT_KEEP_WIDTH, 77, 9}, {LAYOUT_KEEP_HEIGHT, 77, 9}},
          {6, {0, 0, EDGE_LEFT}, {5, 0, EDGE_TOP}, Offset(0, 9), Offset(0, EDGE_BOTTOM)}},
         std::nullopt,
         {0, 0, 500, 100},
         {{5, Rect{450, 50, 490, 75}}, {6, Rect{0, 0, 30, -60}}}},
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeLayoutWindow window;
        window.client = c.capturedClient;
        window.controls = c.controls;
        CDialogLayout layout;
        ASSERT_TRUE(layout.Init(window, c.reference, c.rows.data(), static_cast<std::int32_t>(c.rows.size()), false));
        window.client = c.resizedClient;
        EXPECT_TRUE(layout.Reposition());
        EXPECT_EQ(window.controls, c.expected);
    }
}

// Nothing moves before Init or with an empty table; Init again starts afresh; a failed deferral
// ends the pass, and the next pass starts afresh.
TEST(DialogLayout, PassesStartAfreshAfterInitAndAfterAFailedDeferral)
{
    FakeLayoutWindow window;
    CDialogLayout layout;
    EXPECT_FALSE(layout.Reposition());
    ASSERT_TRUE(layout.Init(window, std::nullopt, nullptr, 0, true));
    EXPECT_TRUE(layout.Reposition());
    EXPECT_TRUE(window.deferred.empty());
    window.SetClientSize(400, 300);
    window.controls = {{1, Rect{0, 0, 10, 10}}, {2, Rect{0, 20, 10, 30}}, {3, Rect{0, 40, 10, 50}}};
    const LAYOUT_ROW rows[] = {Stretched(1), Stretched(2), Stretched(3)};
    for (int init = 0; init < 2; ++init)
        ASSERT_TRUE(layout.Init(window, std::nullopt, rows, 3, false));
    EXPECT_TRUE(layout.Reposition());
    EXPECT_EQ(window.deferred, (std::vector<std::int32_t>{1, 2, 3}));  // the second Init replaced the first
    window.deferred.clear();
    window.failingDeferral = 1;
    window.SetClientSize(500, 300);
    EXPECT_FALSE(layout.Reposition());
    EXPECT_EQ(window.deferred, (std::vector<std::int32_t>{1, 2}));  // control 3 is never deferred
    EXPECT_EQ(window.endedWith, LayoutWindow::kNoBatch);
    EXPECT_EQ(window.controls[1], (Rect{0, 0, 10, 10}));

    window.failingDeferral = -1;
    window.SetClientSize(0, 0);  // minimised: negative sizes are passed on as they are
    EXPECT_TRUE(layout.Reposition());
    EXPECT_EQ(window.controls[3], (Rect{0, 40, -390, 50}));
    window.SetClientSize(500, 300);
    EXPECT_TRUE(layout.Reposition());
    EXPECT_EQ(window.controls[3], (Rect{0, 40, 110, 50}));
}

// Pinned 1, 2 and 3: 2 overlaps 1; 3 merely touches 1 and overlaps 2.
TEST(DialogLayout, CollapseOverlapsMovesOverlappingControlsToTheOrigin)
{
    struct Case {
        const char* name;
        std::set<std::int32_t> hidden;
        std::map<std::int32_t, std::uint32_t> styles;
        Rects expected;
    };
    const Rects start = {{1, Rect{0, 0, 50, 50}}, {2, Rect{40, 40, 80, 80}}, {3, Rect{50, 0, 90, 45}}};
    const Case cases[] = {
        {"2 collapses; 3 then overlaps nothing that stands", {}, {}, {{1, start.at(1)}, {2, Rect{}}, {3, start.at(3)}}},
        {"a hidden 1 collapses nothing", {1}, {}, {{1, start.at(1)}, {2, start.at(2)}, {3, Rect{}}}},
        {"a clipping 1 collapses nothing",
         {},
         {{1, kStyleClipSiblings}},
         {{1, start.at(1)}, {2, start.at(2)}, {3, Rect{}}}},
    };
    const LAYOUT_ROW rows[] = {Pinned(1), Pinned(2), Pinned(3)};
    for (const Case& c : cases) {
        FakeLayoutWindow window;
        window.SetClientSize(400, 300);
        window.controls = start;
        window.hidden = c.hidden;
        window.styles = c.styles;
        CDialogLayout layout;
        ASSERT_TRUE(layout.Init(window, std::nullopt, rows, 3, true));
        layout.Reposition();
        EXPECT_EQ(window.controls, c.expected) << c.name;
    }
}

}  // namespace
}  // namespace cordwain
