#include "BookRules.h"

#include "EntryScanner.h"

#include <string>
#include <string_view>

namespace {

constexpr std::string_view kEntryMarker = "@ ";
constexpr std::string_view kChapterMarker = "*1";

void Report(const BookLine& line, std::size_t offset, const std::string& message, Diagnostics& diagnostics)
{
    diagnostics.Error(line.SourceLineAt(offset), message);
}

void CheckControlBytes(const BookLine& line, Diagnostics& diagnostics)
{
    std::size_t at = line.text.find_first_of(std::string_view("\0\r\n", 3));
    if (at != std::string::npos)
        Report(line, at, "a NUL, CR or LF byte would break the book's lines", diagnostics);
}

void CheckMarker(const BookLine& line, std::string_view marker, bool opensLine, const std::string& what,
                 Diagnostics& diagnostics)
{
    if (opensLine && line.text.compare(0, marker.size(), marker) != 0)
        Report(line, 0, what + " does not begin with its marker \"" + std::string(marker) + "\"", diagnostics);
    std::size_t at = line.text.find(marker, opensLine ? 1 : 0);
    if (at != std::string::npos)
        Report(line, at, "\"" + std::string(marker) + "\" inside the text would be read as a marker", diagnostics);
}

void CheckHeadword(const BookLine& line, Diagnostics& diagnostics)
{
    std::size_t space = line.text.find(' ', kEntryMarker.size());
    if (space == std::string::npos) {
        Report(line, kEntryMarker.size(), "no space follows the headword on its line", diagnostics);
        return;
    }
    std::string_view token = std::string_view(line.text).substr(kEntryMarker.size(), space - kEntryMarker.size());
    if (token.size() > static_cast<std::size_t>(EntryScanner::kTokenLimit))
        Report(line, kEntryMarker.size(),
               "the headword has " + std::to_string(token.size()) + " bytes, more than the " +
                   std::to_string(EntryScanner::kTokenLimit) + " that the lookups take",
               diagnostics);
    if (!token.empty() && token.front() == '[' && (token.size() < 3 || token.back() != ']'))
        Report(line, kEntryMarker.size(),
               "the headword begins with \"[\" but is no bracketed root \"[root]\" and would lose its last byte",
               diagnostics);
}

}  // namespace

void CheckLine(const BookLine& line, Diagnostics& diagnostics)
{
    CheckControlBytes(line, diagnostics);
    bool entry = line.kind == BookLine::Kind::Entry;
    bool chapter = line.kind == BookLine::Kind::Chapter;
    CheckMarker(line, kEntryMarker, entry, "an entry line", diagnostics);
    CheckMarker(line, kChapterMarker, chapter, "a chapter line", diagnostics);
    if (entry)
        CheckHeadword(line, diagnostics);
}
