#pragma once

#include "DataExchange.h"
#include "Font.h"
#include "MessageMap.h"
#include "Wnd.h"

// A modal dialog box run by the system's dialog manager from a template of the program's resources.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT idTemplate, CWnd* parent = nullptr) : m_nIDTemplate(idTemplate), m_pParentWnd(parent) { m_nIDHelp = idTemplate; }

    // Creates the dialog, runs it until EndDialog, destroys it; returns EndDialog's result (-1 when it could not be created).
    INT_PTR DoModal();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }
    // Runs the data exchange: from the controls into the members when save is true, else the other way.
    BOOL UpdateData(BOOL save = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    void OnDpiChanged(UINT dpi, LPARAM suggestedRect);
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog();
    void ApplyTemplatePlacement();
    void ScaleControls(int numerator, int denominator);
    BOOL OnHelpInfo();

    CFont m_scaledFont;  // the dialog's font at the scale of its monitor, once the program has made one

    static const MessageEntry<CDialog> messageMap[];
};
