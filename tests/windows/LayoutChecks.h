#pragma once

#include "DialogLayouts.h"

#include <windows.h>

// Checks a live dialog's caption and controls, in z-order, against a layout:
// ids, window classes, texts (as Windows-1256 bytes) and styles. Works across processes.
void ExpectControlsAsLaidOut(HWND dialog, const DialogLayout& layout);
