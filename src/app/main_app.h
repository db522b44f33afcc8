// CMainApp: the application object. Start-up splits the command line, queues the files its
// /a: switches name on the main window, and runs that window for the life of the program.
#pragma once

#include <windows.h>

#include "app/command_line_tokens.h"
#include "framework/win_app.h"

namespace cordwain {

class CMainDlg;

class CMainApp : public CWinApp {
public:
    CMainApp();
    ~CMainApp() override;

    // Runs the main window modally; the program ends when it closes, so this answers FALSE.
    BOOL InitInstance() override;

    // Queues every file the tokens name on a main window that has no window yet.
    void ApplyCommandLine(CMainDlg& mainDlg, const CCommandLineTokens& tokens) const;
};

}  // namespace cordwain
