#include "BookLexiconFiles.h"
#include "Buckwalter.h"
#include "LemmaSummary.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// The lexicon that the book is made from, read once, with what it says of each lemma.
struct BookLexicon : BookLexiconFiles {
    std::map<std::string, lexicon::LemmaSummary> byId;  // the lexicon's IDs are unique
    std::vector<lexicon::LemmaSummary> unnamed;
    int withoutStems = 0;

    BookLexicon()
    {
        for (const lexicon::Lemma& lemma : stems.lemmas) {
            std::optional<lexicon::LemmaSummary> summary = lexicon::Summarize(lemma, morphology);
            if (summary && lemma.id.empty())
                unnamed.push_back(std::move(*summary));
            else if (summary)
                byId.emplace(lemma.id, std::move(*summary));
            else
                ++withoutStems;
        }
    }
};

const BookLexicon& Lexicon()
{
    static const BookLexicon lexicon;
    return lexicon;
}

TEST(BookLexicon, ReadsEveryLemmaAndCountsTheMalformedIds)
{
    const BookLexicon& book = Lexicon();
    EXPECT_TRUE(book.stems.problems.empty());
    EXPECT_TRUE(book.problems.empty());
    EXPECT_EQ(book.stems.lemmas.size(), 38607u) << "38,600 IDs and 7 lemmas whose ID line is missing";
    EXPECT_EQ(book.byId.size() + book.withoutStems, 38600u);
    ASSERT_EQ(book.unnamed.size(), 7u);
    EXPECT_EQ(book.unnamed[1].citation, "ra>aY");
    EXPECT_EQ(book.unnamed[1].imperfect, "yaraY");
    EXPECT_EQ(book.withoutStems, 3);
    int malformed = 0;
    std::set<std::string> keys, fromMalformed;
    for (const auto& [id, summary] : book.byId) {
        malformed += !summary.idTrusted;
        if (!summary.properNoun)
            (summary.idTrusted ? keys : fromMalformed).insert(summary.key);
    }

    EXPECT_EQ(malformed, 10);
    // The distinct unvocalized citation forms of all but the proper nouns; a
    // malformed ID's first stem ("bihi" for "bi-_1") gives 8 more.
    EXPECT_EQ(keys.size(), 28544u);
    keys.insert(fromMalformed.begin(), fromMalformed.end());
    EXPECT_EQ(keys.size(), 28552u);
    for (const std::string& key : keys)
        EXPECT_TRUE(lexicon::ToWindows1256(key)) << key;
}

TEST(BookLexicon, GivesTheVowelsImperfectsAndPluralsThatALearnerLooksFor)
{
    const std::map<std::string, lexicon::LemmaSummary>& byId = Lexicon().byId;
    struct Expected {
        const char* id;
        const char* citation;
        std::optional<std::string> imperfect;
        std::vector<std::string> otherStems;
        const char* firstGloss;
    };
    const Expected words[] = {
        {"katab-u_1", "kataba", "yakotubu", {}, "write"},
        {">arAd_1", ">arAda", "yuriydu", {}, "want"},
        {"kAn_1", "kAna", "yakuwnu", {}, "was"},
        {"qara>-a_1", "qara>a", "yaqora>u", {}, "read"},
        {"{imora>ap_1", "{imora>ap", std::nullopt, {}, "woman"},
        {"madorasap_1", "madorasap", std::nullopt, {"madAris"}, "school"},
        {"rajul_1", "rajul", std::nullopt, {"rijAl"}, "man"},
        {">usobuwE_1", ">usobuwE", std::nullopt, {">asAbiyE"}, "week"},
        {"kabiyr_1", "kabiyr", std::nullopt, {"kibAr", "kubarA'"}, "large"},
    };
    for (const Expected& word : words) {
        SCOPED_TRACE(word.id);
        auto found = byId.find(word.id);
        ASSERT_NE(found, byId.end());
        const lexicon::LemmaSummary& summary = found->second;
        EXPECT_EQ(summary.citation, word.citation);
        EXPECT_EQ(summary.imperfect, word.imperfect);
        EXPECT_EQ(summary.otherStems, word.otherStems);
        ASSERT_FALSE(summary.glosses.empty());
        EXPECT_EQ(summary.glosses.front(), word.firstGloss);
    }
}

}  // namespace
