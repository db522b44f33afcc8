// The one application object and the program's start-up. Linked into Cordwain.exe only.
#include "app/main_app.h"

#include "ui/main_dlg.h"

namespace cordwain {
namespace {

// Registers itself as the application during static initialisation; the entry point runs it.
CMainApp theApp;

}  // namespace

CMainApp::CMainApp() = default;

CMainApp::~CMainApp() = default;

void CMainApp::ApplyCommandLine(CMainDlg& mainDlg, const CCommandLineTokens& tokens) const
{
    for (std::string& path : PendingFilesFromTokens(tokens))
        mainDlg.AddPendingFile(std::move(path));
}

BOOL CMainApp::InitInstance()
{
    CCommandLineTokens tokens;
    tokens.Parse(::GetCommandLineA());
    {
        CMainDlg mainDlg;
        ApplyCommandLine(mainDlg, tokens);
        m_pMainWnd = &mainDlg;
        mainDlg.DoModal();
        // The object goes with this scope; nothing may reach it through the application afterwards.
        m_pMainWnd = nullptr;
    }
    return FALSE;
}

}  // namespace cordwain
