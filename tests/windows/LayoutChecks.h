#pragma once

#include "DialogLayouts.h"

#include <windows.h>

// Checks a live dialog's caption and controls, in z-order, against a layout:
// ids, window classes, texts (in UTF-16, as the templates hold them) and styles. Works across processes.
void ExpectControlsAsLaidOut(HWND dialog, const DialogLayout& layout);
