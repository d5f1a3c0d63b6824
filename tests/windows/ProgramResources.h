#pragma once

#include <windows.h>

#include <map>

// What a running program holds of the window system. Wine answers
// GetGuiResources and GetProcessHandleCount with 0, so these count for themselves.

// The process's windows: its top-level windows and all their descendants.
int CountWindows(DWORD processId);

// Live entries of the process's GDI handle table (which its PEB points to, as
// on Windows), stock objects included, by object type; empty when the table
// cannot be read.
std::map<int, int> CountGdiObjectsByType(HANDLE process);
