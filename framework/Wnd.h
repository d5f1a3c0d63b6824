#pragma once

#include "CString.h"
#include "Menu.h"
#include "WideText.h"

#include <windows.h>

// A window object over an HWND. Messages reach OnWndMsg, which each class
// extends with its own message map; what no map handles gets the default processing.
// Every window of ours is a Unicode window: its texts are converted at this
// edge with the program's code page (WideText.h), never the system's.
class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // An object that dies before its window unsubclasses it.
    virtual ~CWnd() { UnsubclassWindow(); }

    HWND m_hWnd = nullptr;
    UINT m_nIDHelp = 0;  // help context of the window's template

    void Attach(HWND hWnd) { m_hWnd = hWnd; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::SendMessageW(m_hWnd, message, wParam, lParam); }
    void GetWindowText(CString& text) const;
    void SetWindowText(const char* text) { ::SetWindowTextW(m_hWnd, ToWideText(text).c_str()); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void ScreenToClient(POINT* point) const { ::ScreenToClient(m_hWnd, point); }
    CMenu GetSystemMenu(BOOL revert) const { return CMenu(::GetSystemMenu(m_hWnd, revert)); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void SetFont(HFONT font, BOOL redraw = TRUE) { SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }
    HICON SetIcon(HICON icon, BOOL bigIcon) { return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bigIcon, reinterpret_cast<LPARAM>(icon))); }
    void CenterWindow();

    // Window procedure of every window that a CWnd has subclassed. A window whose
    // object is gone gets its original procedure.
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void SubclassWindow(HWND hWnd);
    void UnsubclassWindow();
    // The message map of CWnd routes unhandled commands to the application object.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Hands the message being handled to the window's original procedure.
    LRESULT Default() { return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam); }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) { return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam); }

private:
    void OnNcDestroy();

    WNDPROC m_pfnSuper = nullptr;
    MSG m_currentMsg = {};
};
