// The program's entry point: hands control to the application object. Linked into Cordwain.exe only.
#include <windows.h>

#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* const app = AfxGetApp();
    return app != nullptr ? app->Run() : 1;
}
