#pragma once

#include "BookStore.h"
#include "CString.h"

// The two lookups of the main window, and the one flag they share with it.
// They use nothing else of the window, so they live here, walk any
// NUL-terminated book, and are exercised without a window.
class CDictionaryLookup {
public:
    explicit CDictionaryLookup(const char* book = BookStore::GetStart()) : m_pszBook(book) {}

    // Lists every headword that begins with query, each followed by "\r\n", in
    // book order; when exactly one entry matches, gives that entry's text instead.
    int PrefixListing(CString query, CString& result);

    // Gives the text of the first entry whose headword equals word, or leaves result as it is.
    int ExactLookup(CString word, CString& result);

    // True when the last lookup put one entry's text into its result.
    bool m_bEntryShown = false;

private:
    const char* m_pszBook;
};
