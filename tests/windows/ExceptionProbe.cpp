// A program on the framework whose window runs out of memory on request
// (WM_APP) or meets another exception (WM_APP + 1): what the framework does
// then is seen from outside, by FrameworkTest.
#include "Dialog.h"
#include "WinApp.h"
#include "resource.h"

#include <new>
#include <stdexcept>

namespace {

class CFailingDlg : public CDialog {
public:
    CFailingDlg() : CDialog(IDD_ABOUTBOX) {}

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnRunOutOfMemory() { throw std::bad_alloc(); }
    void OnFail() { throw std::runtime_error("failed"); }

    static const MessageEntry<CFailingDlg> messageMap[];
};

const MessageEntry<CFailingDlg> CFailingDlg::messageMap[] = {
    OnMessage<CFailingDlg, &CFailingDlg::OnRunOutOfMemory>(WM_APP),
    OnMessage<CFailingDlg, &CFailingDlg::OnFail>(WM_APP + 1),
};

bool CFailingDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return DispatchMessageMap(*this, messageMap, message, wParam, lParam, result) ||
           CDialog::OnWndMsg(message, wParam, lParam, result);
}

class CProbeApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        CFailingDlg dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        return FALSE;
    }
};

CProbeApp theApp;

}  // namespace
