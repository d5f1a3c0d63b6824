#include "BookStore.h"
#include "DictionaryLookup.h"
#include "TestBook.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
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

// Facts that hold for any book in the format, checked on the one linked in.
class EmbeddedBookTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_book = std::string_view(BookStore::GetStart(), BookStore::GetLength());
        s_visits = Walk(BookStore::GetStart());
    }

    static std::string_view Token(const Visit& visit)
    {
        return s_book.substr(visit.marker + 2, visit.tokenEnd - visit.marker - 2);
    }

    static std::string_view s_book;
    static std::vector<Visit> s_visits;
};

std::string_view EmbeddedBookTest::s_book;
std::vector<Visit> EmbeddedBookTest::s_visits;

TEST_F(EmbeddedBookTest, WalkVisitsEveryEntryLineInOrderThenTheClosingChapter)
{
    ASSERT_GE(s_visits.size(), 2u);
    const std::size_t headerEnd = s_book.find("*END*\r\n");
    ASSERT_NE(headerEnd, std::string_view::npos);
    EXPECT_GT(s_visits.front().marker, headerEnd);

    for (std::size_t i = 0; i + 1 < s_visits.size(); ++i) {
        const Visit& visit = s_visits[i];
        EXPECT_LT(visit.tokenEnd, s_visits[i + 1].marker);
        EXPECT_EQ(s_book.substr(visit.marker, 2), "@ ");
        EXPECT_EQ(s_book[visit.marker - 1], '\n') << "entry marker not at a line start: " << visit.marker;
    }

    std::size_t markers = 0;
    for (std::size_t at = s_book.find("@ "); at != std::string_view::npos; at = s_book.find("@ ", at + 1))
        ++markers;
    EXPECT_EQ(markers, s_visits.size() - 1);

    const Visit& closing = s_visits.back();
    EXPECT_EQ(s_book.substr(closing.marker, 3), "*1*");
    EXPECT_EQ(closing.headword.substr(0, 1), "*");
    EXPECT_EQ(s_book.find("*1", closing.tokenEnd), std::string_view::npos);
}

TEST_F(EmbeddedBookTest, EntryTextIsTheMarkersOwnLine)
{
    for (const Visit& visit : s_visits) {
        SCOPED_TRACE(visit.marker);
        const std::string& text = visit.entryText;
        ASSERT_GE(text.size(), 2 + Token(visit).size());
        EXPECT_EQ(text[0], s_book[visit.marker + 1]);
        EXPECT_EQ(std::string_view(text).substr(1, Token(visit).size()), Token(visit));
        EXPECT_EQ(text.back(), '\r');
        EXPECT_EQ(text.find('\n'), std::string::npos);
        EXPECT_EQ(s_book[visit.marker + 1 + text.size()], '\n');
    }
}

TEST_F(EmbeddedBookTest, ExactLookupFindsFirstEntryOfEveryHeadword)
{
    std::map<std::string, const Visit*> first;
    for (const Visit& visit : s_visits)
        first.emplace(visit.headword, &visit);

    for (const auto& [headword, visit] : first) {
        SCOPED_TRACE(headword);
        CDictionaryLookup lookup;
        CString result;
        lookup.ExactLookup(headword.c_str(), result);
        EXPECT_TRUE(lookup.m_bEntryShown);
        EXPECT_EQ(Str(result), visit->entryText);
    }
}

TEST_F(EmbeddedBookTest, PrefixListingOfEveryHeadwordHoldsIt)
{
    std::map<std::string, std::vector<const Visit*>> beginningWith;
    for (const Visit& visit : s_visits)
        beginningWith.emplace(visit.headword, std::vector<const Visit*>());
    for (auto& [prefix, matches] : beginningWith) {
        for (const Visit& visit : s_visits) {
            if (visit.headword.compare(0, prefix.size(), prefix) == 0)
                matches.push_back(&visit);
        }
    }

    for (const auto& [headword, matches] : beginningWith) {
        SCOPED_TRACE(headword);
        CDictionaryLookup lookup;
        CString result;
        lookup.PrefixListing(headword.c_str(), result);
        if (matches.size() == 1) {
            EXPECT_TRUE(lookup.m_bEntryShown);
            EXPECT_EQ(Str(result), matches.front()->entryText);
            continue;
        }
        std::string list;
        for (const Visit* match : matches)
            list += match->headword + "\r\n";
        EXPECT_FALSE(lookup.m_bEntryShown);
        EXPECT_EQ(Str(result), list);
    }
}

TEST_F(EmbeddedBookTest, OnlyTheClosingHeadwordBeginsWithStar)
{
    CDictionaryLookup lookup;
    CString result;
    lookup.PrefixListing("*", result);
    EXPECT_TRUE(lookup.m_bEntryShown);
    EXPECT_EQ(Str(result), s_visits.back().entryText);
    EXPECT_EQ(Str(result).substr(0, 2), "1*");
}

}  // namespace
