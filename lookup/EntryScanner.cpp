#include "EntryScanner.h"

#include <cstring>

namespace {

const char kEntryMarker[] = "@ ";
const char kChapterMarker[] = "*1";

}  // namespace

EntryScanner::EntryScanner(const char* text)
    : m_marker(std::strstr(text, kEntryMarker)), m_headword(new char[kBufferSize])
{
}

bool EntryScanner::Next(ScannedEntry& entry)
{
    if (m_resumeFrom) {
        m_marker = std::strstr(m_resumeFrom, kEntryMarker);
        if (!m_marker)
            m_marker = std::strstr(m_resumeFrom, kChapterMarker);
        m_resumeFrom = nullptr;
    }
    if (!m_marker)
        return false;

    const char* token = m_marker + 2;
    const char* tokenEnd = std::strchr(token, ' ');
    // A token that no space ends, or one over the limit, ends the walk.
    if (!tokenEnd || tokenEnd - token > kTokenLimit) {
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
    std::memcpy(m_headword.get(), headword, static_cast<size_t>(length));
    m_headword[length] = '\0';

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
