#pragma once

#include "CString.h"
#include "DictionaryLookup.h"

// The two rules that tie the search box and the result box together. They
// reach the boxes only through the five operations below, which the main
// window binds to its controls and a text harness binds to plain strings.
class CSearchRules : public CDictionaryLookup {
public:
    using CDictionaryLookup::CDictionaryLookup;
    virtual ~CSearchRules() = default;

    // Change rule: refreshes the result box from the search box's text.
    void OnEnChangeSearch();
    // Pick rule: the headword on the caret's line becomes the search text and its entry is shown.
    void OnEnSetfocusResult();

protected:
    virtual CString GetSearchText() const = 0;
    // Must run the change rule to completion before it returns.
    virtual void SetSearchText(const CString& text) = 0;
    virtual CString GetResultText() const = 0;
    // Runs no rule.
    virtual void SetResultText(const CString& text) = 0;
    // Index of the first character of the result box's display line that holds the caret.
    virtual int GetResultCaretLineStart() const = 0;
};
