// place_window: finds a top-level window by its caption and sizes, maximises or minimises it,
// so scripts/screenshot can show the program at the sizes a user would; or closes it, so
// scripts/check-packages can start a packaged program and end it as a user would; or presses one
// of its buttons, so scripts/screenshot can show the boxes a join brings up.
//   place_window "Cordwain" 800 600   (or max, min, show: only wait until it is there, close,
//                                      or press ID)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND WaitForWindow(const char* caption)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (HWND window = ::FindWindowA(nullptr, caption))
            return window;
        ::Sleep(100);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: place_window CAPTION (WIDTH HEIGHT | max | min | show | close | press ID)\n");
        return 2;
    }
    HWND window = WaitForWindow(argv[1]);
    if (window == nullptr) {
        std::fprintf(stderr, "place_window: no window called \"%s\"\n", argv[1]);
        return 1;
    }
    if (std::strcmp(argv[2], "close") == 0) {
        ::PostMessageA(window, WM_CLOSE, 0, 0);
        for (int attempt = 0; attempt < 50 && ::IsWindow(window); ++attempt)
            ::Sleep(100);
        if (::IsWindow(window)) {
            std::fprintf(stderr, "place_window: \"%s\" is still open\n", argv[1]);
            return 1;
        }
        return 0;
    }
    if (std::strcmp(argv[2], "press") == 0 && argc >= 4) {
        ::Sleep(500);  // a dialog that has just come up takes its first clicks once it has settled
        ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(std::atoi(argv[3]), BN_CLICKED), 0);
        return 0;
    }
    if (std::strcmp(argv[2], "show") == 0) {
        // already there: nothing to change
    } else if (std::strcmp(argv[2], "max") == 0) {
        ::ShowWindow(window, SW_MAXIMIZE);
    } else if (std::strcmp(argv[2], "min") == 0) {
        ::ShowWindow(window, SW_MINIMIZE);
    } else if (argc >= 4) {
        ::ShowWindow(window, SW_RESTORE);
        ::SetWindowPos(window, nullptr, 40, 40, std::atoi(argv[2]), std::atoi(argv[3]), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::Sleep(300);
    return 0;
}
