#pragma once

#include "CString.h"

#include <windows.h>

// String id of the program's string table, converted from UTF-16 to the
// program's code page, like every text of the program; empty when there is no such string.
CString LoadResourceString(UINT id);
