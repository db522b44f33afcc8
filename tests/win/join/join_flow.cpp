// Join steps for the tests.
#include "join_flow.h"

#include <gtest/gtest.h>

#include "join_session.h"
#include "res/resource.h"
#include "support/window_input.h"

namespace jointest {

HWND StartJoin(HWND mainWindow, const std::string& output, bool confirmOverwrite)
{
    PressJoin(mainWindow);
    const HWND saveAs = WaitForDialog("Save As");
    if (saveAs == nullptr) {
        ADD_FAILURE() << "no Save As dialog";
        return nullptr;
    }
    AnswerSaveAs(saveAs, output);
    if (confirmOverwrite && !ConfirmOverwrite()) {
        ADD_FAILURE() << "no overwrite question";
        return nullptr;
    }
    return WaitForDialog("Joining Files...");
}

ProgressSeen WatchProgress(HWND progress, DWORD timeoutMs)
{
    ProgressSeen seen;
    seen.firstFileText = ControlText(progress, IDC_CURRENT_FILE);
    seen.ended = WaitUntil(
        [&] {
            if (!::IsWindow(progress))
                return true;
            if (!::IsWindowVisible(progress))
                seen.hiddenBeforeEnd = true;
            return false;
        },
        timeoutMs);
    return seen;
}

bool AcceptSuccess(DWORD timeoutMs)
{
    const HWND success = WaitForDialog("It Worked!", timeoutMs);
    if (success == nullptr)
        return false;
    const bool goAway = ControlText(success, IDOK) == "&Go Away";
    wintest::ClickButton(success, IDOK);
    return goAway;
}

}  // namespace jointest
