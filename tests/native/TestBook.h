#pragma once

#include "CString.h"
#include "ReferenceWalk.h"

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

inline std::string Str(const CString& text)
{
    return std::string(text, static_cast<std::size_t>(text.GetLength()));
}

inline std::vector<std::string> Headwords(const std::vector<reference::Entry>& entries)
{
    std::vector<std::string> headwords;
    for (const reference::Entry& entry : entries)
        headwords.push_back(entry.headword);
    return headwords;
}
