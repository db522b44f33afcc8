// The application object's registration and run.
#include "framework/win_app.h"

#include <commctrl.h>

namespace {

CWinApp* g_application = nullptr;

}  // namespace

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run(HINSTANCE instance)
{
    m_hInstance = instance;
    // The progress bar and the drag list live in the common controls.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    InitInstance();
    return 0;
}

CWinApp* AfxGetApp() { return g_application; }

CWnd* AfxGetMainWnd() { return g_application != nullptr ? g_application->m_pMainWnd : nullptr; }
