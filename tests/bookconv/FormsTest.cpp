#include "ConverterTestSupport.h"
#include "Dictionary.h"
#include "FrequencyList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kAlef = 0, kTeh = 2, kWaw = 26, kMeem = 23, kYeh = 27;

// A form of the frequency list that is no key leads to the keys that the
// analyser cuts it into, with the glosses of its prefix, stem and suffix;
// so does a verb's imperfect. A key that is another lemma's plural names it
// at its end. A key weighs the counts of the forms that lead to it.
TEST(Forms, LeadTheWordsOfATextToTheirKeys)
{
    TestSources sources;
    sources.stems = ";; >arAd_1\n>rAd\t>arAd\tPV\twant;desire\nryd\triyd\tIV_yu\twant;desire\n"
                    ";; madorasap_1\nmdrs\tmadoras\tNapdu\tschool\nmdArs\tmadAris\tNdip\tschools\n"
                    ";; kitAb_1\nktAb\tkitAb\tNdu\tbook\n";
    sources.frequencies = "تريد 40\nوالكتاب 10\nالكتاب 5\nأراد 3\nمدرسة 2\nكتابهم 1\n";
    sources.glossary = TestGlossary().Add("مدارس", {"Schools"});
    Diagnostics diagnostics;
    std::optional<Book> book = ConvertTestSources(sources, diagnostics);
    ASSERT_TRUE(book);

    EXPECT_EQ(ChapterEntries(book->text, kTeh), Cp1256Lines({"@ تريد انظر: أَرادَ (it/they/she / you [masc.sg.] + want)"}));
    EXPECT_EQ(ChapterEntries(book->text, kWaw), Cp1256Lines({"@ والكتاب انظر: كِتاب (and + the + book)"}));
    EXPECT_EQ(ChapterEntries(book->text, kYeh), Cp1256Lines({"@ يريد انظر: أَرادَ (he/it + want)"}));
    EXPECT_EQ(ChapterEntries(book->text, kMeem),
              Cp1256Lines({"@ مدارس Schools | جمع مَدْرَسَة", "@ مدرسة مَدْرَسَة (اسم، ج مَدارِس): school",
                           "@ مدرسه انظر: مدرسة"}));
    std::vector<std::string> alef = ChapterEntries(book->text, kAlef);
    EXPECT_NE(std::find(alef.begin(), alef.end(), Cp1256("@ الكتاب انظر: كِتاب (the + book)")), alef.end());

    const FormCounts& forms = book->report.merge.forms;
    EXPECT_EQ(forms.in[static_cast<std::size_t>(FormSource::List)], 3);
    EXPECT_EQ(forms.in[static_cast<std::size_t>(FormSource::Imperfect)], 1);
    EXPECT_EQ(forms.keysNoted, 1);
    EXPECT_EQ(forms.withoutAnalysis, 1) << "كتابهم: no pronoun after this lexicon's nouns";
    EXPECT_EQ(forms.withoutKey, 0) << "كتابهم is counted once, as a form that the analyser cannot cut";
}

// Where a list is full, a form competes by its own count, and stays only
// where a key it leads to stays.
TEST(Forms, StayByTheirCountAndOnlyWithAKeyTheyLeadTo)
{
    bookformat::Windows1256 encoding;
    Alphabet alphabet(encoding);
    Diagnostics diagnostics;
    LexiconCounts lexiconCounts;
    const BookLexicon lexicon({";; kitAb_1\nktAb\tkitAb\tNdu\tbook\n;; kalob_1\nklb\tkalob\tNdu\tdog\n"
                               ";; madorasap_1\nmdrs\tmadoras\tNapdu\tschool\n",
                               small_lexicon::kPrefixes, small_lexicon::kSuffixes, small_lexicon::kPrefixStem,
                               small_lexicon::kPrefixSuffix, small_lexicon::kStemSuffix},
                              diagnostics, lexiconCounts);
    Block direction{Cp1256("اتجاه"), Cp1256("اتجاه"), {Source::Glossary, 1}, false, {}};
    direction.items.emplace_back().Append("Direction");
    FrequencyCounts frequencies;
    const WordWeights weights(ranking::ReadFrequencyList("كلب 50\nالمدرسة 9\nالكتاب 5\n"), encoding, frequencies);
    const ranking::EnglishTiers tiers("", "", "");
    const Translations translations({});
    MergeCounts counts;
    MergedDictionary merged = MergeArabic({direction}, lexicon, {weights, tiers, translations, ranking::OneLetterBudget({1, 100})},
                                          encoding, alphabet, counts, diagnostics);

    std::vector<std::string> headwords;
    for (const Entry& entry : merged.entries)
        headwords.push_back(entry.headword);
    EXPECT_EQ(headwords, Cp1256Lines({"كلب", "مدرسة", "المدرسة"}))
        << "المدرسة by its count before اتجاه, a key of none; الكتاب not, as كتاب gave way to كلب";
    EXPECT_EQ(counts.leftOut.at(Cp1256("ا")[0])[static_cast<std::size_t>(ArabicKind::Form)], 2)
        << "الكتاب, and المدرسه, the spelling typed for المدرسة";
    EXPECT_EQ(counts.leftOut.at(Cp1256("ا")[0])[static_cast<std::size_t>(ArabicKind::Glossary)], 1);
}

}  // namespace
