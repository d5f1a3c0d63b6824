#pragma once

// An exception must not unwind through the system's frames (a window procedure
// is called from user32, which the 32-bit unwinder cannot cross). The places
// where the system calls the program catch everything and end it here: one
// message box, then the process exits with kExceptionExitCode.
constexpr unsigned kExceptionExitCode = 4;

[[noreturn]] void EndProgramAfterException();

// Runs call and returns its result; an exception ends the program instead of leaving.
template <class Call>
auto CallWithoutEscape(Call call) -> decltype(call())
{
    try {
        return call();
    } catch (...) {
        EndProgramAfterException();
    }
}
