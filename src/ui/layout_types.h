// Portable geometry and table types of the resize layout: rectangles, edge codes,
// rule kinds and the rows a dialog hands to CDialogLayout.
#pragma once

#include <cstdint>

namespace cordwain {

// Left, top, right, bottom in dialog client pixels; right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const Rect& a, const Rect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

// The window style bit that keeps a control out of the collapse-overlaps pass.
constexpr std::uint32_t kStyleClipSiblings = 0x04000000;

// Edge codes of a rectangle.
constexpr std::int32_t EDGE_LEFT = 1;
constexpr std::int32_t EDGE_TOP = 2;
constexpr std::int32_t EDGE_RIGHT = 3;
constexpr std::int32_t EDGE_BOTTOM = 4;
constexpr std::int32_t EDGE_HCENTER = 5;
constexpr std::int32_t EDGE_VCENTER = 6;

// How one edge of a control follows its reference.
constexpr std::int32_t LAYOUT_OFFSET = 1;        // keeps its distance from the reference edge
constexpr std::int32_t LAYOUT_PROPORTIONAL = 2;  // distance scales with the reference's size
constexpr std::int32_t LAYOUT_KEEP_WIDTH = 3;    // new left + captured width
constexpr std::int32_t LAYOUT_KEEP_HEIGHT = 4;   // new top + captured height

// The dialog's client area as a rule's reference.
constexpr std::int32_t LAYOUT_CLIENT = 0;

struct LAYOUT_RULE {
    std::int32_t kind;
    std::int32_t refId;    // a control id, or LAYOUT_CLIENT
    std::int32_t refEdge;  // an edge code of the reference
};

// One controlled control and the rules for its left, top, right and bottom edges.
struct LAYOUT_ROW {
    std::int32_t id;
    LAYOUT_RULE left;
    LAYOUT_RULE top;
    LAYOUT_RULE right;
    LAYOUT_RULE bottom;
};

// A registered control: its rectangle when the layout was initialised, and its row.
struct LAYOUT_ITEM {
    Rect rcCaptured;
    const LAYOUT_ROW* pRow = nullptr;
};

// Where one pass puts a control.
struct LAYOUT_PLACEMENT {
    std::int32_t id = 0;
    Rect rc;
    bool bTakesPart = false;  // visible and without kStyleClipSiblings
    bool bCollapsed = false;
};

}  // namespace cordwain
