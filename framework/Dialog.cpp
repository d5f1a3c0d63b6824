#include "Dialog.h"

#include "DialogTemplate.h"
#include "ExceptionExit.h"
#include "WinApp.h"

#include <utility>

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
// window lays the controls out anew and gives them a font of the new size; an
// earlier one, which leaves the font as it was, leaves both to the program.
// Either way the window takes the rectangle the system suggests, whose width
// to the present one is the new scale to the old.
void CDialog::OnDpiChanged(UINT, LPARAM suggestedRect)
{
    const RECT& suggested = *reinterpret_cast<const RECT*>(suggestedRect);
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    HFONT font = GetFont();
    Default();
    if (GetFont() == font)
        ScaleControls(suggested.right - suggested.left, window.right - window.left);
    ::SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every control's place and size, and the font of the dialog and its
// controls, times numerator / denominator.
void CDialog::ScaleControls(int numerator, int denominator)
{
    const auto scale = [=](LONG value) { return ::MulDiv(value, numerator, denominator); };
    // The font made here last, since a dialog need not keep what WM_SETFONT gives it (Wine's does not).
    // The font made before goes with `previous`, once no window uses it.
    CFont previous;
    LOGFONTW logFont;
    HFONT font = m_scaledFont.m_hObject ? m_scaledFont.m_hObject : GetFont();
    if (font && ::GetObjectW(font, sizeof(logFont), &logFont)) {
        logFont.lfHeight = scale(logFont.lfHeight);
        if (previous.CreateFontIndirect(&logFont)) {
            std::swap(m_scaledFont.m_hObject, previous.m_hObject);
            SetFont(m_scaledFont.m_hObject, FALSE);
        }
    }
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (m_scaledFont.m_hObject)
            ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_scaledFont.m_hObject), FALSE);
        RECT rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        ::MoveWindow(child, scale(rect.left), scale(rect.top), scale(rect.right - rect.left), scale(rect.bottom - rect.top),
                     TRUE);
    }
}

// F1 becomes the Help command, routed like any other command.
BOOL CDialog::OnHelpInfo()
{
    SendMessage(WM_COMMAND, ID_HELP);
    return TRUE;
}
