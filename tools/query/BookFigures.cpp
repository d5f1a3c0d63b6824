#include "BookFigures.h"

#include "BookFormat.h"
#include "EntryScanner.h"
#include "LineSplitter.h"
#include "Windows1256.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

using namespace bookformat;

namespace {

// Median and the rest from a count of each length, which stays small
// however many lines a book has.
void MeasureEntryLengths(const std::map<std::size_t, std::size_t>& counts, std::size_t lines, BookFigures& figures)
{
    if (counts.empty())
        return;
    figures.entryLineShortest = counts.begin()->first;
    figures.entryLineLongest = counts.rbegin()->first;
    std::size_t below = 0;
    for (const auto& [length, count] : counts) {
        if (below <= (lines - 1) / 2 && (lines - 1) / 2 < below + count)
            figures.entryLineMedian = length;
        if (length > 255)
            figures.entryLinesOver255 += count;
        below += count;
    }
}

void MeasureLines(std::string_view book, BookFigures& figures)
{
    std::map<std::size_t, std::size_t> entryLengths;
    std::size_t entryLines = 0;
    LineSplitter lines(book);
    for (Line line; lines.Next(line);) {
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
            ++(line.text.size() > kEntryMarker.size() && line.text[kEntryMarker.size()] == kRootOpen
                   ? figures.formAEntryLines
                   : figures.formBEntryLines);
            ++entryLengths[line.text.size()];
            ++entryLines;
            break;
        case LineKind::Continuation:
            ++figures.continuationLines;
            figures.continuationEmpty += line.text.empty();
            figures.continuationBeginningWithAt += StartsWith(line.text, kEntryMarker.substr(0, 1));
            break;
        case LineKind::End:
            ++figures.endLines;
            figures.endLineBytes += line.Bytes();
            break;
        }
    }
    MeasureEntryLengths(entryLengths, entryLines, figures);
}

void MeasureWalk(const char* book, BookFigures& figures)
{
    // Each headword as it lies in the book, the token past its "[", with its
    // place in book order: sorted, equal headwords stand together, the first
    // in book order first.
    std::vector<std::pair<std::string_view, std::size_t>> headwords;
    EntryScanner scanner(book);
    ScannedEntry entry;
    while (scanner.Next(entry)) {
        if (*entry.marker != kEntryMarker.front())  // the closing chapter line, reached by the fall-back
            continue;
        std::string_view token(entry.marker + kEntryMarker.size(),
                               static_cast<std::size_t>(entry.tokenEnd - entry.marker) - kEntryMarker.size());
        figures.longestToken = std::max(figures.longestToken, token.size());
        auto length = static_cast<std::size_t>(entry.headwordLength);
        headwords.emplace_back(token.substr(token.size() == length ? 0 : 1, length), headwords.size());
    }
    figures.entriesWalked = headwords.size();
    std::sort(headwords.begin(), headwords.end());

    std::size_t mostFirst = 0;
    for (auto group = headwords.begin(); group != headwords.end();) {
        auto end = std::find_if(group, headwords.end(), [&](const auto& other) { return other.first != group->first; });
        auto count = static_cast<std::size_t>(end - group);
        ++figures.distinctHeadwords;
        figures.repeatedHeadwords += count > 1;
        if (count > 1 && (count > figures.mostRepeatedCount ||
                          (count == figures.mostRepeatedCount && group->second < mostFirst))) {
            figures.mostRepeatedHeadword = group->first;
            figures.mostRepeatedCount = count;
            mostFirst = group->second;
        }
        group = end;
    }
}

std::string Row(const char* name, const std::string& value)
{
    std::string row(name);
    row.resize(20, ' ');
    return row + value + "\n";
}

std::string N(std::size_t n)
{
    return std::to_string(n);
}

}  // namespace

BookFigures MeasureBook(std::string_view book)
{
    BookFigures figures;
    figures.bytes = book.size();
    MeasureLines(book, figures);
    MeasureWalk(book.data(), figures);
    return figures;
}

std::string FormatFigures(const BookFigures& f)
{
    std::string repeated = "none repeated";
    if (f.mostRepeatedCount > 0) {
        Conversion shown = Windows1256().ToUtf8(f.mostRepeatedHeadword);
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
