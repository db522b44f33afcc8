// The main window's layout table. Row order matters: a rule may only refer to an earlier row
// or to an edge of its own control computed before it.
#include "ui/main_layout_table.h"

#include "res/resource.h"

namespace cordwain {

namespace {

constexpr LAYOUT_RULE Offset(std::int32_t refId, std::int32_t refEdge) { return {LAYOUT_OFFSET, refId, refEdge}; }
constexpr LAYOUT_RULE Proportional(std::int32_t refId, std::int32_t refEdge)
{
    return {LAYOUT_PROPORTIONAL, refId, refEdge};
}

constexpr std::int32_t kClient = LAYOUT_CLIENT;

}  // namespace

const LAYOUT_ROW g_mainDlgLayout[kMainDlgLayoutRows] = {
    // Fixed size at the top right.
    {IDC_JOIN, Offset(kClient, EDGE_RIGHT), Offset(kClient, EDGE_TOP), Offset(kClient, EDGE_RIGHT),
     Offset(kClient, EDGE_TOP)},
    // Fixed size at the bottom right.
    {kMainExitButtonId, Offset(kClient, EDGE_RIGHT), Offset(kClient, EDGE_BOTTOM), Offset(kClient, EDGE_RIGHT),
     Offset(kClient, EDGE_BOTTOM)},
    {IDC_ABOUT, Offset(kClient, EDGE_RIGHT), Offset(kClient, EDGE_BOTTOM), Offset(kClient, EDGE_RIGHT),
     Offset(kClient, EDGE_BOTTOM)},
    // At the right; its top moves in proportion to the client height, its height stays.
    {IDC_OPTIONS_LABEL, Offset(kClient, EDGE_RIGHT), Proportional(kClient, EDGE_TOP), Offset(kClient, EDGE_RIGHT),
     Offset(IDC_OPTIONS_LABEL, EDGE_TOP)},
    // Keeps its distance below the "Options:" label.
    {IDC_INSERT_DIVIDERS, Offset(kClient, EDGE_RIGHT), Offset(IDC_OPTIONS_LABEL, EDGE_BOTTOM),
     Offset(kClient, EDGE_RIGHT), Offset(IDC_OPTIONS_LABEL, EDGE_BOTTOM)},
    // Grows with the window; its right edge keeps its gap to the Join button.
    {IDC_FILE_LIST, Offset(kClient, EDGE_LEFT), Offset(kClient, EDGE_TOP), Offset(IDC_JOIN, EDGE_LEFT),
     Offset(kClient, EDGE_BOTTOM)},
    // Fixed size at the bottom left.
    {IDC_NOTE, Offset(kClient, EDGE_LEFT), Offset(kClient, EDGE_BOTTOM), Offset(kClient, EDGE_LEFT),
     Offset(kClient, EDGE_BOTTOM)},
    // Below the list, edges at the same fraction of the list's width.
    {IDC_ADD, Proportional(IDC_FILE_LIST, EDGE_LEFT), Offset(IDC_FILE_LIST, EDGE_BOTTOM),
     Proportional(IDC_FILE_LIST, EDGE_RIGHT), Offset(kClient, EDGE_BOTTOM)},
    {IDC_REMOVE, Proportional(IDC_FILE_LIST, EDGE_LEFT), Offset(IDC_FILE_LIST, EDGE_BOTTOM),
     Proportional(IDC_FILE_LIST, EDGE_RIGHT), Offset(kClient, EDGE_BOTTOM)},
    {IDC_REMOVE_ALL, Proportional(IDC_FILE_LIST, EDGE_LEFT), Offset(IDC_FILE_LIST, EDGE_BOTTOM),
     Proportional(IDC_FILE_LIST, EDGE_RIGHT), Offset(kClient, EDGE_BOTTOM)},
    // As the other list buttons, but its right edge keeps its distance from the list's right edge.
    {IDC_SORT_LIST, Proportional(IDC_FILE_LIST, EDGE_LEFT), Offset(IDC_FILE_LIST, EDGE_BOTTOM),
     Offset(IDC_FILE_LIST, EDGE_RIGHT), Offset(kClient, EDGE_BOTTOM)},
    // Follows the list box.
    {IDC_FILES_GROUP, Offset(kClient, EDGE_LEFT), Offset(kClient, EDGE_TOP), Offset(IDC_JOIN, EDGE_LEFT),
     Offset(kClient, EDGE_BOTTOM)},
};

}  // namespace cordwain
