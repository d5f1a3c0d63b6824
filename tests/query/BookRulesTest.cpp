#include "BookRules.h"
#include "SmallBook.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace bookformat;
using Found = std::vector<std::pair<int, Rule>>;

// The violations with the line numbers of their offsets, in the order found.
Found Check(const std::string& book)
{
    Found found;
    CheckRules(book, [&](const Violation& v) {
        auto lineFeeds = std::count(book.begin(), book.begin() + static_cast<std::ptrdiff_t>(v.offset), '\n');
        found.emplace_back(static_cast<int>(lineFeeds) + 1, v.rule);
    });
    return found;
}

TEST(BookRules, TheSmallBookKeepsEveryRule)
{
    EXPECT_EQ(Check(smallbook::Join(smallbook::Lines())), Found{});
    EXPECT_EQ(Check(smallbook::With(15, "@ " + std::string(250, 'x') + " rest")), Found{});
}

TEST(BookRules, EachBrokenRuleIsReportedAtItsLine)
{
    using R = Rule;
    const std::tuple<int, std::string, Found> cases[] = {
        {12, "text @ inside", {{12, R::EntryMarkerOnlyAtLineStart}}},
        {3, "*STAMP*ab@ cd", {{3, R::EntryMarkerOnlyAtLineStart}}},
        {15, "@ word", {{15, R::TokenEndsOnItsLine}}},
        {15, "@ " + std::string(251, 'x') + " rest", {{15, R::TokenEndsOnItsLine}}},
        {14, "@ [] a", {{14, R::BracketedToken}}},
        {14, "@ [ab c] a", {{14, R::BracketedToken}}},
        {14, "@ [abc]d a", {{14, R::BracketedToken}}},
        {14, "@ [abc]", {{14, R::TokenEndsOnItsLine}, {14, R::BracketedToken}}},
        {12, "see page *1 here", {{12, R::ChapterMarkerOnlyAtLineStart}}},
        {12, "*1 no third star", {{12, R::ChapterMarkerOnlyAtLineStart}}},
        {3, "*STAMP*1abc", {{3, R::ChapterMarkerOnlyAtLineStart}}},
        {19, "*EOF*ab@ cd", {{19, R::EntryMarkerOnlyAtLineStart}, {19, R::NothingAfterClosingChapter}}},
        {19, "*EOF*ab*1cd", {{19, R::ChapterMarkerOnlyAtLineStart}, {19, R::NothingAfterClosingChapter}}},
        {12, std::string("before\0after", 12), {{12, R::NoNulByte}}},
        {15, "@  no headword", {{15, R::Body}}},
        {19, "no end line", {{19, R::EndLine}}},
    };
    for (const auto& [line, text, expected] : cases)
        EXPECT_EQ(Check(smallbook::With(line, text)), expected) << "line " << line << ": " << text;

    std::vector<std::string> lines = smallbook::Lines();
    lines.insert(lines.end() - 1, "@ late entry");
    EXPECT_EQ(Check(smallbook::Join(lines)), (Found{{19, R::NothingAfterClosingChapter}}));
    lines.erase(lines.begin() + 7);
    EXPECT_EQ(Check(smallbook::Join(lines)), (Found{{8, R::Body}, {18, R::NothingAfterClosingChapter}}));
    EXPECT_EQ(Check(""), (Found{{1, R::Header}, {1, R::Body}, {1, R::EndLine}}));
}

// The converter names the source line of the very bytes that break a rule.
TEST(BookRules, OffsetsPointAtTheOffendingBytes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"text @ inside", "@ "}, {"see page *1 here", "*1"}, {"one\rtwo", "\r"},
        {std::string("be\0fore", 7), std::string(1, '\0')}, {"@ " + std::string(251, 'x') + " rest", "x"},
    };
    for (const auto& [text, offending] : cases) {
        std::string book = smallbook::With(12, text);
        std::vector<std::size_t> offsets;
        CheckRules(book, [&](const Violation& v) { offsets.push_back(v.offset); });
        ASSERT_EQ(offsets.size(), 1u) << text;
        EXPECT_EQ(book.substr(offsets[0], offending.size()), offending) << text;
    }
}

TEST(BookRules, CountsEveryViolationAndReportsOnlyTheFirstOfEachRule)
{
    std::vector<std::string> lines = smallbook::Lines();
    for (int i = 0; i < 5; ++i)
        lines.insert(lines.begin() + 12, "a @ b\r");
    std::vector<Rule> reported;
    RuleCounts counts = CheckRules(smallbook::Join(lines), [&](const Violation& v) { reported.push_back(v.rule); }, 2);
    EXPECT_EQ(reported, (std::vector<Rule>{Rule::LineEnds, Rule::EntryMarkerOnlyAtLineStart, Rule::LineEnds,
                                           Rule::EntryMarkerOnlyAtLineStart}));
    EXPECT_EQ(counts[static_cast<std::size_t>(Rule::EntryMarkerOnlyAtLineStart)], 5u);
    EXPECT_EQ(counts[static_cast<std::size_t>(Rule::LineEnds)], 5u);
    EXPECT_EQ(counts[static_cast<std::size_t>(Rule::Header)], 0u);
}

TEST(BookRules, LinesEndWithCrLf)
{
    std::string book = smallbook::Join(smallbook::Lines());
    EXPECT_EQ(Check(smallbook::With(12, "one\rtwo")), (Found{{12, Rule::LineEnds}}));
    EXPECT_EQ(Check(smallbook::With(12, "one\r")), (Found{{12, Rule::LineEnds}}));
    EXPECT_EQ(Check(book.substr(0, book.size() - 2)), (Found{{19, Rule::LineEnds}}));
    EXPECT_EQ(Check(book.substr(0, book.size() - 2) + "\n"), (Found{{19, Rule::LineEnds}}));
    // A lone LF ends a line, so the lines below it move down by one.
    EXPECT_EQ(Check(smallbook::With(12, "one\ntwo @ x")),
              (Found{{12, Rule::LineEnds}, {13, Rule::EntryMarkerOnlyAtLineStart}}));
}

TEST(BookRules, HeaderTagsStandInTheirOrder)
{
    const std::pair<int, std::string> faults[] = {
        {4, "*EXEVER*8"}, {4, "*EXEVER*0a"}, {5, "*TYPED*note"}, {5, "note"}, {7, "*END*more"},
    };
    for (const auto& [line, text] : faults)
        EXPECT_EQ(Check(smallbook::With(line, text)), (Found{{line, Rule::Header}})) << text;

    std::vector<std::string> lines = smallbook::Lines();
    std::swap(lines[1], lines[2]);
    EXPECT_EQ(Check(smallbook::Join(lines)), (Found{{2, Rule::Header}, {3, Rule::Header}}));
    lines = smallbook::Lines();
    lines.erase(lines.begin() + 4, lines.begin() + 6);
    EXPECT_EQ(Check(smallbook::Join(lines)), (Found{{5, Rule::Header}}));
    lines.erase(lines.begin(), lines.begin() + 5);
    EXPECT_EQ(Check(smallbook::Join(lines)), (Found{{1, Rule::Header}}));
}

}  // namespace
