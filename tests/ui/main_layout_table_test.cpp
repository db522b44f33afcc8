// The main window's layout table applied to the main window's real control rectangles
// (its template at a base unit of 6 x 13 pixels, client 555 x 327).
#include "ui/main_layout_table.h"

#include "res/resource.h"
#include "ui/dialog_layout.h"

#include "fake_layout_window.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>

namespace {

using Rects = std::map<std::int32_t, Rect>;

const Rects kCaptured = {
    {IDC_JOIN, {440, 11, 545, 34}},
    {kMainExitButtonId, {440, 293, 545, 315}},
    {IDC_ABOUT, {440, 263, 545, 286}},
    {IDC_OPTIONS_LABEL, {449, 124, 491, 137}},
    {IDC_INSERT_DIVIDERS, {449, 140, 545, 163}},
    {IDC_FILE_LIST, {21, 26, 416, 257}},
    {IDC_NOTE, {24, 297, 329, 315}},
    {IDC_ADD, {21, 263, 110, 286}},
    {IDC_REMOVE, {123, 263, 212, 286}},
    {IDC_REMOVE_ALL, {225, 263, 314, 286}},
    {IDC_SORT_LIST, {327, 263, 416, 286}},
    {IDC_FILES_GROUP, {11, 11, 431, 296}},
};

// Client 855 x 527: 300 wider and 200 higher than captured.
const Rects kAt855x527 = {
    // Right-hand column moves right by 300; bottom controls move down by 200.
    {IDC_JOIN, {740, 11, 845, 34}},
    {kMainExitButtonId, {740, 493, 845, 515}},
    {IDC_ABOUT, {740, 463, 845, 486}},
    // Top 124 * 527 / 327 = 199.8, truncated.
    {IDC_OPTIONS_LABEL, {749, 199, 791, 212}},
    {IDC_INSERT_DIVIDERS, {749, 215, 845, 238}},
    // The list keeps its 24-pixel gap to the Join button and grows to width 695.
    {IDC_FILE_LIST, {21, 26, 716, 457}},
    {IDC_NOTE, {24, 497, 329, 515}},
    // Edges at the same fraction of the list's width: e.g. 716 + (-306 * 695) / 395 = 716 - 538.
    {IDC_ADD, {21, 463, 178, 486}},
    {IDC_REMOVE, {200, 463, 358, 486}},
    {IDC_REMOVE_ALL, {379, 463, 537, 486}},
    {IDC_SORT_LIST, {559, 463, 716, 486}},
    {IDC_FILES_GROUP, {11, 11, 731, 496}},
};

class MainLayoutTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.controls = kCaptured;
        window.SetClientSize(555, 327);
        ASSERT_TRUE(layout.Init(window, std::nullopt, g_mainDlgLayout, kMainDlgLayoutRows, false));
    }

    Rects ResizeTo(std::int32_t width, std::int32_t height)
    {
        window.SetClientSize(width, height);
        layout.Reposition();
        return window.controls;
    }

    FakeLayoutWindow window;
    CDialogLayout layout;
};

}  // namespace

TEST_F(MainLayoutTable, EveryMainControlHasOneRow)
{
    ASSERT_EQ(std::size(g_mainDlgLayout), kCaptured.size());
    for (const LAYOUT_ROW& row : g_mainDlgLayout) {
        EXPECT_EQ(kCaptured.count(row.id), 1U) << row.id;
    }
}

TEST_F(MainLayoutTable, CapturedSizeKeepsEveryRectangle)
{
    EXPECT_EQ(ResizeTo(555, 327), kCaptured);
    EXPECT_EQ(window.deferred.size(), kCaptured.size());
}

TEST_F(MainLayoutTable, LargerWindowPlacesEveryControl)
{
    const Rects placed = ResizeTo(855, 527);
    for (const auto& [id, expected] : kAt855x527) {
        EXPECT_EQ(placed.at(id), expected) << "control " << id;
    }
}

TEST_F(MainLayoutTable, RepeatedResizingAccumulatesNoRounding)
{
    ResizeTo(1000, 700);
    ResizeTo(601, 333);
    ResizeTo(777, 451);
    EXPECT_EQ(ResizeTo(855, 527), kAt855x527);
    EXPECT_EQ(ResizeTo(555, 327), kCaptured);
}
