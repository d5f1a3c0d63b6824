#include "BookLayout.h"
#include "BookTexts.h"
#include "ConverterTestSupport.h"
#include "EntryScanner.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kAlef = 0, kSeen = 11, kFeh = 19, kWaw = 26, kKaf = 21, kMeem = 23, kNoon = 24, kBeh = 1, kKhah = 6;

Book Convert(const std::string& thesaurus, const TestGlossary& glossary = {})
{
    Diagnostics diagnostics;
    std::optional<Book> book = ConvertBoth(thesaurus, glossary, diagnostics);
    for (const Diagnostic& item : OfKind(diagnostics, Diagnostic::Kind::Error))
        ADD_FAILURE() << item.origin.line << ": " << item.message;
    return book.value_or(Book{});
}

// A source of one-sense records, one for each headword.
std::string RecordsFor(std::initializer_list<std::string_view> headwords)
{
    std::string text = "UTF-8\n";
    for (std::string_view headword : headwords)
        text += std::string(headword) + "|1\n(اسم)|مرادف\n";
    return text;
}

std::vector<std::string> HeadwordsOf(const std::vector<std::string>& entries)
{
    std::vector<std::string> headwords;
    for (const std::string& entry : entries)
        headwords.push_back(entry.substr(2, entry.find(' ', 2) - 2));
    return headwords;
}

TEST(ConvertSources, GivesEachKeyOneEntryWithThesaurusBlocksFirstAndEverySenseAndGlossOnce)
{
    Book book = Convert(Thesaurus({
                            "نظر-بجانب العين-|1", "(فعل)|شَزْر",
                            "نظر|1", "(فعل)|بَصُرَ|رَأَى",
                            "نظر|1", "(فعل)|بَصُرَ|رَأَى",
                            "بغية|2", "(مصدر)|رَغْبَة|تَوْق", "(اسم)|مُنْيَة",
                        }),
                        TestGlossary().Add("نَظَر", {"Look", "Sight"}).Add("نظر", {"Look"}));

    EXPECT_EQ(ChapterEntries(book.text, kNoon),
              Cp1256Lines({"@ نظر (فعل) بَصُرَ، رَأَى | نظر -بجانب العين-: (فعل) شَزْر | Look | نَظَر: Sight"}));
    EXPECT_EQ(ChapterEntries(book.text, kBeh),
              Cp1256Lines({"@ بغية (مصدر) رَغْبَة، تَوْق ؛ (اسم) مُنْيَة", "@ بغيه انظر: بغية"}));
    EXPECT_EQ(book.entries, 5) << "two keys, a cross-reference, and the English words look and sight";
    const MergeCounts& merge = book.report.merge;
    EXPECT_EQ(merge.duplicateItems, 2);
    EXPECT_EQ(merge.keysBySources[kFromThesaurus | kFromGlossary], 1);
    EXPECT_EQ(merge.keysBySources[kFromThesaurus], 1);
    EXPECT_EQ(merge.keysBySources[kFromGlossary], 0);
}

TEST(ConvertSources, FilesGlossaryWordsWithoutTheArticleUnlessTooShortOrTheThesaurusHasIt)
{
    Book book = Convert(Thesaurus({"الكلام|1", "(اسم)|قول"}),
                        TestGlossary()
                            .Add("الكتاب", {"Book"})
                            .Add("الله", {"God"})
                            .Add("الكلام", {"Speech"})
                            .Add("الخطاب الرسمي", {"Allocution"})
                            .Add("الخطاب", {"Address"}));

    EXPECT_EQ(ChapterEntries(book.text, kAlef), Cp1256Lines({"@ الكلام (اسم) قول | Speech", "@ الله God"}));
    EXPECT_EQ(ChapterEntries(book.text, kKaf), Cp1256Lines({"@ كتاب الكتاب: Book"}));
    EXPECT_EQ(ChapterEntries(book.text, kKhah), Cp1256Lines({"@ خطاب الخطاب: Address | الخطاب الرسمي: Allocution"}));
    EXPECT_EQ(book.report.merge.articleRemoved, 3);
}

TEST(ConvertSources, PutsPhrasesInTheirFirstWordsEntryWhileItStaysUnderTheLimit)
{
    const std::string long1(1500, 'a'), long2(1500, 'b'), long3(1500, 'c');
    Book book = Convert(Thesaurus({}), TestGlossary()
                                           .Add("بيت كبير", {long1})
                                           .Add("بيت", {"House"})
                                           .Add("بيت واسع", {long2})
                                           .Add("بيت عال", {long3})
                                           .Add("بيت صغير", {"Cottage"})
                                           .Add("أبعد من", {"Beyond"}));

    // أبعد is no word of either source: its phrase has no entry to go in.
    EXPECT_TRUE(ChapterEntries(book.text, kAlef).empty());
    std::vector<std::string> entries = ChapterEntries(book.text, kBeh);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_LT(entries[0].size(), kPhraseEntryLimit);
    EXPECT_EQ(entries[0].rfind(Cp1256("@ بيت House | بيت كبير: ") + long1, 0), 0u);
    EXPECT_NE(entries[0].find(long2), std::string::npos);
    EXPECT_EQ(entries[0].find(long3), std::string::npos);
    EXPECT_NE(entries[0].find(Cp1256(" | بيت صغير: Cottage")), std::string::npos);
    EXPECT_EQ(book.report.merge.phrasesIn, 3);
    EXPECT_EQ(book.report.merge.phrasesLeftOut, 1);
    EXPECT_EQ(book.report.merge.phrasesWithoutWord, 1);
}

// Names and borrowed words that the glossary only spells in Latin letters say
// nothing that the headword does not; a word with any other gloss, or written
// with its article, stays, without the gloss that only spells it.
TEST(ConvertSources, LeavesOutGlossaryWordsGlossedOnlyByTheirOwnLatinSpelling)
{
    Book book = Convert(Thesaurus({}), TestGlossary()
                                           .Add("ولينغتون", {"Wellington"})
                                           .Add("فيليس", {"Phyllis"})
                                           .Add("سالك", {"Passable", "Salk"})
                                           .Add("مودم", {"Modem"})
                                           .Add("المودم", {"Modem"})
                                           .Add("نوم", {"Sleep"})
                                           .Add("نوبل", {"Nobel"}));

    EXPECT_TRUE(ChapterEntries(book.text, kWaw).empty());
    EXPECT_TRUE(ChapterEntries(book.text, kFeh).empty());
    EXPECT_EQ(ChapterEntries(book.text, kSeen), Cp1256Lines({"@ سالك Passable"}));
    EXPECT_EQ(ChapterEntries(book.text, kMeem), Cp1256Lines({"@ مودم المودم: Modem"}));
    EXPECT_EQ(ChapterEntries(book.text, kNoon), Cp1256Lines({"@ نوم Sleep"}));
    EXPECT_EQ(book.report.merge.spelledOutLeftOut, 4);
    EXPECT_EQ(book.report.merge.spelledOutGlossesLeftOut, 1);
}

// A spelling typed for keys that is a key names them at the end of its entry;
// one that is no key gets an entry of its own that names them.
TEST(ConvertSources, CrossReferencesTheSpellingsPeopleType)
{
    Book book = Convert(Thesaurus({"أكل|1", "(فعل)|طعم"}), TestGlossary()
                                                              .Add("مدرسة", {"School"})
                                                              .Add("مسألة", {"Question"})
                                                              .Add("مستشفى", {"Hospital"})
                                                              .Add("مبنى", {"Building"})
                                                              .Add("مبني", {"Built"})
                                                              .Add("سأل", {"Ask"})
                                                              .Add("سال", {"Flow"}));

    EXPECT_EQ(ChapterEntries(book.text, kAlef), Cp1256Lines({"@ أكل (فعل) طعم", "@ اكل انظر: أكل"}));
    EXPECT_EQ(ChapterEntries(book.text, kMeem),
              Cp1256Lines({"@ مبنى Building", "@ مبني Built | انظر: مبنى", "@ مدرسة School", "@ مدرسه انظر: مدرسة",
                           "@ مسألة Question", "@ مسالة انظر: مسألة", "@ مسأله انظر: مسألة", "@ مساله انظر: مسألة",
                           "@ مستشفى Hospital", "@ مستشفي انظر: مستشفى"}));
    EXPECT_EQ(ChapterEntries(book.text, kSeen), Cp1256Lines({"@ سأل Ask", "@ سال Flow | انظر: سأل"}));
    const MergeCounts& merge = book.report.merge;
    using Counts = std::array<int, spelling::kTypedCount>;  // bare alef, final heh, final yeh
    EXPECT_EQ(merge.crossReferenceEntries, (Counts{3, 2, 1}));
    EXPECT_EQ(merge.crossReferencesAppended, (Counts{1, 0, 1}));
}

// The entries under bare-alef spellings come right after their keys.
TEST(ConvertSources, OrdersKeysByTheirLettersThenBytes)
{
    Book book = Convert(RecordsFor({"أمر", "آمن", "ابن", "-أندى", "إبل", "اب", "أب", "ءامن", "سقّم", "سؤال", "سقط",
                                    "سبب", "حبا", "حبّ"}));

    EXPECT_EQ(HeadwordsOf(ChapterEntries(book.text, kAlef)),
              Cp1256Lines({"ءامن", "أب", "اب", "إبل", "ابل", "ابن", "أمر", "امر", "آمن", "امن", "أندى", "أندي", "اندى", "اندي"}));
    EXPECT_EQ(HeadwordsOf(ChapterEntries(book.text, kSeen)), Cp1256Lines({"سبب", "سقط", "سقم", "سؤال"}));
    EXPECT_EQ(HeadwordsOf(ChapterEntries(book.text, 5)), Cp1256Lines({"حب", "حبا"}));
}

TEST(ConvertSources, CleansTheSourcesAndNotesAndCountsEveryChangeAtItsSourceLine)
{
    Diagnostics diagnostics;
    std::optional<Book> book = ConvertBoth(Thesaurus({"\xEF\xBB\xBF" "ائتلاف|1", "(اسم)|\xEF\xBB\xBF" "اِتِفاق"}),
                                           TestGlossary()
                                               .Add("Makefile", {"Makefile"})
                                               .Add("\uFEFBعب", {"Player"})
                                               .Add("قصف\u200E", {"Shelling"})
                                               .Add("إقتباس\u00A0نص", {"Quote"})
                                               .Add("جمع \\\"فبراير\\\" ", {"Februaries"})
                                               .Add("جمع", {"Plural"}),
                                           diagnostics);

    ASSERT_TRUE(book);
    const CleaningCounts& cleaning = book->report.cleaning;
    EXPECT_EQ(cleaning[static_cast<int>(Cleaning::ByteOrderMark)], 2);
    EXPECT_EQ(cleaning[static_cast<int>(Cleaning::Ligature)], 1);
    EXPECT_EQ(cleaning[static_cast<int>(Cleaning::DirectionMark)], 1);
    EXPECT_EQ(cleaning[static_cast<int>(Cleaning::NoBreakSpace)], 1);
    EXPECT_EQ(cleaning[static_cast<int>(Cleaning::QuotingDebris)], 2);
    EXPECT_EQ(cleaning[static_cast<int>(Cleaning::EdgeSpace)], 1);
    EXPECT_EQ(book->report.glossaryWithoutLetter, 1);

    std::vector<Diagnostic> notes = OfKind(diagnostics, Diagnostic::Kind::Note);
    ASSERT_EQ(notes.size(), 9u);
    EXPECT_EQ(notes[0].origin, (Origin{Source::Thesaurus, 2}));
    EXPECT_EQ(notes[1].origin, (Origin{Source::Thesaurus, 3}));
    EXPECT_EQ(notes[2].origin, (Origin{Source::Glossary, 1}));
    EXPECT_EQ(notes[3].origin, (Origin{Source::Glossary, 2}));
    EXPECT_EQ(ChapterEntries(book->text, 22), Cp1256Lines({"@ لاعب Player"}));
    EXPECT_EQ(ChapterEntries(book->text, 20), Cp1256Lines({"@ قصف Shelling"}));
    EXPECT_EQ(ChapterEntries(book->text, 4), Cp1256Lines({"@ جمع Plural | جمع \"فبراير\": Februaries"}));
}

TEST(ConvertSources, RefusesWhatWouldBreakTheBookAndReportsItsSourceLine)
{
    std::string longHeadword;
    for (int i = 0; i <= EntryScanner::kTokenLimit; ++i)
        longHeadword += "ب";
    struct Case {
        std::string what;
        std::string thesaurus;
        TestGlossary glossary;
        Origin origin;
    };
    const std::vector<Case> cases = {
        {"an entry marker in a synonym", Thesaurus({"بيت|1", "(اسم)|دار@ منزل"}), {}, {Source::Thesaurus, 3}},
        {"an entry marker across a sense separator", Thesaurus({"بيت|2", "(اسم)|دار@", "(اسم)|منزل"}), {},
         {Source::Thesaurus, 3}},
        {"a chapter marker in a synonym", Thesaurus({"بيت|2", "(اسم)|دار", "(اسم)|*1*"}), {}, {Source::Thesaurus, 4}},
        {"a chapter marker in a qualifier", Thesaurus({"بيت(*1)|1", "(اسم)|دار"}), {}, {Source::Thesaurus, 2}},
        {"a headword over the token limit", Thesaurus({longHeadword + "|1", "(اسم)|دار"}), {}, {Source::Thesaurus, 2}},
        {"a NUL byte", Thesaurus({"بيت|1", std::string("(اسم)|د\0ار", 14)}), {}, {Source::Thesaurus, 3}},
        {"a carriage return", Thesaurus({"بيت|1", "(اسم)|دار\r"}), {}, {Source::Thesaurus, 3}},
        {"a character without a Windows-1256 form", Thesaurus({"بيت|1", "(اسم)|دЖر"}), {}, {Source::Thesaurus, 3}},
        {"a thesaurus headword without a letter", Thesaurus({"(ه)|1", "(اسم)|دار"}), {}, {Source::Thesaurus, 2}},
        {"an entry marker in a gloss", Thesaurus({}), TestGlossary().Add("بيت", {"House"}).Add("دار", {"at@ home"}),
         {Source::Glossary, 2}},
        {"an entry marker in an English headword", Thesaurus({}), TestGlossary().Add("بيت", {"House"}),
         {Source::English, 1}},
    };
    const TestGlossary english = TestGlossary().Add("House", {"منزل@ كبير"});
    for (const Case& c : cases) {
        Diagnostics diagnostics;
        bool inEnglish = c.origin.source == Source::English;
        EXPECT_FALSE(ConvertBoth(c.thesaurus, c.glossary, diagnostics, inEnglish ? english : TestGlossary())) << c.what;
        std::vector<Diagnostic> errors = OfKind(diagnostics, Diagnostic::Kind::Error);
        ASSERT_EQ(errors.size(), 1u) << c.what;
        EXPECT_EQ(errors[0].origin, c.origin) << c.what;
    }

    longHeadword.resize(longHeadword.size() - 2);  // one letter less: at the limit
    EXPECT_EQ(Convert(Thesaurus({longHeadword + "|1", "(اسم)|دار"})).entries, 1);
}

TEST(ConvertSources, GivesEveryLetterAChapterWithARangeOfTheBooksOwnPages)
{
    // One more alef entry than a page holds, each a word of its own.
    const std::string letters = "بتثجحخدذرزسشصضطظعغفقك";
    TestGlossary glossary;
    for (std::size_t i = 0; i < letters.size(); i += 2)
        glossary.Add("اب" + letters.substr(i, 2), {"a"});
    ASSERT_EQ(letters.size() / 2, static_cast<std::size_t>(kEntriesPerPage) + 1);
    Book book = Convert(RecordsFor({"بيت"}), glossary);

    std::vector<std::string> chapters;
    for (const std::string& line : LinesOf(book.text)) {
        if (line.rfind("*1", 0) == 0)
            chapters.push_back(line);
    }
    ASSERT_EQ(chapters.size(), 56u);
    EXPECT_EQ(chapters[0], Cp1256("*1*المقدمة"));
    EXPECT_EQ(chapters[1], Cp1256("*1* باب الألف [ ص 2 ]-[ ص 3 ]"));
    EXPECT_EQ(chapters[2], Cp1256("*1* باب الباء [ ص 4 ]-[ ص 4 ]"));
    EXPECT_EQ(chapters[3], Cp1256("*1* باب التاء [ ص 5 ]-[ ص 5 ]"));  // an empty chapter still takes a page
    EXPECT_EQ(chapters[28], Cp1256("*1* باب الياء [ ص 30 ]-[ ص 30 ]"));
    EXPECT_EQ(chapters[29], Cp1256("*1* باب الحرف a [ ص 31 ]-[ ص 31 ]"));
    EXPECT_EQ(chapters[54], Cp1256("*1* باب الحرف z [ ص 56 ]-[ ص 56 ]"));
    EXPECT_EQ(chapters[55], Cp1256("*1*تم الكتاب"));
    EXPECT_EQ(book.pages, 56);
}

TEST(ConvertSources, DrawsTheStampFromTheSourcesAndTheEndLineFromTheBook)
{
    const std::string thesaurus = RecordsFor({"بيت", "ابن"});
    const TestGlossary glossary = TestGlossary().Add("دار", {"Home"});
    Book book = Convert(thesaurus, glossary);
    EXPECT_EQ(Convert(thesaurus, glossary).text, book.text);

    std::vector<std::string> lines = LinesOf(book.text);
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[0], Cp1256("*BOOK*Kalimor الجامع 4.00"));
    EXPECT_EQ(lines[2], "*STAMP*" + DigestInLetters(thesaurus + glossary.index + glossary.text, 32));
    Diagnostics diagnostics;
    std::optional<Book> withWords = ConvertBoth(thesaurus, glossary, diagnostics, {}, "house\n");
    ASSERT_TRUE(withWords);
    EXPECT_NE(LinesOf(withWords->text)[2], lines[2]) << "the word list chooses words: the stamp covers it";
    EXPECT_EQ(lines[3], "*EXEVER*08");
    EXPECT_EQ(lines[7], "*END*");

    std::size_t endLine = book.text.rfind("*EOF*");
    EXPECT_EQ(lines.back(), "*EOF*" + DigestInLetters(book.text.substr(0, endLine), 64));
    EXPECT_NE(LinesOf(Convert(thesaurus, TestGlossary().Add("دار", {"House"})).text)[2], lines[2]);
}

TEST(ConvertSources, MakesABookThatTheLookupsWalkToTheClosingChapter)
{
    // An entry in the yeh chapter: the walk's fall-back on "*1" would visit empty chapters after the last entry.
    Diagnostics diagnostics;
    Book book = ConvertBoth(RecordsFor({"نظر(إليه)", "يد", "ابن"}), {}, diagnostics,
                            TestGlossary().Add("Zoo", {"حديقة الحيوان"}))
                    .value();

    std::vector<std::string> headwords;
    EntryScanner scanner(book.text.c_str());
    for (ScannedEntry entry; scanner.Next(entry);)
        headwords.emplace_back(entry.headword, static_cast<std::size_t>(entry.headwordLength));

    const std::size_t preface = std::size(BookTexts::kPreface);
    ASSERT_EQ(headwords.size(), preface + 5);
    EXPECT_EQ(std::vector<std::string>(headwords.begin() + preface, headwords.end()),
              Cp1256Lines({"ابن", "نظر", "يد", "zoo", "*تم"}));
}

}  // namespace
