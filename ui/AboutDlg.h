#pragma once

#include "Dialog.h"

// The About window: what the program is, how to use it, and how to reach its makers.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
