#include "DataExchange.h"

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    CWnd control;
    control.Attach(pDX->m_pDlgWnd->GetDlgItem(id));
    if (pDX->m_bSaveAndValidate)
        control.GetWindowText(value);
    else
        control.SetWindowText(value);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    control.Attach(pDX->m_pDlgWnd->GetDlgItem(id));
}
