#include "TypedWord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "انظر: " and "، " in Windows-1256.
const std::string kSee = "\xC7\xE4\xD9\xD1: ";
const std::string kAnd = "\xA1 ";

const std::string kBook = "*BOOK*t 1.00\r\n*END*\r\n*1*a\r\n"
                          "@ cat a pet\r\n@ cats " + kSee + "cat\r\n@ catalog a list\r\n@ dog a pet\r\n"
                          "@ dogs " + kSee + "dog" + kAnd + "hound\r\n@ hound a dog\r\n*1*end\r\n";

// Typing a whole word shows the entry that the listing shows at once, or,
// where the word is listed among others, the one that a click on it shows.
TEST(EntryTypedFor, IsWhatTheSearchBoxShowsAtOnceOrAtAClickOnTheWord)
{
    EXPECT_EQ(EntryTypedFor(kBook.c_str(), "cat"), " cat a pet\r") << "listed with cats and catalog";
    EXPECT_EQ(EntryTypedFor(kBook.c_str(), "catalog"), " catalog a list\r");
    EXPECT_EQ(EntryTypedFor(kBook.c_str(), "catal"), " catalog a list\r") << "the one entry that begins so";
    EXPECT_EQ(EntryTypedFor(kBook.c_str(), "ca"), std::nullopt) << "a list without the word";
    EXPECT_EQ(EntryTypedFor(kBook.c_str(), "cow"), std::nullopt);
}

TEST(ReferredHeadwords, AreTheHeadwordsAReferenceAloneNames)
{
    EXPECT_EQ(ReferredHeadwords(" cats " + kSee + "cat\r"), std::vector<std::string>{"cat"});
    EXPECT_EQ(ReferredHeadwords(" dogs " + kSee + "dog" + kAnd + "hound\r"), (std::vector<std::string>{"dog", "hound"}));
    EXPECT_TRUE(ReferredHeadwords(" cats a pet | " + kSee + "cat\r").empty()) << "an entry of its own that also refers";
    EXPECT_TRUE(ReferredHeadwords(" cat a pet\r").empty());
    EXPECT_TRUE(ReferredHeadwords(" " + kSee + "cat\r").empty()) << "no headword";
}

}  // namespace
