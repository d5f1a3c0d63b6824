#pragma once

#include "CString.h"
#include "Wnd.h"

// One run of dialog data exchange: into the controls, or back into the members.
struct CDataExchange {
    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// The text of control id and value, in the direction of the exchange.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// Attaches control to control id, on every exchange: a dialog run again has new controls.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
