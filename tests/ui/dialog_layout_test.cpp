// Tests for the resize layout's arithmetic, lookups, batches and collapse-overlaps pass.
#include "ui/dialog_layout.h"

#include "fake_layout_window.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

namespace {

constexpr LAYOUT_RULE Rule(std::int32_t kind, std::int32_t refId, std::int32_t refEdge)
{
    return {kind, refId, refEdge};
}
constexpr LAYOUT_RULE Offset(std::int32_t refId, std::int32_t edge) { return Rule(LAYOUT_OFFSET, refId, edge); }
constexpr LAYOUT_RULE Prop(std::int32_t refId, std::int32_t edge) { return Rule(LAYOUT_PROPORTIONAL, refId, edge); }

// Every edge keeps its distance from the client's top left: the control does not move.
constexpr LAYOUT_ROW Pinned(std::int32_t id)
{
    return {id, Offset(0, EDGE_LEFT), Offset(0, EDGE_TOP), Offset(0, EDGE_LEFT), Offset(0, EDGE_TOP)};
}

// Spans the client's width with fixed gaps at both sides.
constexpr LAYOUT_ROW Stretched(std::int32_t id)
{
    return {id, Offset(0, EDGE_LEFT), Offset(0, EDGE_TOP), Offset(0, EDGE_RIGHT), Offset(0, EDGE_TOP)};
}

template <std::size_t N>
void InitWith(CDialogLayout& layout, FakeLayoutWindow& window, const LAYOUT_ROW (&rows)[N], bool collapse = false)
{
    ASSERT_TRUE(layout.Init(window, std::nullopt, rows, static_cast<std::int32_t>(N), collapse));
}

}  // namespace

TEST(EdgeValue, EdgesCentresAndUnknownCodes)
{
    const Rect rc{10, 20, 41, 70};
    EXPECT_EQ(EdgeValue(EDGE_LEFT, rc), 10);
    EXPECT_EQ(EdgeValue(EDGE_TOP, rc), 20);
    EXPECT_EQ(EdgeValue(EDGE_RIGHT, rc), 41);
    EXPECT_EQ(EdgeValue(EDGE_BOTTOM, rc), 70);
    EXPECT_EQ(EdgeValue(EDGE_HCENTER, rc), 25);
    EXPECT_EQ(EdgeValue(EDGE_VCENTER, rc), 45);
    EXPECT_EQ(EdgeValue(0, rc), 0);
    EXPECT_EQ(EdgeValue(7, rc), 0);

    const Rect negative{-3, -5, 0, 0};
    EXPECT_EQ(EdgeValue(EDGE_HCENTER, negative), -1);  // truncates toward zero, not down
    EXPECT_EQ(EdgeValue(EDGE_VCENTER, negative), -2);
}

TEST(AxisSize, AxisFollowsTheEdge)
{
    const Rect rc{10, 20, 41, 70};
    for (const std::int32_t edge : {EDGE_LEFT, EDGE_RIGHT, EDGE_HCENTER}) {
        EXPECT_EQ(AxisSize(edge, rc), 31) << edge;
    }
    for (const std::int32_t edge : {EDGE_TOP, EDGE_BOTTOM, EDGE_VCENTER}) {
        EXPECT_EQ(AxisSize(edge, rc), 50) << edge;
    }
    EXPECT_EQ(AxisSize(0, rc), 0);
    EXPECT_EQ(AxisSize(-1, rc), 0);
    EXPECT_EQ(AxisSize(EDGE_LEFT, Rect{50, 0, 40, 0}), -10);
}

// One table, captured at one client size, applied at another.
struct ResizeCase {
    const char* name;
    Rect capturedClient;
    std::map<std::int32_t, Rect> controls;
    std::vector<LAYOUT_ROW> rows;
    std::optional<Rect> reference;  // stands in for the client as captured
    Rect resizedClient;
    std::map<std::int32_t, Rect> expected;
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
         // 20 + 799 * 100 / 400 = 219; 819 + 799 * (-220) / 400 = 819 - 439 = 380. 100 * 451 / 300 = 150;
         // the bottom keeps its distance from the control's own new top.
         {{10, Rect{20, 0, 819, 10}}, {11, Rect{219, 20, 380, 30}}, {12, Rect{0, 150, 429, 160}}}},
        {"an empty captured axis divides by one",
         {0, 0, 100, 100},
         {{10, Rect{50, 0, 50, 10}}, {11, Rect{60, 0, 70, 10}}, {12, Rect{0, 10, 5, 20}}},  // 10: no width
         {{10, Offset(0, EDGE_LEFT), Offset(0, EDGE_TOP), Offset(0, EDGE_RIGHT), Offset(0, EDGE_TOP)},
          {11, Prop(10, EDGE_LEFT), Offset(0, EDGE_TOP), Offset(11, EDGE_LEFT), Offset(0, EDGE_TOP)},
          {12, Offset(0, EDGE_LEFT), Prop(0, EDGE_TOP), Offset(0, EDGE_LEFT), Offset(12, EDGE_TOP)}},
         Rect{0, 0, 100, -4},  // a reference with negative height
         {0, 0, 200, 30},
         {{10, Rect{50, 0, 150, 10}}, {11, Rect{50 + 10 * 100, 0, 1060, 10}}, {12, Rect{0, 10 * 30, 5, 310}}}},
        {"keep width and keep height",
         {0, 0, 300, 200},
         {{5, Rect{250, 150, 290, 175}}},
         {{5, Offset(0, EDGE_RIGHT), Offset(0, EDGE_BOTTOM), Rule(LAYOUT_KEEP_WIDTH, 77, 9),
           Rule(LAYOUT_KEEP_HEIGHT, 77, 9)}},
         std::nullopt,
         {0, 0, 500, 100},
         {{5, Rect{450, 50, 490, 75}}}},
        // Right: the unknown reference edge is 0 now and when captured, so the right edge stays.
        {"an unknown kind or edge gives zero",
         {0, 0, 300, 200},
         {{5, Rect{10, 20, 30, 40}}},
         {{5, Rule(0, 0, EDGE_LEFT), Rule(5, 0, EDGE_TOP), Offset(0, 9), Rule(LAYOUT_OFFSET, 0, EDGE_BOTTOM)}},
         std::nullopt,
         {0, 0, 300, 200},
         {{5, Rect{0, 0, 30, 40}}}},
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

TEST(DialogLayout, AtTheCapturedSizeEveryControlKeepsItsRectangle)
{
    FakeLayoutWindow window;
    window.SetClientSize(400, 300);
    window.controls = {{1, Rect{10, 10, 100, 40}},
                       {2, Rect{120, 10, 380, 280}},
                       {3, Rect{10, 50, 97, 61}},
                       {4, Rect{-5, 290, 3, 299}}};
    const LAYOUT_ROW rows[] = {
        {1, Prop(0, EDGE_LEFT), Prop(0, EDGE_TOP), Prop(0, EDGE_RIGHT), Prop(0, EDGE_BOTTOM)},
        {2, Offset(1, EDGE_RIGHT), Offset(0, EDGE_TOP), Offset(0, EDGE_RIGHT), Offset(0, EDGE_BOTTOM)},
        {3, Prop(2, EDGE_HCENTER), Prop(1, EDGE_VCENTER), Rule(LAYOUT_KEEP_WIDTH, 0, 0),
         Rule(LAYOUT_KEEP_HEIGHT, 0, 0)},
        {4, Offset(0, EDGE_RIGHT), Prop(0, EDGE_BOTTOM), Offset(0, EDGE_LEFT), Offset(4, EDGE_TOP)},
    };
    const auto captured = window.controls;
    CDialogLayout layout;
    InitWith(layout, window, rows);

    layout.Reposition();
    EXPECT_EQ(window.controls, captured);
    EXPECT_EQ(window.deferred.size(), 4U);
}

TEST(DialogLayout, EmptyTableAndRepositionBeforeInitMoveNothing)
{
    FakeLayoutWindow window;
    window.SetClientSize(400, 300);
    window.controls[1] = Rect{1, 2, 3, 4};

    CDialogLayout before;
    EXPECT_FALSE(before.Reposition());
    EXPECT_EQ(window.beginCount, 0);

    CDialogLayout empty;
    ASSERT_TRUE(empty.Init(window, std::nullopt, nullptr, 0, true));
    EXPECT_TRUE(empty.Reposition());
    EXPECT_EQ(window.beginCount, 1);
    EXPECT_EQ(window.endCount, 1);
    EXPECT_TRUE(window.deferred.empty());
}

TEST(DialogLayout, ClearAndInitAgainStartFresh)
{
    FakeLayoutWindow window;
    window.SetClientSize(400, 300);
    window.controls = {{1, Rect{10, 10, 20, 20}}, {2, Rect{30, 30, 40, 40}}};
    const LAYOUT_ROW both[] = {Stretched(1), Stretched(2)};
    const LAYOUT_ROW one[] = {Pinned(2)};
    CDialogLayout layout;
    InitWith(layout, window, both);
    window.SetClientSize(500, 300);
    layout.Reposition();
    ASSERT_EQ(window.controls[2], (Rect{30, 30, 140, 40}));

    layout.Clear();
    layout.Reposition();
    EXPECT_EQ(window.deferred.size(), 2U);

    InitWith(layout, window, one);  // captures the rectangles as they stand now
    window.SetClientSize(100, 100);
    layout.Reposition();
    ASSERT_EQ(window.deferred.size(), 3U);
    EXPECT_EQ(window.deferred.back().id, 2);
    EXPECT_EQ(window.controls[2], (Rect{30, 30, 140, 40}));
}

TEST(DialogLayout, FailedDeferralEndsThePass)
{
    FakeLayoutWindow window;
    window.SetClientSize(400, 300);
    window.controls = {{1, Rect{0, 0, 10, 10}}, {2, Rect{0, 20, 10, 30}}, {3, Rect{0, 40, 10, 50}}};
    const LAYOUT_ROW rows[] = {Stretched(1), Stretched(2), Stretched(3)};
    CDialogLayout layout;
    InitWith(layout, window, rows);
    window.failingDeferral = 1;

    window.SetClientSize(500, 300);
    EXPECT_FALSE(layout.Reposition());
    ASSERT_EQ(window.deferred.size(), 2U);                    // control 3 is never deferred
    EXPECT_NE(window.batchesSeen[0], window.batchesSeen[1]);  // each deferral continues the batch it was given
    EXPECT_EQ(window.endedWith, ILayoutWindow::kNoBatch);
    EXPECT_EQ(window.controls[1], (Rect{0, 0, 10, 10}));

    window.failingDeferral = -1;
    EXPECT_TRUE(layout.Reposition());
    EXPECT_EQ(window.controls[3], (Rect{0, 40, 110, 50}));
}

TEST(DialogLayout, NegativeSizesArePassedOn)
{
    FakeLayoutWindow window;
    window.SetClientSize(400, 300);
    window.controls[1] = Rect{10, 10, 390, 290};
    const LAYOUT_ROW rows[] = {
        {1, Offset(0, EDGE_LEFT), Offset(0, EDGE_TOP), Offset(0, EDGE_RIGHT), Offset(0, EDGE_BOTTOM)}};
    CDialogLayout layout;
    InitWith(layout, window, rows);

    window.SetClientSize(0, 0);  // minimised
    layout.Reposition();
    ASSERT_EQ(window.deferred.size(), 1U);
    EXPECT_EQ(window.deferred[0].width, -20);  // from 10 to -10
    EXPECT_EQ(window.deferred[0].height, -20);

    window.SetClientSize(400, 300);
    layout.Reposition();
    EXPECT_EQ(window.controls[1], (Rect{10, 10, 390, 290}));
}

class CollapseOverlaps : public ::testing::Test {
protected:
    // Three pinned controls: 2 overlaps 1, 3 merely touches 1's right edge and overlaps 2.
    void SetUp() override
    {
        window.SetClientSize(400, 300);
        window.controls = {{1, Rect{0, 0, 50, 50}}, {2, Rect{40, 40, 80, 80}}, {3, Rect{50, 0, 90, 45}}};
    }

    void Run(bool collapse)
    {
        const LAYOUT_ROW rows[] = {Pinned(1), Pinned(2), Pinned(3)};
        CDialogLayout layout;
        InitWith(layout, window, rows, collapse);
        layout.Reposition();
    }

    FakeLayoutWindow window;
};

TEST_F(CollapseOverlaps, OverlapCollapsesTouchingDoesNot)
{
    Run(true);
    EXPECT_EQ(window.controls[1], (Rect{0, 0, 50, 50}));
    EXPECT_EQ(window.controls[2], (Rect{}));               // moved to 0,0 with no size, not hidden
    EXPECT_EQ(window.controls[3], (Rect{50, 0, 90, 45}));  // 2 collapsed first, so it no longer overlaps 3
    EXPECT_EQ(window.deferred.size(), 3U);
}

TEST_F(CollapseOverlaps, OffMeansNothingCollapses)
{
    Run(false);
    EXPECT_EQ(window.controls[2], (Rect{40, 40, 80, 80}));
}

TEST_F(CollapseOverlaps, HiddenControlsNeitherCollapseNorAreCollapsed)
{
    window.hidden.insert(1);
    Run(true);
    EXPECT_EQ(window.controls[2], (Rect{40, 40, 80, 80}));
    EXPECT_EQ(window.controls[3], (Rect{}));  // 2 is still in place and overlaps 3

    window.hidden = {3};
    window.controls = {{1, Rect{0, 0, 50, 50}}, {2, Rect{200, 200, 210, 210}}, {3, Rect{10, 10, 20, 20}}};
    Run(true);
    EXPECT_EQ(window.controls[3], (Rect{10, 10, 20, 20}));
}

TEST_F(CollapseOverlaps, ClipSiblingsControlsNeitherCollapseNorAreCollapsed)
{
    window.styles[1] = kStyleClipSiblings | 0x10000000;
    Run(true);
    EXPECT_EQ(window.controls[2], (Rect{40, 40, 80, 80}));
    EXPECT_EQ(window.controls[3], (Rect{}));

    window.styles = {{1, 0x10000000}, {3, kStyleClipSiblings}};
    window.controls = {{1, Rect{0, 0, 50, 50}}, {2, Rect{200, 200, 210, 210}}, {3, Rect{10, 10, 20, 20}}};
    Run(true);
    EXPECT_EQ(window.controls[3], (Rect{10, 10, 20, 20}));
}
