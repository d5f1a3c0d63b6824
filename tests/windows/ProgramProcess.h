#pragma once

#include <windows.h>

#include <string>

// The real program, started in a process of its own and ended, if it still
// runs, when this object goes.
class ProgramProcess {
public:
    // mainCaption names the window to wait for.
    explicit ProgramProcess(const std::string& path, const std::wstring& mainCaption = L"Kalimor");
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // The main window; null when the program did not show it in time.
    HWND MainWindow() const { return m_mainWindow; }
    // The last error of CreateProcess when the process could not be started, else 0.
    DWORD StartError() const { return m_startError; }
    DWORD Id() const { return m_process.dwProcessId; }
    HANDLE Handle() const { return m_process.hProcess; }

    // Waits up to timeoutMs for the process to end; true when it has.
    bool Exits(DWORD timeoutMs = 10000) const;
    // True when the main window's thread answers a sent message within timeoutMs.
    bool Responds(DWORD timeoutMs = 5000) const;
    // The process's exit code once it has ended.
    DWORD ExitCode() const;

private:
    HWND FindMainWindow() const;

    std::wstring m_mainCaption;
    PROCESS_INFORMATION m_process = {};
    HWND m_mainWindow = nullptr;
    DWORD m_startError = 0;
};
