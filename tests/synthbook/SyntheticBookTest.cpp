#include "BookFigures.h"
#include "BookRules.h"
#include "EntryScanner.h"
#include "SyntheticBook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
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

TEST_F(SyntheticBookTest, KeepsEveryRuleOfTheFormat)
{
    std::vector<std::string> violations;
    bookformat::CheckRules(*s_book, [&](const bookformat::Violation& v) { violations.push_back(v.what); });
    EXPECT_EQ(violations, std::vector<std::string>{});
}

TEST_F(SyntheticBookTest, HasTheEmbeddedBooksLayoutAndSizes)
{
    BookFigures f = MeasureBook(*s_book);
    EXPECT_EQ(f.bytes, 975848u);
    EXPECT_EQ(f.lines, 3858u);
    EXPECT_EQ(f.headerLines, 8u);
    EXPECT_EQ(f.headerBytes, 423u);
    EXPECT_EQ(f.chapterLines, 30u);
    EXPECT_EQ(f.formAEntryLines, 3471u);
    EXPECT_EQ(f.formBEntryLines, 297u);
    EXPECT_GT(f.continuationLines, 0u);
    EXPECT_EQ(f.endLineBytes, 262u);
}

TEST_F(SyntheticBookTest, WalkYieldsEveryEntryWithArabicHeadwords)
{
    EntryScanner scanner(s_book->c_str());
    ScannedEntry entry;
    std::size_t visits = 0;
    std::string lastHeadword;
    while (scanner.Next(entry)) {
        ++visits;
        lastHeadword = entry.headword;
        if (*entry.marker == '@') {
            EXPECT_TRUE(IsArabicWord(lastHeadword)) << lastHeadword;
        }
    }
    EXPECT_EQ(visits, 3769u) << "3,768 entries and the closing chapter line";
    EXPECT_EQ(lastHeadword.substr(0, 1), "*");
}

TEST_F(SyntheticBookTest, EntryLineLengthsSpreadLikeTheEmbeddedBooks)
{
    BookFigures f = MeasureBook(*s_book);
    EXPECT_GE(f.entryLineMedian, 150u);
    EXPECT_LE(f.entryLineMedian, 170u);
    EXPECT_GE(f.entryLineLongest, 2500u);
    EXPECT_LE(f.entryLineLongest, 3200u);
    EXPECT_GE(f.entryLinesOver255, 3768u * 30 / 100);
    EXPECT_LE(f.entryLinesOver255, 3768u * 36 / 100);
}

}  // namespace
