#include "Wnd.h"

#include "ExceptionExit.h"
#include "WinApp.h"

#include <algorithm>

namespace {

// A subclassed window carries its object and the procedure it had before.
const char kWndProperty[] = "Kalimor.CWnd";
const char kSuperProperty[] = "Kalimor.Super";

CWnd* FromHandlePermanent(HWND hWnd)
{
    return static_cast<CWnd*>(::GetPropA(hWnd, kWndProperty));
}

WNDPROC SuperProcedureOf(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetPropA(hWnd, kSuperProperty));
}

}  // namespace

void CWnd::GetWindowText(CString& text) const
{
    std::wstring wide(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    int length = ::GetWindowTextW(m_hWnd, wide.data(), static_cast<int>(wide.size()));
    text = FromWideText(wide.c_str(), length);
}

// Centres the window over its owner, or over the work area of its monitor without one.
void CWnd::CenterWindow()
{
    RECT window;
    ::GetWindowRect(m_hWnd, &window);

    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT area = monitor.rcWork;
    RECT center = area;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &center);

    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int x = (center.left + center.right - width) / 2;
    int y = (center.top + center.bottom - height) / 2;
    // Keep the whole window on the work area.
    x = std::max(static_cast<int>(area.left), std::min(x, static_cast<int>(area.right) - width));
    y = std::max(static_cast<int>(area.top), std::min(y, static_cast<int>(area.bottom) - height));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::SubclassWindow(HWND hWnd)
{
    m_hWnd = hWnd;
    m_pfnSuper = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    ::SetPropA(hWnd, kSuperProperty, reinterpret_cast<HANDLE>(m_pfnSuper));
    ::SetPropA(hWnd, kWndProperty, this);
    ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProc));
}

// When a procedure has subclassed the window since, ours stays in its chain,
// finds no object and hands every message on.
void CWnd::UnsubclassWindow()
{
    if (!m_pfnSuper)
        return;
    ::RemovePropA(m_hWnd, kWndProperty);
    if (::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::WindowProc)) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        ::RemovePropA(m_hWnd, kSuperProperty);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

LRESULT CALLBACK CWnd::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd) {
        WNDPROC super = SuperProcedureOf(hWnd);
        if (message == WM_NCDESTROY)
            ::RemovePropA(hWnd, kSuperProperty);
        return super ? ::CallWindowProcW(super, hWnd, message, wParam, lParam)
                     : ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    return CallWithoutEscape([&] {
        // Handlers nest (a handler may send messages), so the current message is saved around each one.
        MSG outer = wnd->m_currentMsg;
        wnd->m_currentMsg = {hWnd, message, wParam, lParam, 0, {}};
        LRESULT result = 0;
        if (!wnd->OnWndMsg(message, wParam, lParam, result))
            result = wnd->DefWindowProc(message, wParam, lParam);
        wnd->m_currentMsg = outer;
        if (message == WM_NCDESTROY)
            wnd->OnNcDestroy();
        return result;
    });
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    return message == WM_COMMAND && AfxGetApp() && AfxGetApp()->OnCmdMsg(message, wParam, lParam, result);
}

// The window is gone: forget the handle, and when it was the main window, ask the application to quit.
void CWnd::OnNcDestroy()
{
    ::RemovePropA(m_hWnd, kWndProperty);
    ::RemovePropA(m_hWnd, kSuperProperty);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}
