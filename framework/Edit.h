#pragma once

#include "Wnd.h"

// An edit control.
class CEdit : public CWnd {
public:
    // Index of the first character of the given line; -1 is the line that holds the caret.
    int LineIndex(int line = -1) const { return static_cast<int>(SendMessage(EM_LINEINDEX, line, 0)); }
};
