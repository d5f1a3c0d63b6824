#include "ConverterTestSupport.h"
#include "Dictionary.h"
#include "FrequencyList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kAlef = 0, kBeh = 1, kQaf = 20, kMeem = 23;

Book Convert(const TestSources& sources)
{
    Diagnostics diagnostics;
    std::optional<Book> book = ConvertTestSources(sources, diagnostics);
    for (const Diagnostic& item : OfKind(diagnostics, Diagnostic::Kind::Error))
        ADD_FAILURE() << item.origin.line << ": " << item.message;
    return book.value_or(Book{});
}

// A key's entry opens with its lemmas, the one a reader meets more often
// first (the forms of the list that are its forms count): vowels, part of
// speech, imperfect or plurals, glosses; then the thesaurus, then the
// glossary's glosses that the lexicon does not give. The plural, a form of
// the list, leads to its lemma.
TEST(LexiconEntries, OpenWithTheLemmasTheMoreFrequentFirst)
{
    TestSources sources;
    sources.stems = ";; qaT~-u_1\nqT\tqaT~\tPV\tcarve;trim\nqT\tquT~\tIV\tcarve;trim\n"
                    ";; qiT~_1\nqT\tqiT~\tNdu\tmale cat;tomcat\nqTT\tqiTaT\tN\tcats\n";
    sources.frequencies = "قطط 7\nقط 3\n";
    sources.thesaurus = Thesaurus({"قط|1", "(اسم)|هر"});
    sources.glossary = TestGlossary().Add("قط", {"Tomcat", "Cat"});
    sources.commonWords = "cat\n";
    Book book = Convert(sources);

    EXPECT_EQ(ChapterEntries(book.text, kQaf),
              Cp1256Lines({"@ قط قِطّ (اسم، ج قِطَط): male cat; tomcat | قَطَّ (فعل، يَقُطُّ): carve; trim | (اسم) هر | Cat",
                           "@ قطط انظر: قِطّ (cats)"}));
    const MergeCounts& merge = book.report.merge;
    EXPECT_EQ(merge.lemmasIn, 2);
    EXPECT_EQ(merge.lexiconGlossesRepeated, 1) << "Tomcat";
    EXPECT_EQ(merge.keysBySources[kFromLexicon | kFromThesaurus | kFromGlossary], 1);
    EXPECT_EQ(merge.weightedKeys, 1);
    EXPECT_EQ(merge.forms.in[static_cast<std::size_t>(FormSource::List)], 1);
}

// The glosses that the English-Arabic dictionary confirms come first; a
// gloss that only spells the word in Latin letters goes where the word has
// another, unless it is an English word: "Cat" for قط is its meaning.
TEST(LexiconEntries, RankTheGlossaryGlossesAndLeaveOutThoseThatOnlySpellTheWord)
{
    TestSources sources;
    sources.glossary = TestGlossary()
                           .Add("بيت", {"Bett", "Pete", "Home"})
                           .Add("بنك", {"Bank"})
                           .Add("ماء", {"Miaowed", "Water"})
                           .Add("بوب", {"Bob"})
                           .Add("بيبر", {"Pepper"})
                           .Add("بيتر", {"Peter"});
    sources.english = TestGlossary()
                          .Add("Bett", {"بيت"})
                          .Add("Home", {"بيت"})
                          .Add("Bank", {"البنك"})
                          .Add("Water", {"الماء"})
                          .Add("Peter", {"بيتر"});
    sources.commonWords = "home\nbank\nwater\nPete\nPeter\npepper\n";
    Book book = Convert(sources);

    EXPECT_EQ(ChapterEntries(book.text, kBeh), Cp1256Lines({"@ بنك Bank", "@ بوب Bob", "@ بيبر Pepper", "@ بيت Home"}))
        << "Peter, a name that the other direction names too, only spells its word; Bob has too few sounds to tell";
    EXPECT_EQ(ChapterEntries(book.text, kMeem), Cp1256Lines({"@ ماء Water; Miaowed"}));
    const MergeCounts& merge = book.report.merge;
    EXPECT_EQ(merge.spelledOutGlossesLeftOut, 2) << "Bett and Pete";
    EXPECT_EQ(merge.spelledOutLeftOut, 1) << "Peter";
    EXPECT_EQ(merge.confirmedGlosses, 3) << "Home, Bank and Water";
}

// A glossary key that writes a lemma's alefs otherwise leads to the lemma and
// keeps only the glosses that the lemma's entry lacks; the English entry
// names the lemma, not the misspelling.
TEST(LexiconEntries, LeadMisspellingsOfALemmaToIt)
{
    TestSources sources;
    sources.stems = ";; {imora>ap_1\nAmr>\t{imora>\tNapdu\twoman\n"
                    ";; >usobuwE_1\n>sbwE\t>usobuwE\tNdu\tweek\n";
    sources.glossary = TestGlossary().Add("إمرأة", {"Woman", "Wife"}).Add("اسبوع", {"Week"});
    Book book = Convert(sources);

    EXPECT_EQ(ChapterEntries(book.text, kAlef),
              Cp1256Lines({"@ أسبوع أُسْبُوع (اسم): week", "@ اسبوع انظر: أسبوع", "@ إمرأة Wife | انظر: امرأة",
                           "@ امرأة اِمْرَأَة (اسم): woman", "@ امراة انظر: امرأة", "@ امرأه انظر: امرأة",
                           "@ امراه انظر: امرأة"}));
    EXPECT_EQ(ChapterEntries(book.text, Alphabet::kLetterCount + ('w' - 'a')),
              Cp1256Lines({"@ week أُسْبُوع (اسم)", "@ woman اِمْرَأَة (اسم)"}))
        << "a misspelling's glosses name no English word";
    const MergeCounts& merge = book.report.merge;
    EXPECT_EQ(merge.misspellings, 2);
    EXPECT_EQ(merge.misspellingGlossesLeftOut, 2);
}

// Where a one-letter list would pass the budget, headwords stay by how often
// a reader meets the word they lead to, then how common its English gloss
// is, then their kind; a spelling stays only with a word it leads to.
TEST(MergeArabic, KeepsTheWordsAReaderMeetsMostWithinTheBudget)
{
    bookformat::Windows1256 encoding;
    Alphabet alphabet(encoding);
    auto glossary = [](std::string_view word, std::string_view gloss) {
        Block block{Cp1256(word), Cp1256(word), {Source::Glossary, 1}, false, {}};
        block.items.emplace_back().Append(gloss);
        return block;
    };
    std::vector<Block> blocks = {glossary("اتجاه", "Direction"), glossary("ارز", "Rice"), glossary("اجاص", "Pear"),
                                 glossary("افق", "Horizon")};
    Diagnostics diagnostics;
    LexiconCounts lexiconCounts;
    const BookLexicon lexicon({";; >amal_1\n>ml\t>amal\tN\thope\n;; {ibon_1\nAbn\t{ibon\tNdu\tson\n",
                               small_lexicon::kPrefixes, small_lexicon::kSuffixes, small_lexicon::kPrefixStem,
                               small_lexicon::kPrefixSuffix, small_lexicon::kStemSuffix},
                              diagnostics, lexiconCounts);
    FrequencyCounts frequencies;
    const WordWeights weights(ranking::ReadFrequencyList("أمل 10\nاتجاه 3\n"), encoding, frequencies);
    const ranking::EnglishTiers tiers("son\nrice\nhope\n", "horizon\n", "");
    const Translations translations({});
    MergeCounts counts;
    MergedDictionary merged = MergeArabic(blocks, lexicon, {weights, tiers, translations, ranking::OneLetterBudget({3, 100})},
                                          encoding, alphabet, counts, diagnostics);

    std::vector<std::string> headwords;
    for (const Entry& entry : merged.entries)
        headwords.push_back(entry.headword);
    EXPECT_EQ(headwords, Cp1256Lines({"أمل", "ابن", "اتجاه", "امل"}))
        << "امل by the weight of أمل, اتجاه by its own, ابن by its common gloss before ارز, a glossary's";
    const std::array<int, kArabicKindCount>& leftOut = counts.leftOut.at(Cp1256("ا")[0]);
    EXPECT_EQ(leftOut[static_cast<std::size_t>(ArabicKind::Glossary)], 3);
    EXPECT_EQ(leftOut[static_cast<std::size_t>(ArabicKind::Lemma)], 0);
}

}  // namespace
