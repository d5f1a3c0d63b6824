#include "InProcessDialog.h"

#include "Encoding.h"
#include "WindowQueries.h"

#include <vector>

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM found)
{
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadWindows(DWORD threadId)
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(threadId, &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

}  // namespace

InProcessDialog::InProcessDialog(std::function<void()> runModal, const char* caption)
    : m_thread([this, runModal] {
          m_threadId = ::GetCurrentThreadId();
          runModal();
          m_finished = true;
      })
{
    m_window = WaitForThreadWindow(caption);
}

InProcessDialog::~InProcessDialog()
{
    while (!m_finished) {
        std::vector<HWND> windows = ThreadWindows(m_threadId);
        for (HWND window : windows)
            ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        if (windows.empty())
            ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);  // ends a modal loop whose window never showed
        ::Sleep(50);
    }
    m_thread.join();
}

HWND InProcessDialog::WaitForThreadWindow(const char* caption) const
{
    std::wstring wanted = Utf8ToWide(caption);
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : ThreadWindows(m_threadId)) {
            if (::IsWindowVisible(window) && WindowText(window) == wanted)
                found = window;
        }
        return found != nullptr;
    });
    return found;
}
