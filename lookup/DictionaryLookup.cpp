#include "DictionaryLookup.h"

#include "EntryScanner.h"

#include <cstring>
#include <string>

namespace {

// Whether the entry's headword begins with the length bytes of prefix. Most
// headwords differ in their first byte, so that one is tested first.
bool BeginsWith(const ScannedEntry& entry, const char* prefix, int length)
{
    if (entry.headwordLength < length || (length > 0 && entry.headword[0] != prefix[0]))
        return false;
    for (int i = 1; i < length; ++i) {
        if (entry.headword[i] != prefix[i])
            return false;
    }
    return true;
}

}  // namespace

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
    // The list grows in a plain string, whose appends of one byte cost no
    // call, and goes into the result once.
    std::string list;
    const char* prefix = query;
    const int length = query.GetLength();
    while (scanner.Next(entry)) {
        if (!BeginsWith(entry, prefix, length))
            continue;
        list.append(entry.headword, static_cast<std::size_t>(entry.headwordLength));
        list += '\r';
        list += '\n';
        ++matches;
        lastMatch = entry.marker;
    }
    if (matches == 1) {
        result = EntryScanner::EntryTextAt(lastMatch);
        m_bEntryShown = true;
    } else {
        result.Append(list.data(), static_cast<int>(list.size()));
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
        if (entry.headwordLength == length && BeginsWith(entry, word, length)) {
            result = EntryScanner::EntryTextAt(entry.marker);
            m_bEntryShown = true;
            break;
        }
    }
    return 0;
}
