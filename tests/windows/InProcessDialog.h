#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// A dialog run by its own DoModal on a thread of the test process, as the
// program runs its main window, so that what works only inside the window's
// process (MapDialogRect, GetSystemMenu, WM_GETICON) can be asked of it.
class InProcessDialog {
public:
    // runModal constructs the dialog object and runs it; caption (UTF-8) finds its window.
    InProcessDialog(std::function<void()> runModal, const char* caption);
    // Ends whatever dialog the thread runs (IDCANCEL), a later run's too, and waits for the thread.
    ~InProcessDialog();
    InProcessDialog(const InProcessDialog&) = delete;
    InProcessDialog& operator=(const InProcessDialog&) = delete;

    // Null when the window did not show in time.
    HWND Window() const { return m_window; }
    // A visible window of the dialog's thread with this caption (UTF-8), waited for; null when none shows.
    HWND WaitForThreadWindow(const char* caption) const;

private:
    std::atomic<DWORD> m_threadId{0};
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
    HWND m_window = nullptr;
};
