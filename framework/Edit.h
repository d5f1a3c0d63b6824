#pragma once

#include "Wnd.h"

// An edit control.
class CEdit : public CWnd {
public:
    // Index of the first character of the given line; -1 is the line that holds the caret.
    int LineIndex(int line = -1) const { return static_cast<int>(SendMessage(EM_LINEINDEX, line, 0)); }
    int GetFirstVisibleLine() const { return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE)); }
    // The character nearest a client point in the low word, its line in the high word.
    int CharFromPos(POINT point) const { return static_cast<int>(SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y))); }
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, start, end); }
};
