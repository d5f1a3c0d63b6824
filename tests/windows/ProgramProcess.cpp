#include "ProgramProcess.h"

#include "WindowQueries.h"

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr int kStartAttempts = 3;
constexpr DWORD kStartRetryMs = 500;

}  // namespace

ProgramProcess::ProgramProcess(const std::string& path, const std::wstring& mainCaption) : m_mainCaption(mainCaption)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + path + "\"";
    // Wine has once failed to create the process in a run where every other
    // start succeeded. The program's own code never ran then, so a creation
    // that fails is tried again.
    for (int attempt = 0;; ++attempt) {
        if (::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &m_process))
            break;
        m_startError = ::GetLastError();
        if (attempt == kStartAttempts - 1)
            return;
        ::Sleep(kStartRetryMs);
    }
    m_startError = 0;
    WaitUntil([&] { return (m_mainWindow = FindMainWindow()) != nullptr; }, kStartTimeoutMs);
}

ProgramProcess::~ProgramProcess()
{
    if (!m_process.hProcess)
        return;
    if (!Exits(0)) {
        ::TerminateProcess(m_process.hProcess, 1);
        Exits();
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

HWND ProgramProcess::FindMainWindow() const
{
    for (HWND window : TopLevelWindowsOf(m_process.dwProcessId)) {
        if (::IsWindowVisible(window) && WindowText(window) == m_mainCaption)
            return window;
    }
    return nullptr;
}

bool ProgramProcess::Exits(DWORD timeoutMs) const
{
    return ::WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ProgramProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

bool ProgramProcess::Responds(DWORD timeoutMs) const
{
    DWORD_PTR reply = 0;
    return ::SendMessageTimeoutW(m_mainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &reply) != 0;
}
