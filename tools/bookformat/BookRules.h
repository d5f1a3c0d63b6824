#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

namespace bookformat {

// What a book must keep: the six rules that the lookups rest on, and the
// line structure of the book text format.
enum class Rule {
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
inline constexpr int kRuleCount = static_cast<int>(Rule::EndLine) + 1;

struct Violation {
    std::size_t offset = 0;  // of the offending bytes, or of the line that lacks something
    Rule rule = Rule::Body;
    std::string what;
};

using ReportViolation = std::function<void(const Violation&)>;
using RuleCounts = std::array<std::size_t, kRuleCount>;

// Checks the book line by line, keeping nothing of a line once past it.
// Reports the first detailsPerRule violations of each rule as they are
// found, and only counts the others, whose texts are never made. Returns the
// count of each rule's violations.
RuleCounts CheckRules(std::string_view book, const ReportViolation& report,
                      std::size_t detailsPerRule = std::numeric_limits<std::size_t>::max());

// "rule 3", "header", ...
const char* RuleName(Rule rule);

}  // namespace bookformat
