#include "WindowQueries.h"

#include <functional>

namespace {

constexpr UINT kReplyTimeoutMs = 5000;

BOOL CALLBACK VisitWindow(HWND window, LPARAM visitor)
{
    (*reinterpret_cast<const std::function<void(HWND)>*>(visitor))(window);
    return TRUE;
}

void ForEachTopLevelWindow(const std::function<void(HWND)>& visit)
{
    ::EnumWindows(&VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

}  // namespace

std::wstring WindowText(HWND window)
{
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &length))
        return kNoAnswer;
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, kReplyTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId)
{
    std::vector<HWND> windows;
    ForEachTopLevelWindow([&](HWND window) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            windows.push_back(window);
    });
    return windows;
}

std::vector<HWND> VisibleTopLevelWindows()
{
    std::vector<HWND> windows;
    ForEachTopLevelWindow([&](HWND window) {
        if (::IsWindowVisible(window))
            windows.push_back(window);
    });
    return windows;
}

HWND OwnedDialogOf(DWORD processId, HWND owner)
{
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (::IsWindowVisible(window) && ::GetWindow(window, GW_OWNER) == owner && ClassNameOf(window) == "#32770")
            return window;
    }
    return nullptr;
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string ClassNameOf(HWND window)
{
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

HWND FocusOfThreadOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}
