#pragma once

#include "MessageMap.h"
#include "Wnd.h"

#include <windows.h>

// The framework's Help command, which F1 sends.
constexpr UINT ID_HELP = 0xE146;

// The application object: exactly one, a global of the program. The entry
// point calls InitInstance; when that returns false, no message loop runs.
class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // The message loop, for an application whose InitInstance returns true.
    int Run();
    // Last stop of a command that no window handled.
    virtual bool OnCmdMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Asks the help engine for the main window's help context, when a help file lies beside the program.
    void OnHelp();

    const char* m_pszAppName;
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();
// Our dialogs hold only the system's own controls; there is no container of other controls to enable.
void AfxEnableControlContainer();
