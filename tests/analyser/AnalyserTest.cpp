#include "Analyser.h"
#include "SmallLexicon.h"

#include <gtest/gtest.h>

namespace {

struct Cut {
    std::string prefix, stem, suffix;
    std::size_t lemma;
    friend bool operator==(const Cut& a, const Cut& b)
    {
        return std::tie(a.prefix, a.stem, a.suffix, a.lemma) == std::tie(b.prefix, b.stem, b.suffix, b.lemma);
    }
    friend std::ostream& operator<<(std::ostream& out, const Cut& cut)
    {
        return out << cut.prefix << "+" << cut.stem << "+" << cut.suffix << " of lemma " << cut.lemma;
    }
};

std::vector<Cut> Cuts(const analyser::Analyser& analyser, std::string_view word)
{
    std::vector<Cut> cuts;
    for (const analyser::Analysis& a : analyser.Analyse(word))
        cuts.push_back({a.prefix->vocalized, a.stem->vocalized, a.suffix->vocalized, a.lemma});
    return cuts;
}

// A word is every cut into a prefix, a stem and a suffix of the lexicon
// whose three categories the tables pair: "yd" is the noun "yad" and the
// third person of the verb whose stem is "d".
TEST(Analyse, KeepsEveryCutWhoseCategoriesTheTablesPair)
{
    const std::vector<lexicon::Lemma> lemmas = lexicon::ReadStems(
                                                    ";; yad_1\nyd\tyad\tNdu\thand\n"
                                                    ";; wadaY_1\nd\tdiy\tIV\tpay blood money\n"
                                                    ";; madorasap_1\nmdrs\tmadoras\tNapdu\tschool\nmdArs\tmadAris\tNdip\tschools\n"
                                                    ";; kitAb_1\nktAb\tkitAb\tNdu\tbook\n")
                                                    .lemmas;
    const lexicon::Morphology morphology = SmallMorphology();
    const analyser::Analyser analyser(lemmas, morphology);

    EXPECT_EQ(Cuts(analyser, "yd"), (std::vector<Cut>{{"", "yad", "", 0}, {"ya", "diy", "", 1}, {"ya", "diy", "", 1}}))
        << "the imperfect of he and of they";
    EXPECT_EQ(Cuts(analyser, "mdrsp"), (std::vector<Cut>{{"", "madoras", "ap", 2}}));
    EXPECT_EQ(Cuts(analyser, "mdArs"), (std::vector<Cut>{{"", "madAris", "", 2}}));
    EXPECT_TRUE(Cuts(analyser, "mdrs").empty()) << "Napdu takes its feminine ending";
    EXPECT_TRUE(Cuts(analyser, "ktAbh").empty()) << "the stem-suffix table pairs no Ndu with a pronoun here";
    EXPECT_TRUE(Cuts(analyser, "ktAbp").empty()) << "Ndu takes no feminine ending";
    EXPECT_TRUE(Cuts(analyser, "").empty());
    EXPECT_TRUE(Cuts(analyser, "xyz").empty());
}

}  // namespace
