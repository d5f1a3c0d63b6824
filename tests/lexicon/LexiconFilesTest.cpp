#include "LexiconFiles.h"

#include <gtest/gtest.h>

namespace {

using lexicon::Problem;

TEST(ReadStems, GroupsTheStemsUnderTheirLemmaAndSplitsGlossFromPartOfSpeech)
{
    lexicon::StemFile file = lexicon::ReadStems(
        "; a comment\n"
        ";--- ktb\n"
        ";; katab-u_1\n"
        "ktb\tkatab\tPV\twrite\n"
        "ktb\tkotub\tIV\twrite\n"
        "\n"
        ";; kitAbiy~_1\r\n"
        "ktAby\tkitAbiy~\tN-ap\twriting;written     <pos>kitAbiy~/ADJ</pos>\r\n");

    ASSERT_EQ(file.lemmas.size(), 2u);
    EXPECT_TRUE(file.problems.empty());
    EXPECT_EQ(file.lemmas[0].id, "katab-u_1");
    EXPECT_EQ(file.lemmas[0].line, 3);
    ASSERT_EQ(file.lemmas[0].stems.size(), 2u);
    EXPECT_EQ(file.lemmas[0].stems[1].vocalized, "kotub");
    EXPECT_EQ(file.lemmas[0].stems[1].category, "IV");
    const lexicon::Morpheme& adjective = file.lemmas[1].stems.at(0);
    EXPECT_EQ(adjective.line, 8);
    EXPECT_EQ(adjective.gloss, "writing;written");
    EXPECT_EQ(adjective.pos, "kitAbiy~/ADJ");
}

TEST(ReadStems, SkipsAndNamesTheLinesThatBreakTheFormat)
{
    lexicon::StemFile file = lexicon::ReadStems(
        "ktb\tkatab\tPV\twrite\n"
        ";; katab-u_1\n"
        "ktb\tkatab\tPV\n"
        "ktb\tkatab\tPV\twrite\textra\n"
        "ktb\tkatab\tPV\twrite\n");

    ASSERT_EQ(file.lemmas.size(), 1u);
    EXPECT_EQ(file.lemmas[0].stems.size(), 1u);
    ASSERT_EQ(file.problems.size(), 3u);
    EXPECT_EQ(file.problems[0].line, 1);
    EXPECT_EQ(file.problems[0].what, "a stem before the first lemma");
    EXPECT_EQ(file.problems[1].line, 3);
    EXPECT_EQ(file.problems[2].line, 4);
}

TEST(ReadStems, GivesTheStemsOfAVerbAfterANounALemmaOfTheirOwn)
{
    lexicon::StemFile file = lexicon::ReadStems(
        ";; rAwanod_1\n"
        "rAwnd\trAwanod\tN\trhubarb\n"
        "r>Y\tra>aY\tPV_0\tsee\n"
        "rY\traY\tIV_0\tsee\n"
        ";; >ax_1\n"
        ">x\t>ax\tN0F\tbrother\n"
        ">xy\t>axiy\tFW-WaBi\tbrother + my\n");

    ASSERT_EQ(file.lemmas.size(), 3u);
    EXPECT_EQ(file.lemmas[0].stems.size(), 1u);
    EXPECT_EQ(file.lemmas[1].id, "");
    EXPECT_EQ(file.lemmas[1].line, 3);
    EXPECT_EQ(file.lemmas[1].stems.size(), 2u);
    EXPECT_EQ(file.lemmas[2].stems.size(), 2u) << "a function word's stem goes with any";
}

TEST(ReadAffixesAndTables, KeepTheNullAffixAndEveryPairOfCategories)
{
    std::vector<Problem> problems;
    std::vector<lexicon::Morpheme> suffixes =
        lexicon::ReadAffixes("\t\tSuff-0\t\n;\tu\tNSuff-u\t[def.nom.]\np\tap\tNSuff-ap\t[fem.sg.] <pos>+ap/NSUFF_FEM_SG</pos>\n",
                             problems);
    ASSERT_EQ(suffixes.size(), 2u);
    EXPECT_EQ(suffixes[0].unvocalized, "");
    EXPECT_EQ(suffixes[0].category, "Suff-0");
    EXPECT_EQ(suffixes[1].gloss, "[fem.sg.]");

    lexicon::CategoryPairs pairs = lexicon::ReadTable("; AB\nPref-0 N\nNPref-Al N-ap\nbroken\n", problems);
    EXPECT_EQ(pairs, (lexicon::CategoryPairs{{"Pref-0", "N"}, {"NPref-Al", "N-ap"}}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 4);
}

}  // namespace
