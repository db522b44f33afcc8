// Keeps a resizable dialog's controls in place: captures their rectangles once, then on every
// resize recomputes them from a static table of edge rules and moves them in one batch.
#pragma once

#include "ui/layout_types.h"
#include "ui/layout_window.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace cordwain {

// The value of edge on rc, and the size of rc along that edge's axis; 0 for unknown codes.
std::int32_t EdgeValue(std::int32_t edge, const Rect& rc);
std::int32_t AxisSize(std::int32_t edge, const Rect& rc);

class CDialogLayout {
public:
    CDialogLayout() = default;
    CDialogLayout(const CDialogLayout&) = delete;
    CDialogLayout& operator=(const CDialogLayout&) = delete;
    ~CDialogLayout() = default;

    // Registers rows[0..rowCount) and captures every control's rectangle. The rows and the
    // window are kept by address and must outlive the layout's use of them. Without a
    // reference rectangle the dialog's current client rectangle is the reference.
    bool Init(LayoutWindow& window, std::optional<Rect> reference, const LAYOUT_ROW* rows, std::int32_t rowCount,
              bool collapseOverlaps);

    // Recomputes every registered control from the captured rectangles and the client
    // rectangle now, and moves them in one batch. Answers the batch's end; false before Init.
    bool Reposition();

    // Forgets the registered rows and the placements; the window stays attached.
    void Clear();

private:
    Rect CapturedRect(std::int32_t id) const;
    Rect NewRect(std::int32_t id) const;
    std::int32_t ComputeEdge(std::int32_t edge, const LAYOUT_ITEM& item, const LAYOUT_RULE& rule,
                             const Rect& partial) const;
    void ComputePlacement(std::int32_t i);
    bool ApplyPlacements();

    LayoutWindow* m_pWindow = nullptr;
    Rect m_rcReference;
    std::vector<LAYOUT_ITEM> m_vecItems;
    std::vector<LAYOUT_PLACEMENT> m_vecPlacements;
    std::int32_t m_nPlaced = 0;
    bool m_bCollapseOverlaps = false;
};

}  // namespace cordwain
