#include "TestBook.h"
#include "TextSearchHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kBook = Book({
    "*BOOK*T 1.00", "*END*", "*1* intro",
    "@ [tab] t a b: one",
    "@ [table] t a b l e: two",
    "@ [tabs] t a b s: three",
    "@ [ko] k o: first",
    "@ [kop] k o p: x",
    "@ [ko] k o: second",
    "@ word plain",
    "*1*end of book",
    "*EOF*xx",
});

// Lines of 3, 5 and 4 bytes, starting at 0, 5, 12 and 18 (the last line empty).
const std::string kListT = "tab\r\ntable\r\ntabs\r\n";
const std::string kListK = "ko\r\nkop\r\nko\r\n";
const std::string kTab = " [tab] t a b: one\r";
const std::string kTable = " [table] t a b l e: two\r";
const std::string kTabs = " [tabs] t a b s: three\r";
const std::string kWord = " word plain\r";

struct Step {
    bool click;
    std::string search;  // typed text
    int caret;           // where a click puts the caret in the result box
};

Step Type(std::string text) { return {false, std::move(text), 0}; }
Step Click(int caret) { return {true, "", caret}; }

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    std::string search;
    std::string result;
    bool entryShown;
};

class SearchRulesTest : public testing::TestWithParam<Scenario> {};

TEST_P(SearchRulesTest, EndsInState)
{
    const Scenario& s = GetParam();
    CTextSearchHarness window(kBook.c_str());
    for (const Step& step : s.steps) {
        if (step.click)
            window.ClickResult(step.caret);
        else
            window.Type(step.search.c_str());
    }
    EXPECT_EQ(Str(window.SearchText()), s.search);
    EXPECT_EQ(Str(window.ResultText()), s.result);
    EXPECT_EQ(window.m_bEntryShown, s.entryShown);
}

INSTANTIATE_TEST_SUITE_P(
    SearchRules, SearchRulesTest,
    testing::Values(
        Scenario{"Constructed", {}, "", "", false},
        Scenario{"TypingLists", {Type("t")}, "t", kListT, false},
        Scenario{"OneByteSingleMatchShowsEntry", {Type("w")}, "w", kWord, true},
        Scenario{"TypingOnToOneEntry", {Type("t"), Type("tabl")}, "tabl", kTable, true},
        Scenario{"EntryBackToList", {Type("tabl"), Type("t")}, "t", kListT, false},
        Scenario{"NoMatchEmptiesResult", {Type("t"), Type("tx")}, "tx", "", false},
        Scenario{"StarAloneEmptiesKeepingEntryFlag", {Type("w"), Type("*")}, "*", "", true},
        Scenario{"StarAloneEmptiesKeepingListFlag", {Type("t"), Type("*")}, "*", "", false},
        Scenario{"TwoStarsAreLookedUp", {Type("w"), Type("**")}, "**", "", false},
        Scenario{"StarPrefixShowsClosingLine", {Type("*e")}, "*e", "1*end of book\r", true},
        Scenario{"DeletingEverythingKeepsEntryFlag", {Type("w"), Type("")}, "", "", true},
        Scenario{"ClickIntoEmptiedEntryDoesNothing", {Type("w"), Type(""), Click(0)}, "", "", true},
        Scenario{"ClickIntoEmptyListDoesNothing", {Type("zz"), Click(0)}, "zz", "", false},
        Scenario{"ClickIntoShownEntryDoesNothing", {Type("tabl"), Click(4)}, "tabl", kTable, true},
        Scenario{"PickShowsEntryEvenWhenItsListingIsAList", {Type("t"), Click(1)}, "tab", kTab, true},
        Scenario{"PickFromMiddleOfLine", {Type("t"), Click(8)}, "table", kTable, true},
        Scenario{"RepeatedHeadwordListedTwice", {Type("k")}, "k", kListK, false},
        Scenario{"PickLaterEqualHeadwordShowsFirst", {Type("k"), Click(10)}, "ko", " [ko] k o: first\r", true},
        Scenario{"PickEmptyLastLine", {Type("t"), Click(18)}, "", "", false},
        Scenario{"SecondClickAfterPickDoesNothing", {Type("t"), Click(8), Click(0)}, "table", kTable, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SearchRulesTest, PickTakesTheWholeLineAtTheCaret)
{
    struct Line {
        int start;
        int cr;  // the line's CR, or its end for the last line
        std::string word;
        std::string entry;
        bool entryShown;
    };
    const Line lines[] = {
        {0, 3, "tab", kTab, true},
        {5, 10, "table", kTable, true},
        {12, 16, "tabs", kTabs, true},
        {18, 18, "", "", false},
    };
    for (const Line& line : lines) {
        for (int caret = line.start; caret <= line.cr; ++caret) {
            SCOPED_TRACE(caret);
            CTextSearchHarness window(kBook.c_str());
            window.Type("t");
            ASSERT_EQ(Str(window.ResultText()), kListT);
            window.ClickResult(caret);
            EXPECT_EQ(Str(window.SearchText()), line.word);
            EXPECT_EQ(Str(window.ResultText()), line.entry);
            EXPECT_EQ(window.m_bEntryShown, line.entryShown);
        }
    }
}

TEST(SearchRulesTest, PickedLineThatIsNoHeadwordEmptiesResult)
{
    // A headword whose token runs over a line end is listed over two lines;
    // its second line is no headword, though its listing is a single entry.
    const std::string book = Book({"@ word", "nex t", "@ wox y", "@ nexus z"});
    CTextSearchHarness window(book.c_str());
    window.Type("w");
    ASSERT_EQ(Str(window.ResultText()), "word\r\nnex\r\nwox\r\n");
    window.ClickResult(7);
    EXPECT_EQ(Str(window.SearchText()), "nex");
    EXPECT_EQ(Str(window.ResultText()), "");
    EXPECT_FALSE(window.m_bEntryShown);
}

}  // namespace
