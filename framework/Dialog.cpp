#include "Dialog.h"

#include "DialogTemplate.h"
#include "ExceptionExit.h"
#include "WinApp.h"

const MessageEntry<CDialog> CDialog::messageMap[] = {
    OnCommand<CDialog, &CDialog::OnOK>(BN_CLICKED, IDOK),
    OnCommand<CDialog, &CDialog::OnCancel>(BN_CLICKED, IDCANCEL),
    OnMessage<CDialog, &CDialog::OnHelpInfo>(WM_HELP),
    OnMessage<CDialog, &CDialog::OnDpiChanged>(WM_DPICHANGED),
};

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return DispatchMessageMap(*this, messageMap, message, wParam, lParam, result) ||
           CWnd::OnWndMsg(message, wParam, lParam, result);
}

INT_PTR CDialog::DoModal()
{
    // Without a parent of its own, a dialog is owned by the application's main window, once that exists.
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND hOwner = owner && owner != this ? owner->m_hWnd : nullptr;
    return ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), hOwner,
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

// The dialog manager's procedure: it only hands the new window to its object,
// whose own window procedure takes every message from then on.
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassWindow(hWnd);
    return CallWithoutEscape([dialog] { return dialog->HandleInitDialog(); });
}

BOOL CDialog::HandleInitDialog()
{
    BOOL result = OnInitDialog();
    ApplyTemplatePlacement();
    return result;
}

// A template placed at 0, 0 asks for no position of its own: centre the dialog.
// A system-modal template asks to be above every window that is not topmost.
void CDialog::ApplyTemplatePlacement()
{
    DialogTemplateHeader header;
    if (!ReadDialogTemplateHeader(AfxGetResourceHandle(), m_nIDTemplate, header))
        return;
    if (header.style & DS_SYSMODAL)
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (header.x == 0 && header.y == 0 && !(header.style & (DS_CENTER | DS_CENTERMOUSE)))
        CenterWindow();
}

BOOL CDialog::UpdateData(BOOL save)
{
    CDataExchange dx = {this, save != FALSE};
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

// Moved to a monitor of another scale. The dialog manager of a per-monitor v2
// window lays the controls out anew and makes their fonts; an earlier one does
// not. Either way the window takes the rectangle the system suggests.
void CDialog::OnDpiChanged(UINT, LPARAM suggestedRect)
{
    Default();
    const RECT& rect = *reinterpret_cast<const RECT*>(suggestedRect);
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// F1 becomes the Help command, routed like any other command.
BOOL CDialog::OnHelpInfo()
{
    SendMessage(WM_COMMAND, ID_HELP);
    return TRUE;
}
