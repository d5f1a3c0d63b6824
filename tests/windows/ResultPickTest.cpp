// Mouse clicks into the result box: a click on a listed headword shows its
// entry; a click into a shown entry changes nothing.
#include "Encoding.h"
#include "ProgramTest.h"
#include "SystemInput.h"
#include "WindowQueries.h"

#include <algorithm>

namespace {

class ResultPick : public ProgramTest {
protected:
    // Types a query that lists two or three headwords; returns the list's lines.
    std::vector<std::string> ShowShortList()
    {
        std::string query = Book().PrefixMatching(2, 3);
        EXPECT_FALSE(query.empty()) << "no prefix that two or three headwords of the book begin with";
        TypeQuery(query);
        return ListLines(PrefixListingOf(query));
    }
};

TEST_F(ResultPick, ClickOnAListedHeadwordShowsItsEntry)
{
    std::vector<std::string> lines = ShowShortList();
    ASSERT_GE(lines.size(), 2u);
    ClickAt(PointInLine(m_result, 1));
    ASSERT_TRUE(WaitForFocus(m_result));
    ExpectBoxes(lines[1], Book().FirstEntryTextOf(lines[1]));
    EXPECT_FALSE(ResultText().empty());
}

TEST_F(ResultPick, ClickIntoAShownEntryChangesNothing)
{
    std::string query = Book().PrefixMatching(1, 1);
    ASSERT_FALSE(query.empty());
    TypeQuery(query);
    std::string entry = WideToArabicAnsi(ResultText());
    ClickAt(PointInCharacter(m_result, static_cast<int>(entry.size() / 2)));
    ASSERT_TRUE(WaitForFocus(m_result));
    ExpectBoxes(query, entry);
}

TEST_F(ResultPick, ClickOnTheEmptyLineAfterTheListEmptiesBothBoxes)
{
    std::vector<std::string> lines = ShowShortList();
    ASSERT_GE(lines.size(), 2u);
    POINT emptyLine = PointInEmptyLastLine(m_result);
    RECT box;
    ::GetWindowRect(m_result, &box);
    ASSERT_LT(emptyLine.y, box.bottom) << "the list must leave its empty last line in view";

    ClickAt(emptyLine);
    ASSERT_TRUE(WaitForFocus(m_result));
    ExpectBoxes("", "");
}

TEST_F(ResultPick, PickingARepeatedHeadwordShowsItsFirstEntry)
{
    std::string word = Book().RepeatedHeadword(3);
    if (word.empty())
        GTEST_SKIP() << "no headword of the book is repeated in a list short enough to click";
    TypeQuery(word);
    std::vector<std::string> lines = ListLines(WideToArabicAnsi(ResultText()));
    auto later = std::find(lines.rbegin(), lines.rend(), word);
    ASSERT_NE(later, lines.rend());
    ClickAt(PointInLine(m_result, static_cast<int>(lines.rend() - later) - 1));
    ASSERT_TRUE(WaitForFocus(m_result));
    ExpectBoxes(word, Book().FirstEntryTextOf(word));
}

// The book answers from English too: a common word lists with the words that
// begin with it, and a click on it shows its Arabic.
TEST_F(ResultPick, AnEnglishWordListedAndClickedShowsItsArabic)
{
    const std::string word = "house";
    TypeQuery(word);
    std::vector<std::string> lines = ListLines(PrefixListingOf(word));
    ASSERT_GE(lines.size(), 2u) << "the book lists no words that begin with " << word;
    ASSERT_EQ(lines[0], word);
    ClickAt(PointInLine(m_result, 0));
    ASSERT_TRUE(WaitForFocus(m_result));
    std::string entry = Book().FirstEntryTextOf(word);
    ExpectBoxes(word, entry);
    const std::wstring shown = ResultText();
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](wchar_t c) { return c >= 0x0621 && c <= 0x064A; }))
        << "the entry of " << word << " holds no Arabic letter";
}

}  // namespace
