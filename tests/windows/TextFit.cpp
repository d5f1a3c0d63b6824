#include "TextFit.h"

#include "WindowQueries.h"

#include <strings.h>

namespace {

// The DrawText flags a static control lays its text out with, or 0 for a
// static that shows no text (an icon, a frame).
UINT StaticTextFlags(DWORD style)
{
    UINT flags = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    switch (style & SS_TYPEMASK) {
    case SS_LEFT:
        return flags | DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
    case SS_CENTER:
        return flags | DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
    case SS_RIGHT:
        return flags | DT_RIGHT | DT_WORDBREAK | DT_EXPANDTABS;
    case SS_LEFTNOWORDWRAP:
        return flags | DT_LEFT | DT_SINGLELINE | DT_EXPANDTABS;
    default:
        return 0;
    }
}

std::wstring TextOf(HWND control)
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The room a control leaves its text: the client area, less a push button's frame.
RECT TextRoom(HWND control, bool button)
{
    RECT room;
    ::GetClientRect(control, &room);
    if (button)
        ::InflateRect(&room, -2 * ::GetSystemMetrics(SM_CXEDGE), -2 * ::GetSystemMetrics(SM_CYEDGE));
    return room;
}

}  // namespace

std::vector<TextOverflow> TextsThatOverflow(HWND dialog)
{
    std::vector<TextOverflow> overflows;
    int position = 0;
    for (HWND control : ChildWindows(dialog)) {
        ++position;
        if (!::IsWindowVisible(control))
            continue;
        DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(control, GWL_STYLE));
        bool button = strcasecmp(ClassNameOf(control).c_str(), "Button") == 0;
        UINT flags = button ? DT_CENTER | DT_SINGLELINE | DT_VCENTER : StaticTextFlags(style);
        if (!button && strcasecmp(ClassNameOf(control).c_str(), "Static") != 0)
            continue;
        if (flags == 0)
            continue;
        if (::GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_RTLREADING)
            flags |= DT_RTLREADING;

        std::wstring text = TextOf(control);
        RECT room = TextRoom(control, button);
        RECT needed = room;
        HDC dc = ::GetDC(control);
        HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, flags | DT_CALCRECT);
        ::SelectObject(dc, previous);
        ::ReleaseDC(control, dc);

        int extraWidth = (needed.right - needed.left) - (room.right - room.left);
        int extraHeight = (needed.bottom - needed.top) - (room.bottom - room.top);
        if (extraWidth > 0 || extraHeight > 0)
            overflows.push_back({position, text, extraWidth > 0 ? extraWidth : 0, extraHeight > 0 ? extraHeight : 0});
    }
    return overflows;
}
