#pragma once

#include <windows.h>

// What a dialog template says about the dialog window itself.
struct DialogTemplateHeader {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
};

// Reads the header of dialog template id from the module's resources (both
// the classic and the extended template); false when there is no such template.
bool ReadDialogTemplateHeader(HINSTANCE module, UINT id, DialogTemplateHeader& header);
