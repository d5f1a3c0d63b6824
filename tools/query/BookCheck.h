#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a book must keep: the six rules that the lookups rest on, and the
// line structure of the book text format.
enum class BookRule {
    EntryMarkerOnlyAtLineStart,    // rule 1
    TokenEndsOnItsLine,            // rule 2
    BracketedToken,                // rule 3
    ChapterMarkerOnlyAtLineStart,  // rule 4
    NothingAfterClosingChapter,    // rule 5
    NoNulByte,                     // rule 6
    LineEnds,
    Header,
    Body,
    EndLine,
};

struct Violation {
    int line = 0;
    BookRule rule = BookRule::Body;
    std::string what;
};

// Every violation, ordered by line.
std::vector<Violation> CheckBook(std::string_view book);

// "line 12: rule 3: ..." or "line 1: header: ...".
std::string FormatViolation(const Violation& violation);
