#pragma once

#include <cstddef>
#include <string_view>

namespace bookformat {

enum class LineEnd { CrLf, LoneLf, Missing };
enum class LineKind { Header, Chapter, Entry, Continuation, End };

// One line of a book: where it begins, its text and its role in the format.
struct Line {
    std::size_t offset = 0;  // of its first byte in the book
    std::string_view text;   // without its CR LF, or its lone LF
    LineEnd end = LineEnd::CrLf;
    LineKind kind = LineKind::Continuation;

    // Text and line end together.
    std::size_t Bytes() const { return text.size() + (end == LineEnd::CrLf ? 2 : end == LineEnd::LoneLf ? 1 : 0); }
};

// Cuts a book into lines one at a time, so that no book, however many lines
// it has, is held twice. A line feed, with or without CR, ends a line. The
// header runs from the first line to the "*END*" line, or, without one, up to
// the first chapter or entry line; the last line is the end line when it
// begins with "*EOF*".
class LineSplitter {
public:
    explicit LineSplitter(std::string_view book) : m_book(book) {}

    // The next line; false after the last.
    bool Next(Line& line);

private:
    std::string_view m_book;
    std::size_t m_next = 0;
    bool m_inHeader = true;
};

}  // namespace bookformat
