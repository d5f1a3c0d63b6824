#include "BookStore.h"
#include "ReferenceWalk.h"
#include "WalkComparison.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

TEST(BookStoreTest, TextIsFollowedByItsTerminator)
{
    const char* start = BookStore::GetStart();
    const std::uint32_t length = BookStore::GetLength();
    ASSERT_GE(length, 2u);
    EXPECT_EQ(start[length], '\0');
    EXPECT_EQ(start[length - 1], '\n');
    EXPECT_EQ(start[length - 2], '\r');
    EXPECT_EQ(std::strlen(start), length);
    EXPECT_EQ(std::string_view(start, 6), "*BOOK*");
}

TEST(BookStoreTest, SameValuesOnEveryCall)
{
    const char* start = BookStore::GetStart();
    const std::uint32_t length = BookStore::GetLength();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(BookStore::GetStart(), start);
        EXPECT_EQ(BookStore::GetLength(), length);
    }
}

// The walk and the lookups on the one book linked in, held to the reference
// model, and facts that hold for any book in the format.
class EmbeddedBookTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_book = std::string_view(BookStore::GetStart(), BookStore::GetLength());
        s_entries = reference::Walk(BookStore::GetStart());
    }

    static std::string_view Token(const reference::Entry& entry)
    {
        return s_book.substr(entry.marker + 2, entry.tokenEnd - entry.marker - 2);
    }

    static std::string_view s_book;
    static std::vector<reference::Entry> s_entries;
};

std::string_view EmbeddedBookTest::s_book;
std::vector<reference::Entry> EmbeddedBookTest::s_entries;

TEST_F(EmbeddedBookTest, WalkAgreesWithTheModel)
{
    EXPECT_EQ(WalkDifference(BookStore::GetStart(), s_entries), "");
}

TEST_F(EmbeddedBookTest, WalkVisitsEveryEntryLineInOrderThenTheClosingChapter)
{
    ASSERT_GE(s_entries.size(), 2u);
    const std::size_t headerEnd = s_book.find("*END*\r\n");
    ASSERT_NE(headerEnd, std::string_view::npos);
    EXPECT_GT(s_entries.front().marker, headerEnd);

    for (std::size_t i = 0; i + 1 < s_entries.size(); ++i) {
        const reference::Entry& entry = s_entries[i];
        EXPECT_EQ(s_book.substr(entry.marker, 2), "@ ");
        EXPECT_EQ(s_book[entry.marker - 1], '\n') << "entry marker not at a line start: " << entry.marker;
    }

    std::size_t markers = 0;
    for (std::size_t at = s_book.find("@ "); at != std::string_view::npos; at = s_book.find("@ ", at + 1))
        ++markers;
    EXPECT_EQ(markers, s_entries.size() - 1);

    const reference::Entry& closing = s_entries.back();
    EXPECT_EQ(s_book.substr(closing.marker, 3), "*1*");
    EXPECT_EQ(closing.headword.substr(0, 1), "*");
    EXPECT_EQ(s_book.find("*1", closing.tokenEnd), std::string_view::npos);
}

TEST_F(EmbeddedBookTest, EntryTextIsTheMarkersOwnLine)
{
    for (const reference::Entry& entry : s_entries) {
        SCOPED_TRACE(entry.marker);
        const std::string& text = entry.text;
        ASSERT_GE(text.size(), 2 + Token(entry).size());
        EXPECT_EQ(std::string_view(text).substr(1, Token(entry).size()), Token(entry));
        EXPECT_EQ(text.back(), '\r');
        EXPECT_EQ(s_book[entry.marker + 1 + text.size()], '\n');
    }
}

// Each query walks the whole book twice, so every headword would cost time
// that grows with the square of the book: every one- and two-byte prefix (the
// longest lists) and every 64th headword stand for them. The generated books
// of the differential test hold every headword to the model.
TEST_F(EmbeddedBookTest, LookupsOfShortPrefixesAndSampledHeadwordsAgreeWithTheModel)
{
    std::set<std::string> headwords;
    for (const reference::Entry& entry : s_entries)
        headwords.insert(entry.headword);
    std::set<std::string> queries;
    std::size_t index = 0;
    for (const std::string& headword : headwords) {
        queries.insert(headword.substr(0, 1));
        queries.insert(headword.substr(0, 2));
        if (index++ % 64 == 0)
            queries.insert(headword);
    }
    for (const std::string& query : queries)
        EXPECT_EQ(LookupDifference(BookStore::GetStart(), s_entries, query), "") << query;
}

TEST_F(EmbeddedBookTest, OnlyTheClosingHeadwordBeginsWithStar)
{
    const reference::Answer answer = reference::PrefixListing(s_entries, "*");
    EXPECT_TRUE(answer.entryShown);
    EXPECT_EQ(answer.result, s_entries.back().text);
    EXPECT_EQ(answer.result.substr(0, 2), "1*");
    EXPECT_EQ(LookupDifference(BookStore::GetStart(), s_entries, "*"), "");
}

}  // namespace
