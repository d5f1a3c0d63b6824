#pragma once

#include "ProgramProcess.h"

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>

// A wrong answer, a program that stops answering, or one that cannot be started.
struct LatencyError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One running program whose search box takes real keys, and the time each
// keystroke takes until the change rule has finished.
class KeystrokeClock {
public:
    // Starts the program and gives its search box the keyboard focus.
    explicit KeystrokeClock(const std::string& programPath);

    // Types one Windows-1256 byte at the end of the search text. Returns the
    // milliseconds from sending the key until the search box holds
    // expectedSearch and the result box expectedResult.
    double Type(char letter, const std::string& expectedSearch, const std::string& expectedResult);

    // Empties the search box (not timed) and waits until the result box is empty too.
    void Clear();

private:
    void WaitForBoxes(const std::string& search, const std::string& result) const;

    std::unique_ptr<ProgramProcess> m_program;
    HWND m_search = nullptr;
    HWND m_result = nullptr;
};
