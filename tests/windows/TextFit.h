#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A static text or button caption that does not fit its control when drawn in
// the control's own font.
struct TextOverflow {
    int position;     // 1-based, in the dialog's z-order
    std::wstring text;
    int extraWidth;   // pixels beyond the control's width
    int extraHeight;  // pixels beyond its height: lines it does not have
};

// Measures every visible static text and button caption of a dialog of the
// calling thread's process with DrawText and DT_CALCRECT, with the flags the
// control draws with. Only works inside the dialog's process.
std::vector<TextOverflow> TextsThatOverflow(HWND dialog);
