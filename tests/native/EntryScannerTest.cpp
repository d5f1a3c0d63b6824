#include "EntryScanner.h"
#include "TestBook.h"
#include "WalkComparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct WalkCase {
    const char* name;
    std::string text;
    std::vector<std::string> headwords;
};

std::vector<WalkCase> WalkCases()
{
    const std::string token250(250, 'k');
    const std::string token251(251, 'k');
    return {
        {"HeaderNeverVisited",
         Book({"*BOOK*T 1.00", "*AUTHOR*A B", "*STAMP*@x[y]@", "*TYPING* a note: [x] y", "*END*",
               "*1* intro", "@ [abc] a b c: x", "@ word rest", "*1*end of book", "*EOF*xx"}),
         {"abc", "word", "*end"}},
        {"OneLetterRoot", Book({"@ [q] q: x"}), {"q"}},
        {"BracketWithoutClosingLosesLastByte", Book({"@ [abc: a b c"}), {"abc"}},
        {"SpaceInsideBracketsCutsThere", Book({"@ [ab cd] x"}), {"a"}},
        {"OpeningBracketAloneIsEmpty", Book({"@ [ x", "@ b y"}), {"", "b"}},
        {"MarkerMidLine", Book({"@ [abc] a b c: see @ two there", "text @ three x"}), {"abc", "two", "three"}},
        {"AtWithoutSpaceIsNoMarker", Book({"@ a x", "@b letter intro", "x@y", "@ c z"}), {"a", "c"}},
        {"MarkerEndingTheTokenIsPassedOver", Book({"@ ab@ cd x"}), {"ab@"}},
        {"TokenRunsOverLineEnd", Book({"@ word", "next line", "@ b x"}), {"word\r\nnext", "b"}},
        {"RepeatedHeadwords", Book({"@ [ab] 1", "@ ab 2", "@ [ab] 3"}), {"ab", "ab", "ab"}},
        {"ChaptersBeforeEntriesArePassedOver",
         Book({"*1* A", "@ a x", "*1* B [ 1 ]", "@ b y", "*1*close z", "*EOF*q"}), {"a", "b", "*close"}},
        {"NoEntryMarkerYieldsNothing",
         Book({"*BOOK*T", "*END*", "*1* intro", "text", "*1*end of book", "*EOF*"}), {}},
        {"EmptyText", "", {}},
        {"Token250", Book({"@ a x", "@ " + token250 + " y", "@ b z"}), {"a", token250, "b"}},
        {"Token251EndsWalk", Book({"@ a x", "@ " + token251 + " y", "@ b z", "*1*end"}), {"a"}},
        {"BracketedToken250", Book({"@ [" + std::string(248, 'k') + "] y", "@ b z"}),
         {std::string(248, 'k'), "b"}},
        {"BracketedToken251EndsWalk", Book({"@ a x", "@ [" + std::string(249, 'k') + "] y", "@ b z"}), {"a"}},
        {"NoSpaceBeforeEndEndsWalk", "@ a x\r\n@ tail", {"a"}},
    };
}

class WalkTest : public testing::TestWithParam<WalkCase> {};

TEST_P(WalkTest, YieldsHeadwordsInBookOrder)
{
    const char* text = GetParam().text.c_str();
    EXPECT_EQ(Headwords(RecordWalk(text)), GetParam().headwords);
    EXPECT_EQ(WalkDifference(text, reference::Walk(text)), "");
}

INSTANTIATE_TEST_SUITE_P(EntryScanner, WalkTest, testing::ValuesIn(WalkCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EntryScannerTest, StaysEndedOnceTheWalkHasEnded)
{
    const std::string texts[] = {
        "",
        Book({"@ a x", "*1*end z"}),
        Book({"@ a x", "@ " + std::string(251, 'k') + " y", "@ b z"}),
        "@ tail",
    };
    for (const std::string& text : texts) {
        EntryScanner scanner(text.c_str());
        ScannedEntry entry;
        while (scanner.Next(entry)) {
        }
        EXPECT_FALSE(scanner.Next(entry)) << text;
        EXPECT_FALSE(scanner.Next(entry)) << text;
    }
}

struct EntryTextCase {
    const char* name;
    std::string text;
    std::size_t visit;
    std::string entryText;
};

class EntryTextTest : public testing::TestWithParam<EntryTextCase> {};

TEST_P(EntryTextTest, IsTheMarkersOwnLine)
{
    const EntryTextCase& c = GetParam();
    const std::vector<reference::Entry> entries = RecordWalk(c.text.c_str());
    ASSERT_LT(c.visit, entries.size());
    EXPECT_EQ(entries[c.visit].text, c.entryText);
}

INSTANTIATE_TEST_SUITE_P(
    EntryScanner, EntryTextTest,
    testing::Values(
        EntryTextCase{"OwnLineOnly",
                      Book({"@ [abc] a b c: def", "continuation line", "", "@b letter", "@ next x"}), 0,
                      " [abc] a b c: def\r"},
        EntryTextCase{"MarkerMidLine", Book({"see @ two there", "more"}), 0, " two there\r"},
        EntryTextCase{"TokenOverLineEndStillEndsAtItsLine", Book({"@ word", "next line"}), 0, " word\r"},
        EntryTextCase{"ClosingChapterLineFromItsOne", Book({"@ a x", "*1*end of book", "*EOF*xx"}), 1,
                      "1*end of book\r"},
        EntryTextCase{"WithoutLineFeedEndsAtChapterMarker", "@ a b*1*c d", 0, " a b"},
        EntryTextCase{"WithoutLineFeedOrChapterMarkerRunsToEnd", "@ a b c", 0, " a b c"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
