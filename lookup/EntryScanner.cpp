#include "EntryScanner.h"

#include <cstring>

namespace {

const char kChapterMarker[] = "*1";

// The first "@ " at or after from. Searching for the rare "@" alone and then
// checking the byte after it is several times faster than a two-byte strstr.
const char* FindEntryMarker(const char* from)
{
    for (const char* at = std::strchr(from, '@'); at; at = std::strchr(at + 1, '@'))
        if (at[1] == ' ')
            return at;
    return nullptr;
}

}  // namespace

EntryScanner::EntryScanner(const char* text)
    : m_marker(FindEntryMarker(text)), m_headword(new char[kBufferSize])
{
}

bool EntryScanner::Next(ScannedEntry& entry)
{
    if (m_resumeFrom) {
        m_marker = m_entryMarkersLeft ? FindEntryMarker(m_resumeFrom) : nullptr;
        if (!m_marker) {
            // Remembered, so that each "*1" visited from now on does not search the rest of the text again.
            m_entryMarkersLeft = false;
            m_marker = std::strstr(m_resumeFrom, kChapterMarker);
        }
        m_resumeFrom = nullptr;
    }
    if (!m_marker)
        return false;

    const char* token = m_marker + 2;
    // Tokens are a few bytes long: byte loops find their end and copy them
    // sooner than library calls do.
    const char* tokenEnd = token;
    while (*tokenEnd != ' ' && *tokenEnd != '\0')
        ++tokenEnd;
    // A token that no space ends, or one over the limit, ends the walk.
    if (*tokenEnd == '\0' || tokenEnd - token > kTokenLimit) {
        m_marker = nullptr;
        return false;
    }

    int length = static_cast<int>(tokenEnd - token);
    const char* headword = token;
    if (*token == '[') {
        // The brackets are dropped by position: the first and the last byte.
        headword = token + 1;
        length = length >= 2 ? length - 2 : 0;
    }
    char* buffer = m_headword.get();
    for (int i = 0; i < length; ++i)
        buffer[i] = headword[i];
    buffer[length] = '\0';

    entry.marker = m_marker;
    entry.tokenEnd = tokenEnd;
    entry.headword = m_headword.get();
    entry.headwordLength = length;
    m_resumeFrom = tokenEnd;
    return true;
}

CString EntryScanner::EntryTextAt(const char* marker)
{
    const char* start = marker + 2;
    const char* end = std::strchr(start, '\n');
    if (!end)
        end = std::strstr(start, kChapterMarker);
    if (!end)
        end = start + std::strlen(start);
    return CString(marker + 1, static_cast<int>(end - (marker + 1)));
}
