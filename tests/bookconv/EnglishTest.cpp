#include "ConverterTestSupport.h"
#include "English.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int LatinChapter(char letter)
{
    return Alphabet::kLetterCount + (letter - 'a');
}

// The English-Arabic articles give the translations; the glossary's words
// whose gloss is exactly the English word follow, unless a translation
// already gives them; a phrase goes into the entry of its first word.
TEST(EnglishEntries, TranslateThenNameTheArabicKeysOfTheWordWithNothingRepeated)
{
    Diagnostics diagnostics;
    std::optional<Book> book =
        ConvertBoth(Thesaurus({}),
                    TestGlossary()
                        .Add("منزل", {"House"})
                        .Add("بيت", {"House", "Home"})
                        .Add("دار", {"House"})
                        .Add("سكن", {"Dwelling"}),
                    diagnostics,
                    TestGlossary()
                        .Add("House", {"المَنْزِل", "بيت"})
                        .Add("house", {"بيت"})
                        .Add("Houses", {"البيوت"})
                        .Add("House boat", {"منزل عائم"})
                        .Add("Ad hoc", {"لهذا الغرض"}));
    ASSERT_TRUE(book);

    EXPECT_EQ(ChapterEntries(book->text, LatinChapter('h')),
              Cp1256Lines({"@ home بيت", "@ house المَنْزِل ؛ بيت ؛ دار | house boat: منزل عائم", "@ houses البيوت"}));
    EXPECT_EQ(ChapterEntries(book->text, LatinChapter('d')), Cp1256Lines({"@ dwelling سكن"}));
    EXPECT_TRUE(ChapterEntries(book->text, LatinChapter('a')).empty());
    const EnglishCounts& english = book->report.english;
    EXPECT_EQ(english.duplicateTranslations, 1);
    EXPECT_EQ(english.keysAlreadyTranslated, 2);
    EXPECT_EQ(english.phrasesIn, 1);
    EXPECT_EQ(english.phrasesWithoutWord, 1);
    EXPECT_EQ(english.sourceOnly, 1);
    EXPECT_EQ(english.glossesOnly, 2);
    EXPECT_EQ(english.both, 1);
    EXPECT_EQ(book->report.longestLatinList.first, 'h');
    EXPECT_EQ(book->report.longestLatinList.second.headwords, 3u);
    EXPECT_EQ(book->report.longestLatinList.second.bytes, std::string("home\r\nhouse\r\nhouses\r\n").size());
}

Block Article(std::string_view form, std::initializer_list<std::string_view> translations)
{
    Block block;
    block.form = form;
    block.key = block.form.substr(0, block.form.find(' '));
    block.phrase = block.key != block.form;
    for (std::string_view translation : translations)
        block.items.emplace_back().Append(Cp1256(translation));
    return block;
}

// Where a one-letter list would pass the budget, the common words go first,
// inflected or not, then the other words that are no inflected form, the
// more common before the rarer, the shorter before the longer; an inflected
// form not kept goes into its base's entry.
TEST(EnglishEntries, KeepWithinTheBudgetTheWordsThatServeAReaderBest)
{
    const KeysByGloss keys = {{"walk", {Cp1256("سار")}}, {"walks", {Cp1256("خطا")}}, {"wok", {Cp1256("مقلاة")}}};
    const std::string wordList = "walk\nwalked\nwalking\nwalks\nwasp\nway\nwok\nWay's\n";
    const std::string filed = "@ walk مشى ؛ سار | walked: تمشى | walking: المشي";
    struct Case {
        ListBudget budget;
        std::vector<std::string> kept;
        std::array<int, kCommonnessCount> leftOut;
        int inflectedFiled;
        std::string walk;
    };
    const Case cases[] = {
        {{4, 1000}, {"walk", "walks", "way", "wok"}, {0, 1, 1}, 2, filed + " | walking stick: عصا"},
        {{10, 16}, {"walk", "wok"}, {0, 2, 1}, 3, filed + " | walks: يمشي ؛ خطا | walking stick: عصا"},
    };
    for (const Case& c : cases) {
        std::vector<Block> blocks;
        for (Block block : {Article("walk", {"مشى"}), Article("walked", {"مشى", "تمشى"}), Article("walking", {"المشي"}),
                            Article("walking stick", {"عصا"}), Article("walks", {"يمشي"}), Article("wasp", {"دبور"}),
                            Article("wax", {"شمع"}),
                            Article("way", {"طريق"}), Article("wok", {"مقلاة"})})
            blocks.push_back(block);
        bookformat::Windows1256 encoding;
        EnglishCounts counts;
        std::vector<Entry> entries = EnglishEntries(blocks, keys, wordList, encoding, c.budget, counts);

        std::vector<std::string> kept;
        for (const Entry& entry : entries)
            kept.push_back(entry.headword);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(counts.leftOut, c.leftOut);
        EXPECT_EQ(counts.inflectedFiled, c.inflectedFiled);
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries.front().line.Text(), Cp1256(c.walk));
    }
}

TEST(ConvertSources, RefusesABookWhoseOneLetterListPassesTheBudget)
{
    const std::string letters = "ابتثجحخدذرزسشصضطظعغفقكلمنهوي";
    TestGlossary glossary;
    int words = 0;
    for (std::size_t i = 0; i < letters.size() && words <= static_cast<int>(kOneLetterBudget.headwords); i += 2) {
        for (std::size_t j = 0; j < letters.size() && words <= static_cast<int>(kOneLetterBudget.headwords); j += 2) {
            for (std::size_t k = 0; k < letters.size() && words <= static_cast<int>(kOneLetterBudget.headwords); k += 2) {
                glossary.Add("ب" + letters.substr(i, 2) + letters.substr(j, 2) + letters.substr(k, 2), {"Thing"});
                ++words;
            }
        }
    }
    Diagnostics diagnostics;
    EXPECT_FALSE(ConvertBoth(Thesaurus({}), glossary, diagnostics));
    std::vector<Diagnostic> errors = OfKind(diagnostics, Diagnostic::Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].message.find("typing \"ب\" lists 6001 headwords"), std::string::npos) << errors[0].message;
}

}  // namespace
