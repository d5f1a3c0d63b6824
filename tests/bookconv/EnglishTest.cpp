#include "ConverterTestSupport.h"
#include "English.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// The lexicon's lemmas that an English word is a whole gloss of come first,
// the more frequent first, with their vowels and part of speech; a name is
// no meaning of a word that the lists write in small letters; a translation
// that a lemma gives is not repeated.
TEST(EnglishEntries, NameTheLemmasTheWordGlossesFirst)
{
    TestSources sources;
    sources.stems = ";; katab-u_1\nktb\tkatab\tPV\twrite\nktb\tkotub\tIV\twrite\n"
                    ";; rAyot_1\nrAyt\trAyot\tNprop\tWright;Write\n"
                    ";; maro>ap_1\nmr>\tmaro>\tNapdu\twoman\n"
                    ";; {imora>ap_1\nAmr>\t{imora>\tNapdu\twoman\n"
                    ";; miSor_1\nmSr\tmiSor\tNprop\tEgypt\n";
    sources.frequencies = "امرأة 50\nمرأة 5\n";
    sources.commonWords = "write\nwoman\nEgypt\n";
    sources.english = TestGlossary().Add("Write", {"اكتب", "كتب"}).Add("Woman", {"المرأة"});
    Diagnostics diagnostics;
    std::optional<Book> book = ConvertTestSources(sources, diagnostics);
    ASSERT_TRUE(book);

    EXPECT_EQ(ChapterEntries(book->text, LatinChapter('w')),
              Cp1256Lines({"@ woman اِمْرَأَة (اسم) ؛ مَرْأَة (اسم)", "@ wright رايْت (علم)", "@ write كَتَبَ (فعل) ؛ اكتب"}));
    EXPECT_EQ(ChapterEntries(book->text, LatinChapter('e')), Cp1256Lines({"@ egypt مِصْر (علم)"}));
    EXPECT_EQ(book->report.english.lemmasNamed, 5);
    EXPECT_EQ(book->report.english.translationsOfLemmas, 2) << "كتب and المرأة";
}

// Where a one-letter list would pass the budget, the words of a commoner word
// list go first, whatever their length or source; within a list, those that
// gloss an Arabic word, then the others, then the common forms that only
// lead to their base, where the base stays, even a rarer one ("waxes" of
// "wax"); the shorter first. An inflected form with translations of its own
// that does not stay goes into its base's entry.
TEST(EnglishEntries, KeepWithinTheBudgetTheWordsOfTheCommonerListsFirst)
{
    const ranking::EnglishTiers tiers("walk\nway\nwalks\nwaxes\n", "walked\nwalking\nwok\nwasp\nwax\n", "wainscoting\n");
    const KeysByGloss keys = {{"walk", {Cp1256("سار")}}, {"wok", {Cp1256("مقلاة")}}};
    const LemmasByGloss lemmas = {{"way", {{Cp1256("طَرِيق (اسم)"), Cp1256("طريق"), 0, false}}}};
    const std::string filed = "@ walk مشى ؛ سار | walked: تمشى | walking: المشي | walking stick: عصا";
    struct Case {
        ranking::ListBudget budget;
        std::vector<std::string> kept;
        std::array<int, kTierCount> leftOut;
        int inflectedFiled;
        std::string walk;
    };
    const Case cases[] = {
        {{4, 1000}, {"walk", "walks", "way", "wok"}, {1, 2, 1, 0}, 2, filed},
        {{10, 1000}, {"wainscoting", "walk", "walked", "walking", "walks", "wasp", "wax", "waxes", "way", "wok"}, {}, 0,
         "@ walk مشى ؛ سار"},
        {{10, 22}, {"walk", "walks", "way"}, {1, 3, 1, 0}, 2, filed},
    };
    for (const Case& c : cases) {
        std::vector<Block> blocks;
        for (Block block : {Article("walk", {"مشى"}), Article("walked", {"مشى", "تمشى"}),
                            Article("walking", {"المشي"}), Article("walking stick", {"عصا"}),
                            Article("wasp", {"دبور"}), Article("wax", {"شمع"}), Article("way", {"طريق"}),
                            Article("wok", {"مقلاة"}), Article("wainscoting", {"تلبيس"})})
            blocks.push_back(block);
        bookformat::Windows1256 encoding;
        EnglishCounts counts;
        std::vector<Entry> entries = EnglishEntries(blocks, keys, lemmas, tiers, encoding, c.budget, counts);

        std::vector<std::string> kept;
        for (const Entry& entry : entries)
            kept.push_back(entry.headword);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(counts.leftOut['w'], c.leftOut);
        EXPECT_EQ(counts.inflectedFiled, c.inflectedFiled);
        ASSERT_FALSE(entries.empty());
        auto walk = std::find_if(entries.begin(), entries.end(), [](const Entry& e) { return e.headword == "walk"; });
        ASSERT_NE(walk, entries.end());
        EXPECT_EQ(walk->line.Text(), Cp1256(c.walk));
        auto walks = std::find_if(entries.begin(), entries.end(), [](const Entry& e) { return e.headword == "walks"; });
        ASSERT_NE(walks, entries.end());
        EXPECT_EQ(walks->line.Text(), Cp1256("@ walks انظر: walk")) << "a common form without an entry of its own";
    }
}

// The choice of headwords keeps every list within the budget: of more
// words than a list holds, the commoner stay and the rest are counted.
TEST(ConvertSources, KeepsEveryOneLetterListWithinTheBudget)
{
    const std::string letters = "ابتثجحخدذرزسشصضطظعغفقكلمنهوي";
    TestGlossary glossary;
    int words = 0;
    for (std::size_t i = 0; i < letters.size() && words <= static_cast<int>(ranking::kOneLetterBudget.headwords); i += 2) {
        for (std::size_t j = 0; j < letters.size() && words <= static_cast<int>(ranking::kOneLetterBudget.headwords); j += 2) {
            for (std::size_t k = 0; k < letters.size() && words <= static_cast<int>(ranking::kOneLetterBudget.headwords); k += 2) {
                glossary.Add("ب" + letters.substr(i, 2) + letters.substr(j, 2) + letters.substr(k, 2), {"Thing"});
                ++words;
            }
        }
    }
    Diagnostics diagnostics;
    std::optional<Book> book = ConvertBoth(Thesaurus({}), glossary, diagnostics);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->report.longestArabicList.first, Cp1256("ب")[0]);
    EXPECT_EQ(book->report.longestArabicList.second.headwords, ranking::kOneLetterBudget.headwords);
    const auto& leftOut = book->report.merge.leftOut.at(Cp1256("ب")[0]);
    EXPECT_EQ(leftOut[static_cast<std::size_t>(ArabicKind::Glossary)], 1) << "6001 words, 6000 places";
}

}  // namespace
