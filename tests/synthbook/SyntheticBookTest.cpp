#include "EntryScanner.h"
#include "SyntheticBook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <string_view>
#include <vector>

namespace {

std::string RunGenerator(const std::string& name)
{
    // CTest runs the cases as parallel processes: each writes its own file.
    std::string path = testing::TempDir() + std::to_string(::getpid()) + "-" + name;
    std::string command = std::string("\"") + KALIMOR_SYNTHBOOK + "\" \"" + path + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The book's lines without their CR LF; a line feed without its CR fails the test.
std::vector<std::string_view> Lines(std::string_view book)
{
    std::vector<std::string_view> lines;
    while (!book.empty()) {
        std::size_t lf = book.find('\n');
        EXPECT_NE(lf, std::string_view::npos) << "the last line lacks its CR LF";
        EXPECT_TRUE(lf > 0 && book[lf - 1] == '\r') << "a line feed without its CR";
        if (lf == std::string_view::npos || lf == 0)
            break;
        lines.push_back(book.substr(0, lf - 1));
        book.remove_prefix(lf + 1);
    }
    return lines;
}

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

// Letters and vowel marks of Windows-1256, beginning with a letter.
bool IsArabicWord(std::string_view word)
{
    const std::string_view kNotLetters("\xD7\xDC\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF7\xF9");
    const std::string_view kMarks("\xF0\xF1\xF2\xF3\xF5\xF6\xF8\xFA");
    auto isLetterOrMark = [&](char c) {
        unsigned char byte = static_cast<unsigned char>(c);
        return byte >= 0xC1 && byte <= 0xFA && kNotLetters.find(c) == std::string_view::npos;
    };
    return !word.empty() && kMarks.find(word.front()) == std::string_view::npos &&
           std::all_of(word.begin(), word.end(), isLetterOrMark);
}

std::size_t Occurrences(std::string_view text, std::string_view pattern)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(pattern); at != std::string_view::npos; at = text.find(pattern, at + 1))
        ++count;
    return count;
}

class SyntheticBookTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s_book = new std::string(RunGenerator("synthbook-first.txt")); }
    static void TearDownTestSuite() { delete s_book; }

    static std::string* s_book;
};

std::string* SyntheticBookTest::s_book = nullptr;

TEST_F(SyntheticBookTest, EveryRunAndTheLibraryGiveTheSameBytes)
{
    EXPECT_TRUE(*s_book == RunGenerator("synthbook-second.txt"));
    EXPECT_TRUE(*s_book == GenerateSyntheticBook());
}

TEST_F(SyntheticBookTest, HasTheEmbeddedBooksLayoutAndSizes)
{
    EXPECT_EQ(s_book->size(), 975848u);
    EXPECT_EQ(s_book->find('\0'), std::string::npos);
    std::vector<std::string_view> lines = Lines(*s_book);
    ASSERT_EQ(lines.size(), 3858u);
    for (std::string_view line : lines)
        EXPECT_EQ(line.find('\r'), std::string_view::npos) << "a lone carriage return";

    EXPECT_EQ(lines[0].substr(0, 6), "*BOOK*");
    EXPECT_EQ(lines[7], "*END*");
    std::size_t headerBytes = 0;
    for (std::size_t i = 0; i < 8; ++i)
        headerBytes += lines[i].size() + 2;
    EXPECT_EQ(headerBytes, 423u);
    EXPECT_TRUE(StartsWith(lines.back(), "*EOF*"));
    EXPECT_EQ(lines.back().size() + 2, 262u);

    std::size_t chapters = 0, rootEntries = 0, plainEntries = 0, continuations = 0;
    for (std::size_t i = 8; i + 1 < lines.size(); ++i) {
        if (StartsWith(lines[i], "*1*"))
            ++chapters;
        else if (StartsWith(lines[i], "@ ["))
            ++rootEntries;
        else if (StartsWith(lines[i], "@ "))
            ++plainEntries;
        else
            ++continuations;
    }
    EXPECT_EQ(chapters, 30u);
    EXPECT_EQ(rootEntries, 3471u);
    EXPECT_EQ(plainEntries, 297u);
    EXPECT_GT(continuations, 0u);
    EXPECT_TRUE(StartsWith(lines[lines.size() - 2], "*1*")) << "the closing chapter line comes last";
}

TEST_F(SyntheticBookTest, KeepsTheRulesTheLookupsRestOn)
{
    std::vector<std::string_view> lines = Lines(*s_book);
    std::size_t entryLines = 0, chapterLines = 0;
    for (std::string_view line : lines) {
        entryLines += StartsWith(line, "@ ");
        chapterLines += StartsWith(line, "*1");
    }
    EXPECT_EQ(Occurrences(*s_book, "@ "), entryLines);
    EXPECT_EQ(Occurrences(*s_book, "*1"), chapterLines);
    std::size_t closing = s_book->rfind("*1");
    EXPECT_EQ(s_book->find("@ ", closing), std::string::npos);
}

TEST_F(SyntheticBookTest, WalkYieldsEveryEntryWithArabicHeadwords)
{
    EntryScanner scanner(s_book->c_str());
    ScannedEntry entry;
    std::size_t visits = 0, bracketed = 0;
    std::string lastHeadword;
    while (scanner.Next(entry)) {
        ++visits;
        std::string_view token(entry.marker + 2, static_cast<std::size_t>(entry.tokenEnd - entry.marker - 2));
        ASSERT_FALSE(token.empty());
        EXPECT_LE(token.size(), 250u);
        EXPECT_EQ(token.find_first_of("\r\n"), std::string_view::npos) << token;
        if (token.front() == '[') {
            ++bracketed;
            EXPECT_EQ(token.back(), ']') << token;
        }
        lastHeadword = entry.headword;
        std::string_view headword = token.front() == '[' ? token.substr(1, token.size() - 2) : token;
        if (*entry.marker == '@') {
            EXPECT_TRUE(IsArabicWord(headword)) << token;
        }
    }
    EXPECT_EQ(visits, 3769u) << "3,768 entries and the closing chapter line";
    EXPECT_EQ(bracketed, 3471u);
    EXPECT_EQ(lastHeadword.substr(0, 1), "*");
}

TEST_F(SyntheticBookTest, EntryLineLengthsSpreadLikeTheEmbeddedBooks)
{
    std::vector<std::size_t> lengths;
    for (std::string_view line : Lines(*s_book))
        if (StartsWith(line, "@ "))
            lengths.push_back(line.size());
    ASSERT_EQ(lengths.size(), 3768u);
    std::sort(lengths.begin(), lengths.end());
    std::size_t median = (lengths[1883] + lengths[1884]) / 2;
    std::size_t overLimit = static_cast<std::size_t>(
        lengths.end() - std::upper_bound(lengths.begin(), lengths.end(), 255u));
    EXPECT_GE(median, 150u);
    EXPECT_LE(median, 170u);
    EXPECT_GE(lengths.back(), 2500u);
    EXPECT_LE(lengths.back(), 3200u);
    EXPECT_GE(overLimit, 3768u * 30 / 100);
    EXPECT_LE(overLimit, 3768u * 36 / 100);
}

}  // namespace
