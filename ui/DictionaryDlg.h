#pragma once

#include "CString.h"
#include "Dialog.h"
#include "Edit.h"
#include "SearchRules.h"

// The main search window: a search box, a result box that shows a list of
// headwords or one entry, and the About and Exit buttons.
class CDictionaryDlg : public CDialog, public CSearchRules {
public:
    explicit CDictionaryDlg(CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The five operations the search rules need, bound to the two boxes.
    CString GetSearchText() const override;
    void SetSearchText(const CString& text) override;
    CString GetResultText() const override;
    void SetResultText(const CString& text) override;
    int GetResultCaretLineStart() const override;

    HICON m_hIcon;
    CString m_strSearch;
    CEdit m_editSearch;
    CEdit m_editResult;

private:
    void OnEnSetfocusResult();
    void PlaceResultCaretAtClick();
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    void OnDpiChanged(UINT dpi, LPARAM suggestedRect);
    void SetIconOfSize(int size, BOOL bigIcon);
    HCURSOR OnQueryDragIcon();
    void OnBnClickedAbout();
    void OnBnClickedExit();

    static const MessageEntry<CDictionaryDlg> messageMap[];
};
