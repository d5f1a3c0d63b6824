#include "BookLines.h"

namespace {

const std::string_view kHeaderEnd = "*END*";
const std::string_view kChapterStart = "*1*";
const std::string_view kEntryStart = "@ ";
const std::string_view kEndLineStart = "*EOF*";

LineKind BodyKind(std::string_view text)
{
    if (StartsWith(text, kChapterStart))
        return LineKind::Chapter;
    if (StartsWith(text, kEntryStart))
        return LineKind::Entry;
    return LineKind::Continuation;
}

}  // namespace

std::size_t BookLine::Bytes() const
{
    switch (end) {
    case LineEnd::CrLf: return text.size() + 2;
    case LineEnd::LoneLf: return text.size() + 1;
    case LineEnd::Missing: break;
    }
    return text.size();
}

std::vector<BookLine> SplitBookLines(std::string_view book)
{
    std::vector<BookLine> lines;
    std::size_t start = 0;
    while (start < book.size()) {
        BookLine line;
        line.number = static_cast<int>(lines.size()) + 1;
        std::size_t lf = book.find('\n', start);
        if (lf == std::string_view::npos) {
            line.text = book.substr(start);
            line.end = LineEnd::Missing;
            start = book.size();
        } else if (lf > start && book[lf - 1] == '\r') {
            line.text = book.substr(start, lf - 1 - start);
            start = lf + 1;
        } else {
            line.text = book.substr(start, lf - start);
            line.end = LineEnd::LoneLf;
            start = lf + 1;
        }
        lines.push_back(line);
    }

    bool inHeader = true;
    for (BookLine& line : lines) {
        line.kind = BodyKind(line.text);
        if (inHeader && line.kind == LineKind::Continuation) {
            line.kind = LineKind::Header;
            inHeader = line.text != kHeaderEnd;
        } else {
            inHeader = false;
        }
    }
    if (!lines.empty() && StartsWith(lines.back().text, kEndLineStart))
        lines.back().kind = LineKind::End;
    return lines;
}

std::string_view EntryToken(const BookLine& line)
{
    std::string_view rest = line.text.substr(kEntryStart.size());
    return rest.substr(0, rest.find(' '));
}
