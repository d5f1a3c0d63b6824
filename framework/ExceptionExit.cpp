#include "ExceptionExit.h"

#include <windows.h>

#include <new>

void EndProgramAfterException()
{
    const wchar_t* text;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        text = L"لا تكفي الذاكرة، وسيُغلق البرنامج.\nNot enough memory: the program has to close.";
    } catch (...) {
        text = L"حدث خطأ داخلي، وسيُغلق البرنامج.\nAn internal error occurred: the program has to close.";
    }
    ::MessageBoxW(nullptr, text, nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND | MB_RTLREADING);
    ::ExitProcess(kExceptionExitCode);
}
