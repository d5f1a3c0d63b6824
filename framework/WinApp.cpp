#include "WinApp.h"

#include <string>

namespace {

CWinApp* theApplication = nullptr;

// The framework's help contexts of dialog templates start here.
constexpr DWORD kHelpDialogBase = 0x20000;

}  // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    theApplication = this;
}

CWinApp::~CWinApp()
{
    theApplication = nullptr;
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return ExitInstance();
}

bool CWinApp::OnCmdMsg(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

void CWinApp::OnHelp()
{
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string helpFile(path, length);
    helpFile = helpFile.substr(0, helpFile.find_last_of('.')) + ".hlp";
    if (!m_pMainWnd || ::GetFileAttributesA(helpFile.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    ::WinHelpA(m_pMainWnd->m_hWnd, helpFile.c_str(), HELP_CONTEXT, kHelpDialogBase + m_pMainWnd->m_nIDHelp);
}

CWinApp* AfxGetApp()
{
    return theApplication;
}

CWnd* AfxGetMainWnd()
{
    return theApplication ? theApplication->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

void AfxEnableControlContainer()
{
}
