#pragma once

#include "EntryScanner.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// A book text written line by line; every line ends with CR LF, the last one too.
inline std::string Book(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// One step of a walk, with positions as offsets into the walked text.
struct Visit {
    std::size_t marker = 0;
    std::size_t tokenEnd = 0;
    std::string headword;  // read up to the buffer's NUL, as the lookups read it
    int headwordLength = 0;
    std::string entryText;
};

inline std::string Str(const CString& text)
{
    return std::string(text, static_cast<std::size_t>(text.GetLength()));
}

// Every entry a whole walk over text yields, in order.
inline std::vector<Visit> Walk(const char* text)
{
    std::vector<Visit> visits;
    EntryScanner scanner(text);
    ScannedEntry entry;
    while (scanner.Next(entry)) {
        visits.push_back({static_cast<std::size_t>(entry.marker - text),
                          static_cast<std::size_t>(entry.tokenEnd - text), entry.headword,
                          entry.headwordLength, Str(EntryScanner::EntryTextAt(entry.marker))});
    }
    return visits;
}

inline std::vector<std::string> Headwords(const std::vector<Visit>& visits)
{
    std::vector<std::string> headwords;
    for (const Visit& visit : visits)
        headwords.push_back(visit.headword);
    return headwords;
}
