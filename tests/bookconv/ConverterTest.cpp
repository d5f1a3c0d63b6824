#include "BookLayout.h"
#include "BookTexts.h"
#include "ConverterTestSupport.h"
#include "EntryScanner.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

Book Convert(const std::string& source)
{
    Diagnostics diagnostics;
    std::optional<Book> book = ConvertThesaurus(source, diagnostics);
    EXPECT_FALSE(diagnostics.HasErrors());
    return book.value_or(Book{});
}

std::vector<std::string> Cp1256Lines(std::initializer_list<std::string_view> utf8)
{
    std::vector<std::string> lines;
    for (std::string_view line : utf8)
        lines.push_back(Cp1256(line));
    return lines;
}

std::vector<std::string> HeadwordsOf(const std::vector<std::string>& entries)
{
    std::vector<std::string> headwords;
    for (const std::string& entry : entries)
        headwords.push_back(entry.substr(2, entry.find(' ', 2) - 2));
    return headwords;
}

// A source of one-sense records, one for each headword.
std::string RecordsFor(std::initializer_list<std::string_view> headwords)
{
    std::string text = "UTF-8\n";
    for (std::string_view headword : headwords)
        text += std::string(headword) + "|1\n(اسم)|مرادف\n";
    return text;
}

TEST(ConvertThesaurus, WritesOneEntryLinePerRecordWithItsQualifierAndSenses)
{
    Book book = Convert(Thesaurus({
        "نظر-بجانب العين-|1", "(فعل)|شَزْر",
        "بغية|2", "(مصدر)|رَغْبَة|أُمْنِيَة|تَوْق", "(اسم)|مُنْيَة",
        "انفصل(بعضه عن بعض)|1", "(فعل)|اِنْقَطَعَ|تَوَقّفَ",
        "نظر|1", "(فعل)|بَصُرَ|رَأَى",
    }));

    EXPECT_EQ(ChapterEntries(book.text, 0), Cp1256Lines({"@ انفصل (بعضه عن بعض) (فعل) اِنْقَطَعَ، تَوَقّفَ"}));
    EXPECT_EQ(ChapterEntries(book.text, 1), Cp1256Lines({"@ بغية (مصدر) رَغْبَة، أُمْنِيَة، تَوْق ؛ (اسم) مُنْيَة"}));
    // Of equal headwords, the one without a qualifier comes first, whatever the source's order.
    EXPECT_EQ(ChapterEntries(book.text, 24),
              Cp1256Lines({"@ نظر (فعل) بَصُرَ، رَأَى", "@ نظر -بجانب العين- (فعل) شَزْر"}));
    EXPECT_EQ(book.entries, 4);
}

TEST(ConvertThesaurus, OrdersHeadwordsByTheirLettersThenBytesThenSourceOrder)
{
    Book book = Convert(RecordsFor({"أمر", "آمن", "ابن", "-أندى", "إبل", "اب", "أب", "ءامن",
                                    "سقّم", "سؤال", "\u0651سّتر", "سقط", "سبب", "حبا", "حبّ"}));

    EXPECT_EQ(HeadwordsOf(ChapterEntries(book.text, 0)),
              Cp1256Lines({"ءامن", "أب", "اب", "إبل", "ابن", "أمر", "آمن", "-أندى"}));
    // Marks count for nothing, waw with hamza counts as waw, a leading shadda is passed over.
    EXPECT_EQ(HeadwordsOf(ChapterEntries(book.text, 11)),
              Cp1256Lines({"سبب", "\u0651سّتر", "سقط", "سقّم", "سؤال"}));
    EXPECT_EQ(HeadwordsOf(ChapterEntries(book.text, 5)), Cp1256Lines({"حبّ", "حبا"}));
}

TEST(ConvertThesaurus, GivesEveryLetterAChapterWithARangeOfTheBooksOwnPages)
{
    std::string source = "UTF-8\n";
    for (int i = 0; i <= kEntriesPerPage; ++i)
        source += "ابن|1\n(اسم)|ولد\n";
    source += "بيت|1\n(اسم)|دار\n";
    Book book = Convert(source);

    std::vector<std::string> chapters;
    for (const std::string& line : LinesOf(book.text)) {
        if (line.rfind("*1", 0) == 0)
            chapters.push_back(line);
    }
    ASSERT_EQ(chapters.size(), 30u);
    EXPECT_EQ(chapters[0], Cp1256("*1*المقدمة"));
    EXPECT_EQ(chapters[1], Cp1256("*1* باب الألف [ ص 2 ]-[ ص 3 ]"));
    EXPECT_EQ(chapters[2], Cp1256("*1* باب الباء [ ص 4 ]-[ ص 4 ]"));
    EXPECT_EQ(chapters[3], Cp1256("*1* باب التاء [ ص 5 ]-[ ص 5 ]"));  // an empty chapter still takes a page
    EXPECT_EQ(chapters[28], Cp1256("*1* باب الياء [ ص 30 ]-[ ص 30 ]"));
    EXPECT_EQ(chapters[29], Cp1256("*1*تم الكتاب"));
    EXPECT_EQ(book.pages, 30);
}

TEST(ConvertThesaurus, NotesWhatItRemovesOrKeepsAlthoughIrregularAtItsSourceLine)
{
    Diagnostics diagnostics;
    std::optional<Book> book = ConvertThesaurus(Thesaurus({
        "\xEF\xBB\xBF" "ائتلاف|1", "(اسم)|\xEF\xBB\xBF" "اِئْتِلاف|اِتِفاق",
        "-أندى|1", "(اسم)|أَجْوَد",
    }), diagnostics);

    ASSERT_TRUE(book);
    std::vector<Diagnostic> notes = OfKind(diagnostics, Diagnostic::Kind::Note);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].sourceLine, 2);
    EXPECT_NE(notes[0].message.find("U+FEFF"), std::string::npos);
    EXPECT_EQ(notes[1].sourceLine, 3);
    EXPECT_NE(notes[1].message.find("U+FEFF"), std::string::npos);
    EXPECT_EQ(notes[2].sourceLine, 4);
    EXPECT_EQ(ChapterEntries(book->text, 0),
              Cp1256Lines({"@ -أندى (اسم) أَجْوَد", "@ ائتلاف (اسم) اِئْتِلاف، اِتِفاق"}));
}

TEST(ConvertThesaurus, RefusesWhatWouldBreakTheBookAndReportsItsSourceLine)
{
    std::string longHeadword;
    for (int i = 0; i <= EntryScanner::kTokenLimit; ++i)
        longHeadword += "ب";
    struct Case {
        std::string what;
        std::string source;
        int line;
    };
    const std::vector<Case> cases = {
        {"an entry marker in a synonym", Thesaurus({"بيت|1", "(اسم)|دار@ منزل"}), 3},
        {"an entry marker across a sense separator", Thesaurus({"بيت|2", "(اسم)|دار@", "(اسم)|منزل"}), 3},
        {"a chapter marker in a synonym", Thesaurus({"بيت|2", "(اسم)|دار", "(اسم)|*1*"}), 4},
        {"a chapter marker in a qualifier", Thesaurus({"بيت(*1)|1", "(اسم)|دار"}), 2},
        {"a headword over the token limit", Thesaurus({longHeadword + "|1", "(اسم)|دار"}), 2},
        {"a headword that reads as a bracketed root", Thesaurus({"[بيت|1", "(اسم)|دار"}), 2},
        {"a NUL byte", Thesaurus({"بيت|1", std::string("(اسم)|د\0ار", 14)}), 3},
        {"a carriage return", Thesaurus({"بيت|1", "(اسم)|دار\r"}), 3},
        {"a character without a Windows-1256 form", Thesaurus({"بيت|1", "(اسم)|دЖر"}), 3},
        {"a headword without a letter", Thesaurus({"(ه)|1", "(اسم)|دار"}), 2},
    };
    for (const Case& c : cases) {
        Diagnostics diagnostics;
        EXPECT_FALSE(ConvertThesaurus(c.source, diagnostics)) << c.what;
        std::vector<Diagnostic> errors = OfKind(diagnostics, Diagnostic::Kind::Error);
        ASSERT_EQ(errors.size(), 1u) << c.what;
        EXPECT_EQ(errors[0].sourceLine, c.line) << c.what;
    }

    longHeadword.resize(longHeadword.size() - 2);  // one letter less: at the limit
    EXPECT_EQ(Convert(Thesaurus({longHeadword + "|1", "(اسم)|دار"})).entries, 1);
}

TEST(ConvertThesaurus, DrawsTheStampFromTheSourceAndTheEndLineFromTheBook)
{
    const std::string source = RecordsFor({"بيت", "ابن"});
    Book book = Convert(source);
    EXPECT_EQ(Convert(source).text, book.text);

    std::vector<std::string> lines = LinesOf(book.text);
    ASSERT_GE(lines.size(), 9u);
    const std::vector<std::string> header(lines.begin(), lines.begin() + 9);
    EXPECT_EQ(header[0], Cp1256("*BOOK*Kalimor المترادفات 1.00"));
    EXPECT_EQ(header[1].rfind("*AUTHOR*", 0), 0u);
    EXPECT_EQ(header[2], "*STAMP*" + DigestInLetters(source, 32));
    EXPECT_EQ(header[3], "*EXEVER*08");
    EXPECT_EQ(header[4].rfind("*TYPING*", 0), 0u);
    EXPECT_EQ(lines[7], "*END*");

    std::size_t endLine = book.text.rfind("*EOF*");
    EXPECT_EQ(lines.back(), "*EOF*" + DigestInLetters(book.text.substr(0, endLine), 64));
    EXPECT_NE(LinesOf(Convert(RecordsFor({"بيت", "ابنة"})).text)[2], header[2]);
}

TEST(ConvertThesaurus, MakesABookThatTheLookupsWalkToTheClosingChapter)
{
    // An entry in the yeh chapter: the walk's fall-back on "*1" would visit empty chapters after the last entry.
    Book book = Convert(RecordsFor({"نظر(إليه)", "يد", "ابن"}));

    std::vector<std::string> headwords;
    EntryScanner scanner(book.text.c_str());
    for (ScannedEntry entry; scanner.Next(entry);)
        headwords.emplace_back(entry.headword, static_cast<std::size_t>(entry.headwordLength));

    const std::size_t preface = std::size(BookTexts::kPreface);
    ASSERT_EQ(headwords.size(), preface + 4);
    EXPECT_EQ(std::vector<std::string>(headwords.begin() + preface, headwords.end()),
              Cp1256Lines({"ابن", "نظر", "يد", "*تم"}));
}

}  // namespace
