#include "BookCheck.h"
#include "SmallBook.h"

#include <gtest/gtest.h>

namespace {

using Found = std::vector<std::pair<int, BookRule>>;

Found Check(const std::string& book)
{
    Found found;
    for (const Violation& v : CheckBook(book))
        found.emplace_back(v.line, v.rule);
    return found;
}

TEST(BookCheck, TheSmallBookKeepsEveryRule)
{
    EXPECT_EQ(Check(smallbook::Join(smallbook::Lines())), Found{});
    EXPECT_EQ(Check(smallbook::With(15, "@ " + std::string(250, 'x') + " rest")), Found{});
}

TEST(BookCheck, EachBrokenRuleIsReportedAtItsLine)
{
    using R = BookRule;
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

    std::vector<Violation> found = CheckBook(smallbook::With(3, "*STAMP*1abc"));
    EXPECT_EQ(FormatViolation(found.at(0)).rfind("line 3: rule 4: ", 0), 0u);
}

TEST(BookCheck, LinesEndWithCrLf)
{
    std::string book = smallbook::Join(smallbook::Lines());
    EXPECT_EQ(Check(smallbook::With(12, "one\rtwo")), (Found{{12, BookRule::LineEnds}}));
    EXPECT_EQ(Check(smallbook::With(12, "one\r")), (Found{{12, BookRule::LineEnds}}));
    EXPECT_EQ(Check(book.substr(0, book.size() - 2)), (Found{{19, BookRule::LineEnds}}));
    EXPECT_EQ(Check(book.substr(0, book.size() - 2) + "\n"), (Found{{19, BookRule::LineEnds}}));
    // A lone LF ends a line, so the lines below it move down by one.
    EXPECT_EQ(Check(smallbook::With(12, "one\ntwo @ x")),
              (Found{{12, BookRule::LineEnds}, {13, BookRule::EntryMarkerOnlyAtLineStart}}));
}

TEST(BookCheck, HeaderTagsStandInTheirOrder)
{
    const std::pair<int, std::string> faults[] = {
        {4, "*EXEVER*8"}, {4, "*EXEVER*0a"}, {5, "*TYPED*note"}, {5, "note"}, {7, "*END*more"},
    };
    for (const auto& [line, text] : faults)
        EXPECT_EQ(Check(smallbook::With(line, text)), (Found{{line, BookRule::Header}})) << text;

    std::vector<std::string> lines = smallbook::Lines();
    std::swap(lines[1], lines[2]);
    EXPECT_EQ(Check(smallbook::Join(lines)), (Found{{2, BookRule::Header}, {3, BookRule::Header}}));
    lines = smallbook::Lines();
    lines.erase(lines.begin() + 4, lines.begin() + 6);
    EXPECT_EQ(Check(smallbook::Join(lines)), (Found{{5, BookRule::Header}}));
    lines.erase(lines.begin(), lines.begin() + 5);
    EXPECT_EQ(Check(smallbook::Join(lines)), (Found{{1, BookRule::Header}}));
}

}  // namespace
