// CWinApp: the one application object. The entry point finds it, runs InitInstance once and exits.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    // Registers this object as the application; there is exactly one in the program.
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // The program's work; the program ends when it returns (whatever it returns: the main
    // window runs as a modal dialog inside it).
    virtual BOOL InitInstance() = 0;

    // What the entry point does: prepares the common controls, runs InitInstance, answers the exit code.
    int Run();

    CWnd* m_pMainWnd = nullptr;  // the main window; owner of dialogs run without a parent
};

CWinApp* AfxGetApp();
// The application's main window, or nullptr when there is no application or none is set.
CWnd* AfxGetMainWnd();
