#pragma once

#include "CString.h"

#include <windows.h>

// String id of the program's string table, converted from UTF-16 to the
// system's ANSI code page, the one the ANSI calls (AppendMenuA, SetWindowTextA)
// read it in, whatever the thread's locale; empty when there is no such string.
CString LoadResourceString(UINT id);
