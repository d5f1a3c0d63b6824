#include "DictionaryLookup.h"

#include "EntryScanner.h"

#include <cstring>

int CDictionaryLookup::PrefixListing(CString query, CString& result)
{
    m_bEntryShown = false;
    // No headword is longer than the token limit, so such a query matches nothing.
    if (query.GetLength() >= EntryScanner::kBufferSize)
        return 0;

    EntryScanner scanner(m_pszBook);
    ScannedEntry entry;
    int matches = 0;
    const char* lastMatch = nullptr;
    const int length = query.GetLength();
    while (scanner.Next(entry)) {
        // Most headwords differ in their first byte: test it before calling memcmp.
        if (entry.headwordLength < length || (length > 0 && entry.headword[0] != query.GetAt(0)) ||
            std::memcmp(entry.headword, query, static_cast<size_t>(length)) != 0)
            continue;
        result.Append(entry.headword, entry.headwordLength);
        result += "\r\n";
        ++matches;
        lastMatch = entry.marker;
    }
    if (matches == 1) {
        result = EntryScanner::EntryTextAt(lastMatch);
        m_bEntryShown = true;
    }
    return 0;
}

int CDictionaryLookup::ExactLookup(CString word, CString& result)
{
    m_bEntryShown = false;
    const int length = static_cast<int>(std::strlen(word));
    EntryScanner scanner(m_pszBook);
    ScannedEntry entry;
    while (scanner.Next(entry)) {
        if (entry.headwordLength == length && std::memcmp(entry.headword, word, static_cast<size_t>(length)) == 0) {
            result = EntryScanner::EntryTextAt(entry.marker);
            m_bEntryShown = true;
            break;
        }
    }
    return 0;
}
