#pragma once

#include "SearchRules.h"

#include <algorithm>

// The search rules over two plain strings and a caret, in place of the
// window's two edit controls. Setting the search text runs the change rule
// before it returns, as the search box's change notification does; setting
// the result text runs nothing.
class CTextSearchHarness : public CSearchRules {
public:
    using CSearchRules::CSearchRules;

    // Typing, deleting or pasting: the search box ends up holding text.
    void Type(const CString& text) { SetSearchText(text); }

    // A click that gives the result box the focus: the caret is placed first.
    void ClickResult(int caret)
    {
        m_caret = caret;
        OnEnSetfocusResult();
    }

    const CString& SearchText() const { return m_search; }
    const CString& ResultText() const { return m_result; }

protected:
    CString GetSearchText() const override { return m_search; }

    void SetSearchText(const CString& text) override
    {
        m_search = text;
        OnEnChangeSearch();
    }

    CString GetResultText() const override { return m_result; }

    void SetResultText(const CString& text) override { m_result = text; }

    // Lines of the result end with "\r\n"; an edit control keeps the caret within its text.
    int GetResultCaretLineStart() const override
    {
        int lineStart = std::clamp(m_caret, 0, m_result.GetLength());
        while (lineStart > 0 && m_result.GetAt(lineStart - 1) != '\n')
            --lineStart;
        return lineStart;
    }

private:
    CString m_search;
    CString m_result;
    int m_caret = 0;
};
