#include "DictionaryLookup.h"
#include "TestBook.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Headwords in book order: abc abd ab xyz q ab kl klm rr rr *end
const std::string kBook = Book({
    "*BOOK*T 1.00", "*END*", "*1* intro",
    "@ [abc] a b c: first",
    "@ [abd] a b d: second",
    "@ [ab] a b: third",
    "@ xyz word",
    "@ [q] q: fourth",
    "@ [ab] a b: again",
    "@ [kl] k l: fifth",
    "@ [klm] k l m: sixth",
    "@ [rr] r r: one",
    "@ [rr] r r: two",
    "*1*end of book",
    "*EOF*xx",
});

struct LookupCase {
    const char* name;
    std::string query;
    std::string result;
    bool entryShown;
};

enum class Lookup { Prefix, Exact };

// Runs the lookup with the flag set both ways beforehand: every call sets it.
void ExpectLookup(Lookup kind, const std::string& book, const std::string& query, const std::string& result,
                  bool entryShown, const char* given = "")
{
    for (bool shownBefore : {false, true}) {
        SCOPED_TRACE(testing::Message() << "flag before: " << shownBefore);
        CDictionaryLookup lookup(book.c_str());
        lookup.m_bEntryShown = shownBefore;
        CString out(given);
        const CString in(query.data(), static_cast<int>(query.size()));
        if (kind == Lookup::Prefix)
            lookup.PrefixListing(in, out);
        else
            lookup.ExactLookup(in, out);
        EXPECT_EQ(Str(out), result);
        EXPECT_EQ(lookup.m_bEntryShown, entryShown);
    }
}

void ExpectCase(Lookup kind, const LookupCase& c)
{
    ExpectLookup(kind, kBook, c.query, c.result, c.entryShown);
}

auto CaseName = [](const auto& info) { return std::string(info.param.name); };

class PrefixListingTest : public testing::TestWithParam<LookupCase> {};

TEST_P(PrefixListingTest, ListsOrShowsTheOnlyEntry)
{
    ExpectCase(Lookup::Prefix, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    DictionaryLookup, PrefixListingTest,
    testing::Values(
        LookupCase{"OneByteListsInBookOrder", "a", "abc\r\nabd\r\nab\r\nab\r\n", false},
        LookupCase{"SingleMatchShowsEntry", "abc", " [abc] a b c: first\r", true},
        LookupCase{"OneByteSingleMatch", "x", " xyz word\r", true},
        LookupCase{"OneLetterRoot", "q", " [q] q: fourth\r", true},
        LookupCase{"HeadwordRepeatedAndBeginningOthers", "ab", "abc\r\nabd\r\nab\r\nab\r\n", false},
        LookupCase{"HeadwordBeginningAnother", "kl", "kl\r\nklm\r\n", false},
        LookupCase{"LongerHeadwordAlone", "klm", " [klm] k l m: sixth\r", true},
        LookupCase{"RepeatedHeadwordIsNeverAnEntry", "rr", "rr\r\nrr\r\n", false},
        LookupCase{"LongerThanTheHeadword", "abcd", "", false},
        LookupCase{"LongerThanEveryHeadword", "abcdefghijklmnop", "", false},
        LookupCase{"HoldsSpace", "a b", "", false},
        LookupCase{"WithBrackets", "[abc]", "", false},
        LookupCase{"StarFindsClosingLine", "*", "1*end of book\r", true},
        LookupCase{"StarPrefixOfClosingHeadword", "*en", "1*end of book\r", true},
        LookupCase{"ClosingHeadwordInFull", "*end", "1*end of book\r", true},
        LookupCase{"TwoStars", "**", "", false},
        LookupCase{"EmptyListsEverything", "", "abc\r\nabd\r\nab\r\nxyz\r\nq\r\nab\r\nkl\r\nklm\r\nrr\r\nrr\r\n*end\r\n",
                   false}),
    CaseName);

class ExactLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(ExactLookupTest, FindsTheFirstEqualHeadword)
{
    ExpectCase(Lookup::Exact, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    DictionaryLookup, ExactLookupTest,
    testing::Values(
        LookupCase{"Found", "abd", " [abd] a b d: second\r", true},
        LookupCase{"PlainWord", "xyz", " xyz word\r", true},
        LookupCase{"RepeatedGivesFirstOccurrence", "ab", " [ab] a b: third\r", true},
        LookupCase{"RepeatedWithNoOtherGivesFirst", "rr", " [rr] r r: one\r", true},
        LookupCase{"HeadwordBeginningAnother", "kl", " [kl] k l: fifth\r", true},
        LookupCase{"PrefixOfHeadwordsOnly", "a", "", false},
        LookupCase{"LongerThanHeadword", "abcd", "", false},
        LookupCase{"TrailingSpace", "abc ", "", false},
        LookupCase{"WithBrackets", "[abc]", "", false},
        LookupCase{"Empty", "", "", false},
        LookupCase{"ClosingChapterLine", "*end", "1*end of book\r", true},
        LookupCase{"StarAlone", "*", "", false}),
    CaseName);

TEST(DictionaryLookupTest, MissLeavesTheGivenResult)
{
    const std::string noEntries = Book({"*BOOK*T", "*END*", "*1* intro", "text", "*1*end of book", "*EOF*"});
    ExpectLookup(Lookup::Prefix, noEntries, "", "keep", false, "keep");
    ExpectLookup(Lookup::Prefix, noEntries, "*end", "keep", false, "keep");
    ExpectLookup(Lookup::Exact, noEntries, "*end", "keep", false, "keep");
    ExpectLookup(Lookup::Exact, kBook, "zz", "keep", false, "keep");
    ExpectLookup(Lookup::Prefix, kBook, "zz", "keep", false, "keep");
}

TEST(DictionaryLookupTest, QueriesUpToTheTokenLimit)
{
    const std::string headword(250, 'k');
    const std::string book = Book({"@ " + headword + " long", "@ kk short"});
    const std::string entry = " " + headword + " long\r";
    ExpectLookup(Lookup::Prefix, book, headword, entry, true);
    ExpectLookup(Lookup::Prefix, book, "kk", headword + "\r\nkk\r\n", false);
    ExpectLookup(Lookup::Exact, book, headword, entry, true);
    for (std::size_t length : {251, 254, 255, 256, 400}) {
        SCOPED_TRACE(length);
        ExpectLookup(Lookup::Prefix, book, std::string(length, 'k'), "", false);
        ExpectLookup(Lookup::Exact, book, std::string(length, 'k'), "", false);
    }
}

TEST(DictionaryLookupTest, TokenOverTheLimitHidesLaterEntries)
{
    const std::string book = Book({"@ a1 x", "@ " + std::string(251, 'a') + " y", "@ a2 z", "*1*end"});
    ExpectLookup(Lookup::Prefix, book, "a", " a1 x\r", true);
    ExpectLookup(Lookup::Prefix, book, "a2", "", false);
    ExpectLookup(Lookup::Prefix, book, "*", "", false);
    ExpectLookup(Lookup::Exact, book, "a1", " a1 x\r", true);
    ExpectLookup(Lookup::Exact, book, "a2", "", false);
}

}  // namespace
