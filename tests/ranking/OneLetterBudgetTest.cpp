#include "OneLetterBudget.h"

#include <gtest/gtest.h>

namespace {

using ranking::Candidate;

std::vector<std::string> Kept(const std::vector<Candidate>& candidates, ranking::ListBudget budget,
                              std::string_view already = "")
{
    ranking::OneLetterBudget lists(budget);
    if (!already.empty())
        lists.Take(already);
    std::vector<bool> kept = ranking::ChooseWithinBudget(candidates, lists);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (kept[i])
            names.emplace_back(candidates[i].headword);
    }
    return names;
}

TEST(OneLetterBudget, TakesAHeadwordOnlyWhileItsListHasRoomForItAndItsLineEnd)
{
    ranking::OneLetterBudget lists({2, 9});
    EXPECT_TRUE(lists.Take("ab"));     // 4 bytes
    EXPECT_FALSE(lists.Take("abcd"));  // 10 bytes
    EXPECT_TRUE(lists.Take("abc"));    // 9 bytes
    EXPECT_FALSE(lists.Take("a")) << "two headwords already";
    EXPECT_TRUE(lists.Take("b")) << "another byte, another list";
    EXPECT_FALSE(lists.Take(""));
}

// The weight first, then the gloss's tier, the kind, the length: a word a
// reader meets often stays before a rare one, whatever its source.
TEST(ChooseWithinBudget, KeepsTheWordsThatAReaderMeetsMostWhereTheListIsFull)
{
    const std::vector<Candidate> candidates = {
        {"aaaa", 0, 1, 0, {}}, {"ab", 0, 0, 1, {}}, {"ac", 0, 0, 0, {}}, {"adddd", 50, 3, 2, {}}, {"ae", 0, 0, 0, {}},
        {"b", 0, 3, 2, {}},    {"a", 0, 2, 0, {}},
    };
    EXPECT_EQ(Kept(candidates, {3, 1000}), (std::vector<std::string>{"ac", "adddd", "ae", "b"}))
        << "adddd by its weight, then ac and ae by their tier and kind; b in a list of its own";
    EXPECT_EQ(Kept(candidates, {4, 1000}), (std::vector<std::string>{"ab", "ac", "adddd", "ae", "b"}));
    EXPECT_EQ(Kept(candidates, {3, 10}), (std::vector<std::string>{"adddd", "b", "a"}))
        << "a headword that does not fit leaves room for a shorter one";
    EXPECT_EQ(Kept(candidates, {3, 1000}, "a:"), (std::vector<std::string>{"ac", "adddd", "b"}))
        << "a headword that the list held before takes its place";
}

TEST(ChooseWithinBudget, KeepsASpellingOnlyWhereAWordItLeadsToStayed)
{
    const std::vector<Candidate> candidates = {
        {"aa", 9, 0, 0, {}}, {"ab", 5, 0, 0, {}}, {"ba", 9, 0, 3, {0}}, {"bb", 5, 0, 3, {1}}, {"bc", 5, 0, 3, {0, 1}},
    };
    EXPECT_EQ(Kept(candidates, {1, 100}), (std::vector<std::string>{"aa", "ba"}));
    EXPECT_EQ(Kept(candidates, {2, 100}), (std::vector<std::string>{"aa", "ab", "ba", "bb"}));
}

}  // namespace
