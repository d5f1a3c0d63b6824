#include "SearchRules.h"

void CSearchRules::OnEnChangeSearch()
{
    CString search = GetSearchText();
    if (search.IsEmpty() || search == "*") {
        SetResultText(CString());
        return;
    }
    CString result;
    PrefixListing(search, result);
    SetResultText(result);
}

void CSearchRules::OnEnSetfocusResult()
{
    if (m_bEntryShown)
        return;
    int start = GetResultCaretLineStart();
    CString text = GetResultText();
    if (text.IsEmpty())
        return;

    int cr = text.Find('\r', start);
    CString word = cr < 0 ? text.Mid(start) : text.Mid(start, cr - start);

    SetSearchText(word);
    CString result;
    ExactLookup(word, result);
    SetResultText(result);
}
