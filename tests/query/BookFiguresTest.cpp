#include "BookFigures.h"
#include "SmallBook.h"

#include <gtest/gtest.h>

namespace {

TEST(BookFigures, CountsLinesByKindAndHeadwordsByTheWalk)
{
    std::string book = smallbook::Join(smallbook::Lines());
    BookFigures f = MeasureBook(book);
    EXPECT_EQ(f.bytes, book.size());
    EXPECT_EQ(f.lines, 19u);
    EXPECT_EQ(f.headerLines, 7u);
    EXPECT_EQ(f.headerBytes, book.find("*1*"));
    EXPECT_EQ(f.chapterLines, 3u);
    EXPECT_EQ(f.formAEntryLines, 3u);
    EXPECT_EQ(f.formBEntryLines, 2u);
    EXPECT_EQ(f.continuationLines, 3u);
    EXPECT_EQ(f.continuationEmpty, 1u);
    EXPECT_EQ(f.continuationBeginningWithAt, 1u);
    EXPECT_EQ(f.endLineBytes, book.size() - book.rfind("*EOF*"));

    EXPECT_EQ(f.entriesWalked, 5u);
    EXPECT_EQ(f.distinctHeadwords, 4u);
    EXPECT_EQ(f.repeatedHeadwords, 1u);
    EXPECT_EQ(f.mostRepeatedHeadword, smallbook::kKtb);
    EXPECT_EQ(f.mostRepeatedCount, 2u);
    EXPECT_NE(FormatFigures(f).find("\xD9\x83\xD8\xAA\xD8\xA8 (2 times)"), std::string::npos) << FormatFigures(f);

    // The walk stops at a NUL byte, as the lookups do; the lines are still counted.
    BookFigures cut = MeasureBook(smallbook::With(12, std::string(1, '\0')));
    EXPECT_EQ(cut.entriesWalked, 2u);
    EXPECT_EQ(cut.formAEntryLines + cut.formBEntryLines, 5u);
}

TEST(BookFigures, EntryLineLengthsAndTokens)
{
    std::vector<std::string> lines = smallbook::Lines();
    lines.resize(8);
    for (auto [token, length] : {std::pair{"b", 7}, {"a", 300}, {"a", 20}, {"b", 256}, {"[cc]", 255}}) {
        std::string line = "@ " + std::string(token) + " ";
        lines.push_back(line + std::string(static_cast<std::size_t>(length) - line.size(), 'x'));
    }
    lines.push_back("*1*end");
    lines.push_back("*EOF*z");
    BookFigures f = MeasureBook(smallbook::Join(lines));

    EXPECT_EQ(f.entryLineShortest, 7u);
    EXPECT_EQ(f.entryLineMedian, 255u);
    EXPECT_EQ(f.entryLineLongest, 300u);
    EXPECT_EQ(f.entryLinesOver255, 2u);
    EXPECT_EQ(f.longestToken, 4u);
    // Two headwords occur twice each: the first in book order is named.
    EXPECT_EQ(f.repeatedHeadwords, 2u);
    EXPECT_EQ(f.mostRepeatedHeadword, "b");
}

}  // namespace
