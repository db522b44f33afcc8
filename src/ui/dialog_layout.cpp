// The resize layout's arithmetic and passes.
#include "ui/dialog_layout.h"

#include <algorithm>

namespace cordwain {

namespace {

// The layout computes in 32-bit signed arithmetic; sums and products that leave that range
// wrap as they would in the window system's own integers instead of being undefined.
std::int32_t Wrap(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

std::int32_t Add(std::int32_t a, std::int32_t b) { return Wrap(std::int64_t{a} + b); }
std::int32_t Sub(std::int32_t a, std::int32_t b) { return Wrap(std::int64_t{a} - b); }
std::int32_t Mul(std::int32_t a, std::int32_t b) { return Wrap(std::int64_t{a} * b); }

bool IsEmpty(const Rect& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

bool Overlap(const Rect& a, const Rect& b)
{
    const Rect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
    return !IsEmpty(a) && !IsEmpty(b) && !IsEmpty(common);
}

}  // namespace

std::int32_t EdgeValue(std::int32_t edge, const Rect& rc)
{
    switch (edge) {
    case EDGE_LEFT:
        return rc.left;
    case EDGE_TOP:
        return rc.top;
    case EDGE_RIGHT:
        return rc.right;
    case EDGE_BOTTOM:
        return rc.bottom;
    case EDGE_HCENTER:
        return Add(rc.left, rc.right) / 2;
    case EDGE_VCENTER:
        return Add(rc.top, rc.bottom) / 2;
    default:
        return 0;
    }
}

std::int32_t AxisSize(std::int32_t edge, const Rect& rc)
{
    switch (edge) {
    case EDGE_LEFT:
    case EDGE_RIGHT:
    case EDGE_HCENTER:
        return Sub(rc.right, rc.left);
    case EDGE_TOP:
    case EDGE_BOTTOM:
    case EDGE_VCENTER:
        return Sub(rc.bottom, rc.top);
    default:
        return 0;
    }
}

bool CDialogLayout::Init(LayoutWindow& window, std::optional<Rect> reference, const LAYOUT_ROW* rows,
                         std::int32_t rowCount, bool collapseOverlaps)
{
    Clear();
    m_bCollapseOverlaps = collapseOverlaps;
    m_pWindow = &window;
    m_rcReference = reference ? *reference : window.ClientRect();
    for (std::int32_t i = 0; i < rowCount; ++i) {
        m_vecItems.push_back(LAYOUT_ITEM{window.ControlRect(rows[i].id), &rows[i]});
    }
    return true;
}

void CDialogLayout::Clear()
{
    m_vecItems.clear();
    m_vecPlacements.clear();
    m_nPlaced = 0;
}

bool CDialogLayout::Reposition()
{
    if (m_pWindow == nullptr) {
        return false;
    }
    if (m_vecPlacements.empty()) {
        m_vecPlacements.resize(m_vecItems.size());
    }
    for (std::size_t i = 0; i < m_vecItems.size(); ++i) {
        ComputePlacement(static_cast<std::int32_t>(i));
    }
    return ApplyPlacements();
}

Rect CDialogLayout::CapturedRect(std::int32_t id) const
{
    if (id == LAYOUT_CLIENT) {
        return m_rcReference;
    }
    const auto found = std::find_if(m_vecItems.begin(), m_vecItems.end(),
                                    [id](const LAYOUT_ITEM& item) { return item.pRow->id == id; });
    return found != m_vecItems.end() ? found->rcCaptured : Rect{};
}

Rect CDialogLayout::NewRect(std::int32_t id) const
{
    if (id == LAYOUT_CLIENT) {
        return m_pWindow->ClientRect();
    }
    const auto placedEnd = m_vecPlacements.begin() + m_nPlaced;
    const auto found = std::find_if(m_vecPlacements.begin(), placedEnd,
                                    [id](const LAYOUT_PLACEMENT& placement) { return placement.id == id; });
    return found != placedEnd ? found->rc : Rect{};
}

std::int32_t CDialogLayout::ComputeEdge(std::int32_t edge, const LAYOUT_ITEM& item, const LAYOUT_RULE& rule,
                                        const Rect& partial) const
{
    const Rect& captured = item.rcCaptured;
    switch (rule.kind) {
    case LAYOUT_OFFSET: {
        const std::int32_t distance = Sub(EdgeValue(edge, captured), EdgeValue(rule.refEdge, CapturedRect(rule.refId)));
        return Add(EdgeValue(rule.refEdge, NewRect(rule.refId)), distance);
    }
    case LAYOUT_PROPORTIONAL: {
        const Rect refCaptured = CapturedRect(rule.refId);
        const Rect refNow = NewRect(rule.refId);
        const std::int32_t distance = Sub(EdgeValue(edge, captured), EdgeValue(rule.refEdge, refCaptured));
        const std::int32_t capturedSize = AxisSize(edge, refCaptured);
        const std::int32_t divisor = capturedSize > 0 ? capturedSize : 1;
        // Product first, then a division that truncates toward zero.
        return Add(EdgeValue(rule.refEdge, refNow), Mul(distance, AxisSize(edge, refNow)) / divisor);
    }
    case LAYOUT_KEEP_WIDTH:
        return Add(partial.left, Sub(captured.right, captured.left));
    case LAYOUT_KEEP_HEIGHT:
        return Add(partial.top, Sub(captured.bottom, captured.top));
    default:
        return 0;
    }
}

void CDialogLayout::ComputePlacement(std::int32_t i)
{
    // Lookups of new rectangles see the earlier rows and this row's own edges as they are stored.
    m_nPlaced = i + 1;
    const LAYOUT_ITEM& item = m_vecItems[static_cast<std::size_t>(i)];
    const LAYOUT_ROW& row = *item.pRow;
    LAYOUT_PLACEMENT& placement = m_vecPlacements[static_cast<std::size_t>(i)];
    placement.id = row.id;
    placement.rc = Rect{};  // a table that reads an edge before computing it gets 0, not an old value
    placement.rc.left = ComputeEdge(EDGE_LEFT, item, row.left, placement.rc);
    placement.rc.top = ComputeEdge(EDGE_TOP, item, row.top, placement.rc);
    placement.rc.right = ComputeEdge(EDGE_RIGHT, item, row.right, placement.rc);
    placement.rc.bottom = ComputeEdge(EDGE_BOTTOM, item, row.bottom, placement.rc);
    placement.bTakesPart =
        m_pWindow->IsControlVisible(row.id) && (m_pWindow->ControlStyle(row.id) & kStyleClipSiblings) == 0;
    placement.bCollapsed = false;
}

bool CDialogLayout::ApplyPlacements()
{
    LayoutWindow::Batch batch = m_pWindow->BeginBatch();
    for (std::size_t i = 0; i < m_vecPlacements.size(); ++i) {
        LAYOUT_PLACEMENT& placement = m_vecPlacements[i];
        if (m_bCollapseOverlaps) {
            for (std::size_t j = 0; j < i && !placement.bCollapsed; ++j) {
                const LAYOUT_PLACEMENT& earlier = m_vecPlacements[j];
                placement.bCollapsed = placement.bTakesPart && earlier.bTakesPart && Overlap(earlier.rc, placement.rc);
            }
        }
        if (placement.bCollapsed) {
            placement.rc = Rect{};  // moved to the client origin with no size, not hidden
        }
        // A failed deferral leaves no batch: the rest of this pass is not moved.
        if (batch != LayoutWindow::kNoBatch) {
            const Rect& rc = placement.rc;
            batch = m_pWindow->DeferMove(batch, placement.id, rc.left, rc.top, Sub(rc.right, rc.left),
                                         Sub(rc.bottom, rc.top));
        }
    }
    return m_pWindow->EndBatch(batch);
}

}  // namespace cordwain
