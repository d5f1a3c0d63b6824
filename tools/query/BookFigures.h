#pragma once

#include <cstddef>
#include <string>

// The sizes of a book, as its format describes them.
struct BookFigures {
    std::size_t bytes = 0;
    int lines = 0;
    int headerLines = 0;
    std::size_t headerBytes = 0;
    int chapterLines = 0;
    int formAEntryLines = 0;
    int formBEntryLines = 0;
    int continuationLines = 0;
    int continuationEmpty = 0;
    int continuationBeginningWithAt = 0;
    std::size_t entryLineShortest = 0;  // entry line lengths without CR LF
    std::size_t entryLineMedian = 0;
    std::size_t entryLineLongest = 0;
    int entryLinesOver255 = 0;
    int endLines = 0;
    std::size_t endLineBytes = 0;

    // From the walk the lookups make, the closing chapter line left out.
    int entriesWalked = 0;
    int distinctHeadwords = 0;
    int repeatedHeadwords = 0;  // headwords that occur more than once
    std::string mostRepeatedHeadword;  // Windows-1256; the first in book order on a tie
    int mostRepeatedCount = 0;
    std::size_t longestToken = 0;
};

// The lines are counted over the whole string; the walk, like the lookups,
// stops at its first NUL byte.
BookFigures MeasureBook(const std::string& book);

// One line per figure, in UTF-8.
std::string FormatFigures(const BookFigures& figures);
