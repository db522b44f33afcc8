// The main window's controls follow its size: each expected rectangle is worked out here from
// the rectangles the window opened with and the rules each control follows, then compared with
// where the control really is.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "support/main_dlg_harness.h"
#include "res/resource.h"

namespace {

using Rects = std::map<int, RECT>;

const int kControls[] = {IDC_JOIN, IDCANCEL, IDC_ABOUT,  IDC_OPTIONS_LABEL, IDC_INSERT_DIVIDERS, IDC_FILE_LIST,
                         IDC_NOTE, IDC_ADD,  IDC_REMOVE, IDC_REMOVE_ALL,    IDC_SORT_LIST,       IDC_FILES_GROUP};

Rects ReadRects(HWND dialog)
{
    Rects rects;
    for (const int id : kControls)
        rects[id] = ControlClientRect(dialog, id);
    return rects;
}

std::string Describe(const RECT& rc)
{
    std::ostringstream out;
    out << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
    return out.str();
}

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT Shifted(const RECT& rc, LONG dx, LONG dy)
{
    return RECT{rc.left + dx, rc.top + dy, rc.right + dx, rc.bottom + dy};
}

// Where every control belongs in a client area of width x height, given the rectangles at the
// opening client size. C++ division truncates toward zero, as the layout's does.
Rects Expected(const Rects& at, SIZE opened, LONG width, LONG height)
{
    const LONG dx = width - opened.cx;
    const LONG dy = height - opened.cy;
    Rects e;
    // Fixed size, pinned to the top right or the bottom right.
    e[IDC_JOIN] = Shifted(at.at(IDC_JOIN), dx, 0);
    e[IDCANCEL] = Shifted(at.at(IDCANCEL), dx, dy);
    e[IDC_ABOUT] = Shifted(at.at(IDC_ABOUT), dx, dy);
    e[IDC_NOTE] = Shifted(at.at(IDC_NOTE), 0, dy);

    // "Options:" keeps its height; its top is at the same fraction of the client height.
    const RECT& label = at.at(IDC_OPTIONS_LABEL);
    const LONG labelTop = label.top * height / opened.cy;
    e[IDC_OPTIONS_LABEL] = RECT{label.left + dx, labelTop, label.right + dx, labelTop + (label.bottom - label.top)};
    // The check box keeps its distance below the label.
    const LONG labelDy = e[IDC_OPTIONS_LABEL].bottom - label.bottom;
    e[IDC_INSERT_DIVIDERS] = Shifted(at.at(IDC_INSERT_DIVIDERS), dx, labelDy);

    // The list and the group box grow with the window.
    for (const int id : {IDC_FILE_LIST, IDC_FILES_GROUP}) {
        const RECT& rc = at.at(id);
        e[id] = RECT{rc.left, rc.top, rc.right + dx, rc.bottom + dy};
    }

    // The list buttons keep their distance below the list and from the client's bottom; their
    // edges sit at the same fraction of the list's width (Sort List's right edge excepted).
    const RECT& list = at.at(IDC_FILE_LIST);
    const RECT& newList = e[IDC_FILE_LIST];
    const LONG listWidth = list.right - list.left;
    const LONG newListWidth = newList.right - newList.left;
    for (const int id : {IDC_ADD, IDC_REMOVE, IDC_REMOVE_ALL, IDC_SORT_LIST}) {
        const RECT& rc = at.at(id);
        RECT& out = e[id];
        out.left = newList.left + (rc.left - list.left) * newListWidth / listWidth;
        out.top = newList.bottom + (rc.top - list.bottom);
        out.right = id == IDC_SORT_LIST ? newList.right + (rc.right - list.right)
                                        : newList.right + (rc.right - list.right) * newListWidth / listWidth;
        out.bottom = rc.bottom + dy;
    }
    return e;
}

SIZE ClientSize(HWND hWnd)
{
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    return SIZE{rc.right, rc.bottom};
}

// Every control where Expected puts it for the current client size.
void ExpectLaidOut(HWND dialog, const Rects& opened, SIZE openedClient, const char* when)
{
    const SIZE client = ClientSize(dialog);
    const Rects expected = Expected(opened, openedClient, client.cx, client.cy);
    const Rects actual = ReadRects(dialog);
    for (const int id : kControls) {
        EXPECT_TRUE(Same(expected.at(id), actual.at(id)))
            << when << ", client " << client.cx << " x " << client.cy << ", control " << id << ": expected "
            << Describe(expected.at(id)) << ", actual " << Describe(actual.at(id));
    }
}

void ResizeWindow(HWND hWnd, LONG width, LONG height)
{
    ::SetWindowPos(hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST(MainWindowLayout, ControlsFollowEverySizeFromTheirOpeningRectangles)
{
    CMainDlgUnderTest dlg;
    dlg.m_onShown = [&](CMainDlgUnderTest& d) {
        const HWND hWnd = d.m_hWnd;
        const Rects opened = ReadRects(hWnd);
        const SIZE openedClient = ClientSize(hWnd);
        RECT window{};
        ::GetWindowRect(hWnd, &window);
        const LONG openedWidth = window.right - window.left;
        const LONG openedHeight = window.bottom - window.top;

        // At the opening client size the expected rectangles are the opening ones, to the pixel.
        ResizeWindow(hWnd, openedWidth, openedHeight);
        ExpectLaidOut(hWnd, opened, openedClient, "the same size again");

        // Larger sizes, odd sizes that exercise the truncating divisions, and the smallest one.
        const SIZE sizes[] = {{openedWidth + 1, openedHeight + 1}, {700, 500}, {1013, 731}, {641, 997}, {500, 300},
                              {openedWidth + 200, openedHeight}};
        for (const SIZE& size : sizes) {
            ResizeWindow(hWnd, size.cx, size.cy);
            ExpectLaidOut(hWnd, opened, openedClient, "resized");
        }

        // Every rectangle is recomputed from the captured ones, so nothing has drifted.
        ResizeWindow(hWnd, openedWidth, openedHeight);
        ExpectLaidOut(hWnd, opened, openedClient, "back at the opening size");
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(MainWindowLayout, MaximiseMinimiseAndRestoreLayOutFromTheCapturedRectangles)
{
    CMainDlgUnderTest dlg;
    dlg.m_onShown = [&](CMainDlgUnderTest& d) {
        const HWND hWnd = d.m_hWnd;
        const Rects opened = ReadRects(hWnd);
        const SIZE openedClient = ClientSize(hWnd);
        for (int round = 0; round < 2; ++round) {
            ::ShowWindow(hWnd, SW_MAXIMIZE);
            ASSERT_TRUE(::IsZoomed(hWnd));
            const SIZE maximised = ClientSize(hWnd);
            EXPECT_GT(maximised.cx, openedClient.cx);
            ExpectLaidOut(hWnd, opened, openedClient, "maximised");
            ::ShowWindow(hWnd, SW_RESTORE);
            EXPECT_EQ(openedClient.cx, ClientSize(hWnd).cx);
            EXPECT_EQ(openedClient.cy, ClientSize(hWnd).cy);
            ExpectLaidOut(hWnd, opened, openedClient, round == 0 ? "restored" : "restored again");
        }
        // Minimised, the client area shrinks to nothing and the controls follow it; restoring
        // puts them back exactly.
        ::ShowWindow(hWnd, SW_MINIMIZE);
        ASSERT_TRUE(::IsIconic(hWnd));
        ::ShowWindow(hWnd, SW_RESTORE);
        ExpectLaidOut(hWnd, opened, openedClient, "restored after minimise");
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

}  // namespace
