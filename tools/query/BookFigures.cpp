#include "BookFigures.h"

#include "BookLines.h"
#include "Encoding.h"
#include "EntryScanner.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

void MeasureLines(std::string_view book, BookFigures& figures)
{
    std::vector<std::size_t> entryLengths;
    for (const BookLine& line : SplitBookLines(book)) {
        ++figures.lines;
        switch (line.kind) {
        case LineKind::Header:
            ++figures.headerLines;
            figures.headerBytes += line.Bytes();
            break;
        case LineKind::Chapter:
            ++figures.chapterLines;
            break;
        case LineKind::Entry:
            ++(StartsWith(line.text, "@ [") ? figures.formAEntryLines : figures.formBEntryLines);
            entryLengths.push_back(line.text.size());
            break;
        case LineKind::Continuation:
            ++figures.continuationLines;
            figures.continuationEmpty += line.text.empty();
            figures.continuationBeginningWithAt += StartsWith(line.text, "@");
            break;
        case LineKind::End:
            ++figures.endLines;
            figures.endLineBytes += line.Bytes();
            break;
        }
    }
    if (entryLengths.empty())
        return;
    std::sort(entryLengths.begin(), entryLengths.end());
    figures.entryLineShortest = entryLengths.front();
    figures.entryLineMedian = entryLengths[(entryLengths.size() - 1) / 2];
    figures.entryLineLongest = entryLengths.back();
    figures.entryLinesOver255 = static_cast<int>(
        entryLengths.end() - std::upper_bound(entryLengths.begin(), entryLengths.end(), std::size_t{255}));
}

void MeasureWalk(const char* book, BookFigures& figures)
{
    using Counts = std::unordered_map<std::string, int>;
    Counts counts;
    std::vector<const Counts::value_type*> bookOrder;
    EntryScanner scanner(book);
    ScannedEntry entry;
    while (scanner.Next(entry)) {
        if (*entry.marker != '@')  // the closing chapter line, reached by the fall-back
            continue;
        ++figures.entriesWalked;
        std::size_t token = static_cast<std::size_t>(entry.tokenEnd - entry.marker - 2);
        figures.longestToken = std::max(figures.longestToken, token);
        std::string headword(entry.headword, static_cast<std::size_t>(entry.headwordLength));
        auto [it, inserted] = counts.try_emplace(std::move(headword), 0);
        if (inserted)
            bookOrder.push_back(&*it);
        ++it->second;
    }
    figures.distinctHeadwords = static_cast<int>(counts.size());
    for (const auto* headword : bookOrder) {
        int count = headword->second;
        figures.repeatedHeadwords += count > 1;
        if (count > 1 && count > figures.mostRepeatedCount) {
            figures.mostRepeatedHeadword = headword->first;
            figures.mostRepeatedCount = count;
        }
    }
}

std::string Row(const char* name, const std::string& value)
{
    std::string row(name);
    row.resize(20, ' ');
    return row + value + "\n";
}

template <typename Number>
std::string N(Number n)
{
    return std::to_string(n);
}

}  // namespace

BookFigures MeasureBook(const std::string& book)
{
    BookFigures figures;
    figures.bytes = book.size();
    MeasureLines(book, figures);
    MeasureWalk(book.c_str(), figures);
    return figures;
}

std::string FormatFigures(const BookFigures& f)
{
    std::string repeated = "none repeated";
    if (f.mostRepeatedCount > 0) {
        Conversion shown = Windows1256ToUtf8(f.mostRepeatedHeadword);
        repeated = N(f.repeatedHeadwords) + " repeated, most often " +
                   (shown.ok ? shown.text : f.mostRepeatedHeadword) + " (" + N(f.mostRepeatedCount) + " times)";
    }
    std::string lengths = "none";
    if (f.formAEntryLines + f.formBEntryLines > 0)
        lengths = N(f.entryLineShortest) + " to " + N(f.entryLineLongest) + " bytes, median " + N(f.entryLineMedian) +
                  "; " + N(f.entryLinesOver255) + " lines over 255 bytes";
    return Row("Book", N(f.bytes) + " bytes, " + N(f.lines) + " lines") +
           Row("Header", N(f.headerLines) + " lines, " + N(f.headerBytes) + " bytes") +
           Row("Chapter lines", N(f.chapterLines)) +
           Row("Entry lines", N(f.formAEntryLines + f.formBEntryLines) + " (" + N(f.formAEntryLines) + " form A, " +
                                  N(f.formBEntryLines) + " form B)") +
           Row("Continuation lines",
               N(f.continuationLines) + " (" +
                   N(f.continuationLines - f.continuationEmpty - f.continuationBeginningWithAt) + " with text, " +
                   N(f.continuationEmpty) + " empty, " + N(f.continuationBeginningWithAt) +
                   " beginning with \"@\")") +
           Row("Headwords", N(f.distinctHeadwords) + " distinct in " + N(f.entriesWalked) + " entries walked; " +
                                repeated) +
           Row("Longest token", N(f.longestToken) + " bytes") +
           Row("Entry line length", lengths) +
           Row("End line", N(f.endLines) + ", " + N(f.endLineBytes) + " bytes");
}
