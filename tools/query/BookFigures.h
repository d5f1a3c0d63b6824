#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The sizes of a book, as its format describes them.
struct BookFigures {
    std::size_t bytes = 0;
    std::size_t lines = 0;
    std::size_t headerLines = 0;
    std::size_t headerBytes = 0;
    std::size_t chapterLines = 0;
    std::size_t formAEntryLines = 0;
    std::size_t formBEntryLines = 0;
    std::size_t continuationLines = 0;
    std::size_t continuationEmpty = 0;
    std::size_t continuationBeginningWithAt = 0;
    std::size_t entryLineShortest = 0;  // entry line lengths without CR LF
    std::size_t entryLineMedian = 0;
    std::size_t entryLineLongest = 0;
    std::size_t entryLinesOver255 = 0;
    std::size_t endLines = 0;
    std::size_t endLineBytes = 0;

    // From the walk the lookups make, the closing chapter line left out.
    std::size_t entriesWalked = 0;
    std::size_t distinctHeadwords = 0;
    std::size_t repeatedHeadwords = 0;  // headwords that occur more than once
    std::string mostRepeatedHeadword;   // Windows-1256; the first in book order on a tie
    std::size_t mostRepeatedCount = 0;
    std::size_t longestToken = 0;
};

// The lines are counted over the whole book; the walk, like the lookups,
// stops at its first NUL byte. The book must be followed by a NUL byte that
// its size does not count, as the lookups require.
BookFigures MeasureBook(std::string_view book);

// One line per figure, in UTF-8.
std::string FormatFigures(const BookFigures& figures);
