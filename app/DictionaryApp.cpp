#include "DictionaryApp.h"

#include "DictionaryDlg.h"

#include <commctrl.h>

CDictionaryApp theApp;

const MessageEntry<CDictionaryApp> CDictionaryApp::messageMap[] = {
    OnCommand<CDictionaryApp, &CWinApp::OnHelp>(0, ID_HELP),
};

bool CDictionaryApp::OnCmdMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return DispatchMessageMap(*this, messageMap, message, wParam, lParam, result) ||
           CWinApp::OnCmdMsg(message, wParam, lParam, result);
}

BOOL CDictionaryApp::InitInstance()
{
    ::InitCommonControls();
    CWinApp::InitInstance();
    AfxEnableControlContainer();

    CDictionaryDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The window has closed: no message loop of our own, the program ends.
    return FALSE;
}
