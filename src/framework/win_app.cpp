// The application object's registration and run.
#include "framework/win_app.h"

#include <commctrl.h>

#include "framework/exception_barrier.h"

namespace {

CWinApp* g_application = nullptr;

}  // namespace

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

int CWinApp::Run()
{
    // The progress bar and the drag list live in the common controls.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    return CallGuarded(nullptr, 1, [this] {
        InitInstance();
        return 0;
    });
}

CWinApp* AfxGetApp() { return g_application; }

CWnd* AfxGetMainWnd() { return g_application != nullptr ? g_application->m_pMainWnd : nullptr; }
