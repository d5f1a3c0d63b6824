#include "BookCheck.h"

#include "BookLines.h"
#include "EntryScanner.h"
#include "HeaderCheck.h"

#include <algorithm>

namespace {

using Violations = std::vector<Violation>;

bool Contains(std::string_view text, std::string_view part, std::size_t from = 0)
{
    return text.find(part, from) != std::string_view::npos;
}

void CheckLineEnd(const BookLine& line, Violations& violations)
{
    auto add = [&](const char* what) { violations.push_back({line.number, BookRule::LineEnds, what}); };
    if (line.end == LineEnd::LoneLf)
        add("LF without CR before it");
    if (line.end == LineEnd::Missing)
        add("the last line does not end with CR LF");
    if (Contains(line.text, "\r"))
        add("CR without LF after it");
}

void CheckMarkers(const BookLine& line, bool afterClosingChapter, Violations& violations)
{
    auto add = [&](BookRule rule, const char* what) { violations.push_back({line.number, rule, what}); };
    if (Contains(line.text, "@ ", 1))
        add(BookRule::EntryMarkerOnlyAtLineStart, "\"@ \" inside the line");
    if (Contains(line.text, "*1", 1))
        add(BookRule::ChapterMarkerOnlyAtLineStart, "\"*1\" inside the line");
    else if (StartsWith(line.text, "*1") && line.kind != LineKind::Chapter)
        add(BookRule::ChapterMarkerOnlyAtLineStart, "\"*1\" not followed by \"*\"");
    if (afterClosingChapter && (Contains(line.text, "@ ") || Contains(line.text, "*1")))
        add(BookRule::NothingAfterClosingChapter, "\"@ \" or \"*1\" after the closing chapter line");
    if (Contains(line.text, std::string_view("\0", 1)))
        add(BookRule::NoNulByte, "NUL byte (the lookups stop there)");
}

void CheckEntryLine(const BookLine& line, Violations& violations)
{
    auto add = [&](BookRule rule, std::string what) { violations.push_back({line.number, rule, std::move(what)}); };
    std::string_view token = EntryToken(line);
    std::size_t tokenEnd = 2 + token.size();
    bool spaceFollows = tokenEnd < line.text.size();
    if (!spaceFollows)
        add(BookRule::TokenEndsOnItsLine, "no space after the token on its line");
    else if (token.size() > static_cast<std::size_t>(EntryScanner::kTokenLimit))
        add(BookRule::TokenEndsOnItsLine, "token of " + std::to_string(token.size()) + " bytes, over " +
                                              std::to_string(EntryScanner::kTokenLimit));

    if (!StartsWith(token, "[")) {
        if (token.empty())
            add(BookRule::Body, "entry line without a headword");
        return;
    }
    if (token.size() < 2 || token.back() != ']')
        add(BookRule::BracketedToken, Contains(line.text, "]", tokenEnd) ? "space inside the brackets"
                                                                          : "bracketed token does not end with \"]\"");
    else if (token.size() == 2)
        add(BookRule::BracketedToken, "nothing between the brackets");
    else if (!spaceFollows)
        add(BookRule::BracketedToken, "\"]\" not followed by a space");
}

void CheckBodyAndEnd(const std::vector<BookLine>& lines, Violations& violations)
{
    auto isChapter = [](const BookLine& line) { return line.kind == LineKind::Chapter; };
    auto firstBody = std::find_if(lines.begin(), lines.end(),
                                  [](const BookLine& line) { return line.kind != LineKind::Header; });
    int bodyStart = firstBody == lines.end() ? static_cast<int>(lines.size()) + 1 : firstBody->number;
    if (std::none_of(lines.begin(), lines.end(), isChapter))
        violations.push_back({bodyStart, BookRule::Body, "the book has no chapter line"});
    else if (!isChapter(*firstBody))
        violations.push_back({bodyStart, BookRule::Body, "the body does not begin with a chapter line"});

    if (lines.empty() || lines.back().kind != LineKind::End)
        violations.push_back({lines.empty() ? 1 : lines.back().number, BookRule::EndLine,
                              "the last line does not begin with *EOF*"});
}

}  // namespace

std::vector<Violation> CheckBook(std::string_view book)
{
    std::vector<BookLine> lines = SplitBookLines(book);
    auto closing = std::find_if(lines.rbegin(), lines.rend(),
                                [](const BookLine& line) { return line.kind == LineKind::Chapter; });
    int closingLine = closing == lines.rend() ? static_cast<int>(lines.size()) + 1 : closing->number;

    Violations violations;
    for (const BookLine& line : lines) {
        CheckLineEnd(line, violations);
        CheckMarkers(line, line.number > closingLine, violations);
        if (line.kind == LineKind::Entry)
            CheckEntryLine(line, violations);
    }
    CheckHeader(lines, violations);
    CheckBodyAndEnd(lines, violations);
    std::stable_sort(violations.begin(), violations.end(),
                     [](const Violation& a, const Violation& b) { return a.line < b.line; });
    return violations;
}

std::string FormatViolation(const Violation& violation)
{
    static const char* const kRuleNames[] = {
        "rule 1", "rule 2", "rule 3", "rule 4", "rule 5", "rule 6", "line ends", "header", "body", "end line",
    };
    return "line " + std::to_string(violation.line) + ": " + kRuleNames[static_cast<int>(violation.rule)] + ": " +
           violation.what;
}
