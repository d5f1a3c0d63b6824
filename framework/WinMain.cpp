#include "ExceptionExit.h"
#include "WinApp.h"

// The framework's entry point: the application object, constructed by static
// initialisation, runs the program.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->m_hInstance = instance;
    return CallWithoutEscape([app] { return app->InitInstance() ? app->Run() : app->ExitInstance(); });
}
