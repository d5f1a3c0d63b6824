#pragma once

#include "Converter.h"
#include "Diagnostics.h"
#include "Windows1256.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// A thesaurus text: the encoding line, then the given lines.
inline std::string Thesaurus(std::initializer_list<std::string_view> lines)
{
    std::string text = "UTF-8\n";
    for (std::string_view line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

inline std::string Cp1256(std::string_view utf8)
{
    static bookformat::Windows1256 encoding;
    return encoding.FromOwnText(utf8);
}

// The book's lines without their CR LF; empty when the text does not end with one.
inline std::vector<std::string> LinesOf(std::string_view book)
{
    std::vector<std::string> lines;
    for (std::size_t end; (end = book.find("\r\n")) != std::string_view::npos; book.remove_prefix(end + 2))
        lines.emplace_back(book.substr(0, end));
    return book.empty() ? lines : std::vector<std::string>();
}

// The entry lines of one letter chapter (0 for alef), in book order.
inline std::vector<std::string> ChapterEntries(const std::string& book, int letter)
{
    std::vector<std::string> entries;
    int chapter = -2;  // the preface is chapter -1
    for (const std::string& line : LinesOf(book)) {
        if (line.rfind("*1*", 0) == 0)
            ++chapter;
        else if (chapter == letter && line.rfind("@ ", 0) == 0)
            entries.push_back(line);
    }
    return entries;
}

inline std::vector<Diagnostic> OfKind(const Diagnostics& diagnostics, Diagnostic::Kind kind)
{
    std::vector<Diagnostic> items;
    for (const Diagnostic& item : diagnostics.Items()) {
        if (item.kind == kind)
            items.push_back(item);
    }
    return items;
}
