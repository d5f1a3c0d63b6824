#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Polls condition every intervalMs until it holds or timeoutMs has passed; true when it held.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 10000, DWORD intervalMs = 10)
{
    DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(intervalMs);
    }
    return true;
}

// What WindowText gives for a window whose thread does not answer.
constexpr wchar_t kNoAnswer[] = L"<no answer>";

// The window's text in UTF-16, as a Unicode window holds it, read with
// WM_GETTEXT, which works across processes; kNoAnswer when the window's thread
// does not answer in 5 s.
std::wstring WindowText(HWND window);

// Top-level windows of a process, visible or not.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// Visible top-level windows of every process.
std::vector<HWND> VisibleTopLevelWindows();
// The visible dialog box of a process that is owned by owner, or null.
HWND OwnedDialogOf(DWORD processId, HWND owner);
// Direct children in z-order, which for a dialog is its template's order.
std::vector<HWND> ChildWindows(HWND parent);
std::string ClassNameOf(HWND window);

// The window of the window's thread that holds the keyboard focus.
HWND FocusOfThreadOf(HWND window);
