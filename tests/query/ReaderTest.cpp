#include "BookReader.h"
#include "BookStore.h"
#include "DictionaryLookup.h"
#include "EntryScanner.h"
#include "TextWords.h"
#include "Windows1256.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Cp1256(std::string_view utf8)
{
    static bookformat::Windows1256 encoding;
    return encoding.FromOwnText(utf8);
}

struct Fed {
    bool ok;
    std::vector<std::string> words;
};

Fed FeedPieces(TextWords& words, const std::vector<std::string>& pieces, bool finish = true)
{
    Fed fed{true, {}};
    auto take = [&](const std::string& word) { fed.words.push_back(word); };
    for (const std::string& piece : pieces)
        fed.ok = fed.ok && words.Feed(piece, take);
    if (fed.ok && finish)
        fed.ok = words.Finish(take);
    return fed;
}

TEST(TextWords, AreRunsOfOneScriptWhereverThePiecesAreCut)
{
    const std::string text = "وَالكتابُ، on the 2nd: كتابbook ـمد";
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < text.size(); at += 3)
        pieces.push_back(text.substr(at, 3));  // cuts two-byte letters in half
    TextWords words;
    Fed fed = FeedPieces(words, pieces);
    EXPECT_TRUE(fed.ok);
    EXPECT_EQ(fed.words, (std::vector<std::string>{"وَالكتابُ", "on", "the", "nd", "كتاب", "book", "ـمد"}));
}

TEST(TextWords, StopAtTheFirstByteThatIsNoUtf8AndDropTheWordItBreaks)
{
    TextWords words;
    Fed fed = FeedPieces(words, {"كتاب قلم", "\xFF", "ورقة"});
    EXPECT_FALSE(fed.ok);
    EXPECT_EQ(fed.words, std::vector<std::string>{"كتاب"}) << "قلم is broken off by the bad byte";
    EXPECT_EQ(words.BadOffset(), std::string("كتاب قلم").size());

    TextWords cut;
    fed = FeedPieces(cut, {"قلم \xD9"});
    EXPECT_FALSE(fed.ok) << "the text ends inside a character";
    EXPECT_EQ(fed.words, std::vector<std::string>{"قلم"});
    EXPECT_EQ(cut.BadOffset(), std::string("قلم ").size());

    TextWords surrogate;
    EXPECT_FALSE(FeedPieces(surrogate, {"a \xED\xA0\x80 b"}).ok);
    EXPECT_EQ(surrogate.BadOffset(), 2u);
}

// A small book: two words, a form that refers to one of them, an English word.
const std::string kBook = Cp1256(
    "*BOOK*t 1.00\r\n*END*\r\n*1*a\r\n"
    "@ كتاب كِتاب: book\r\n"
    "@ لكتاب wrong: the longer proclitic goes first\r\n"
    "@ مدرسة مَدْرَسَة: school\r\n"
    "@ كتب انظر: كِتاب (books) ؛ كَتَبَ (write)\r\n"
    "@ house بيت\r\n"
    "*1*end\r\n");

std::vector<std::string> EntriesFor(BookReader& reader, std::string_view word, BookReader::Found found)
{
    BookReader::Answer answer = reader.AnswerFor(word);
    EXPECT_EQ(answer.found, found) << word;
    return answer.entries;
}

TEST(BookReader, AnswersTheWordAsItStandsOrWithoutItsProclitics)
{
    BookReader reader(kBook.c_str());
    using Found = BookReader::Found;
    EXPECT_EQ(EntriesFor(reader, "كِتابٌ", Found::AsItStands), std::vector<std::string>{Cp1256(" كتاب كِتاب: book\r")})
        << "marks taken off";
    EXPECT_EQ(EntriesFor(reader, "House", Found::AsItStands), std::vector<std::string>{Cp1256(" house بيت\r")});
    EXPECT_EQ(EntriesFor(reader, "والكتاب", Found::WithoutProclitics), std::vector<std::string>{Cp1256(" كتاب كِتاب: book\r")})
        << "وال before ول";
    EXPECT_EQ(EntriesFor(reader, "للمدرسة", Found::WithoutProclitics),
              std::vector<std::string>{Cp1256(" مدرسة مَدْرَسَة: school\r")});
    EXPECT_EQ(EntriesFor(reader, "فالكتب", Found::WithoutProclitics),
              (std::vector<std::string>{Cp1256(" كتب انظر: كِتاب (books) ؛ كَتَبَ (write)\r"), Cp1256(" كتاب كِتاب: book\r")}))
        << "the reference's entries follow, كتب itself being that very entry";
    EXPECT_TRUE(EntriesFor(reader, "وكت", Found::NotInBook).empty());
    EXPECT_TRUE(EntriesFor(reader, "بك", Found::NotInBook).empty()) << "one letter left is no word";
    EXPECT_TRUE(EntriesFor(reader, "کتاب", Found::NotInBook).empty()) << "the Persian kaf, which Windows-1256 lacks";
    std::string longWord;
    while (longWord.size() <= 2 * BookReader::kLongestWord)
        longWord += "ب";
    EXPECT_TRUE(EntriesFor(reader, longWord, Found::NotInBook).empty());
}

}  // namespace

namespace {

// The reader's index gives what the exact lookup gives: over the book the
// program carries, for every 97th headword and for words that are none.
TEST(BookReader, EntryOfIsWhatTheExactLookupGives)
{
    const char* book = BookStore::GetStart();
    BookReader reader(book);
    CDictionaryLookup lookup(book);
    EntryScanner scanner(book);
    std::vector<std::string> words = {"", "zzzz", Cp1256("كتابكتاب")};
    int index = 0;
    for (ScannedEntry entry; scanner.Next(entry); ++index) {
        if (index % 97 == 0)
            words.emplace_back(entry.headword, static_cast<std::size_t>(entry.headwordLength));
    }
    ASSERT_GT(words.size(), 1000u);
    for (const std::string& word : words) {
        CString result;
        lookup.ExactLookup(CString(word.c_str()), result);
        std::optional<std::string> indexed = reader.EntryOf(word);
        ASSERT_EQ(indexed.has_value(), lookup.m_bEntryShown) << word;
        if (indexed) {
            EXPECT_EQ(*indexed, std::string(result, static_cast<std::size_t>(result.GetLength()))) << word;
        }
    }
}

}  // namespace
