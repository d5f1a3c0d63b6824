#pragma once

#include "CString.h"

#include <windows.h>

// String id of the program's string table, converted from UTF-16 to the
// current thread's ANSI code page; empty when there is no such string.
CString LoadResourceString(UINT id);
