#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// A book cut into lines and each line's role in the book text format.
enum class LineEnd { CrLf, LoneLf, Missing };
enum class LineKind { Header, Chapter, Entry, Continuation, End };

struct BookLine {
    int number = 0;         // counted from 1; a line feed, with or without CR, ends a line
    std::string_view text;  // without its CR LF, or its lone LF
    LineEnd end = LineEnd::CrLf;
    LineKind kind = LineKind::Continuation;

    std::size_t Bytes() const;  // text and line end together
};

inline bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// The header runs from the first line to the "*END*" line, or, without one,
// up to the first chapter or entry line. The last line is the end line when
// it begins with "*EOF*".
std::vector<BookLine> SplitBookLines(std::string_view book);

// The token of an entry line: from after "@ " up to the first space on the
// line, or to the line's end when no space follows on it.
std::string_view EntryToken(const BookLine& line);
