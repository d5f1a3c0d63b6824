#include "LemmaSummary.h"
#include "SmallLexicon.h"

#include <gtest/gtest.h>

namespace {

using lexicon::PartOfSpeech;

const lexicon::Morphology& Small()
{
    static const lexicon::Morphology morphology = SmallMorphology();
    return morphology;
}

lexicon::LemmaSummary Summary(std::string_view id, std::string_view stems)
{
    std::optional<lexicon::LemmaSummary> summary = lexicon::Summarize(LemmaOf(id, stems), Small());
    EXPECT_TRUE(summary) << id;
    return summary.value_or(lexicon::LemmaSummary{});
}

// A verb is cited with its final fatha, and its imperfect is made with the
// prefix that its imperfect stem takes; its passive's glosses follow.
TEST(Summarize, CitesAVerbWithItsFathaAndItsImperfect)
{
    lexicon::LemmaSummary write = Summary("katab-u_1",
                                          "ktb\tkatab\tPV\twrite\n"
                                          "ktb\tkotub\tIV\twrite\n"
                                          "ktb\tkotab\tIV_Pass_yu\tbe written;be fated\n");
    EXPECT_EQ(write.citation, "kataba");
    EXPECT_EQ(write.key, "ktb");
    EXPECT_EQ(write.imperfect, "yakotubu");
    EXPECT_EQ(write.glosses, (std::vector<std::string>{"write", "be written", "be fated"}));
    EXPECT_EQ(write.partsOfSpeech, std::vector<PartOfSpeech>{PartOfSpeech::Verb});
    EXPECT_TRUE(write.idTrusted);

    EXPECT_EQ(Summary(">arAd_1", ">rAd\t>arAd\tPV\twant\nryd\triyd\tIV_yu\twant\n").imperfect, "yuriydu");
    EXPECT_EQ(Summary("banaY-i_1", "bnY\tbanaY\tPV\tbuild\nbny\toniy\tIV\tbuild\n").citation, "banaY")
        << "no fatha after the alef maksura";
    EXPECT_EQ(Summary("banaY-i_1", "bnY\tbanaY\tPV\tbuild\nbny\tboniy\tIV\tbuild\n").imperfect, "yaboniy")
        << "no damma after a long vowel";
}

// A noun's stems of another meaning are its broken plurals, written as words:
// not the spellings that only stand before a suffix, and a plural with
// tanween once beside its form in "-iy".
TEST(Summarize, NamesANounsBrokenPluralsOnce)
{
    lexicon::LemmaSummary school = Summary("madorasap_1", "mdrs\tmadoras\tNapdu\tschool\nmdArs\tmadAris\tNdip\tschools\n");
    EXPECT_EQ(school.citation, "madorasap");
    EXPECT_EQ(school.key, "mdrsp");
    EXPECT_EQ(school.otherStems, std::vector<std::string>{"madAris"});
    EXPECT_EQ(school.glosses, std::vector<std::string>{"school"}) << "the plural's gloss is not the word's";
    EXPECT_EQ(Small().StandaloneForm(LemmaOf("madorasap_1", "mdrs\tmadoras\tNapdu\tschool\n").stems.at(0)),
              "madorasap")
        << "a stem of a feminine noun stands with its ending";

    lexicon::LemmaSummary hand = Summary("yad_1",
                                         "yd\tyad\tNdu\thand\n"
                                         ">ydy\t>ayodiy\tN0_Nh\thands\n"
                                         "Aydy\t>ayodiy\tN0_Nh\thands\n"
                                         ">yd\t>ayod\tNK\thands\n");
    EXPECT_EQ(hand.otherStems, std::vector<std::string>{">ayodiy"});

    lexicon::LemmaSummary water = Summary("mA'_1",
                                          "mA'\tmA'\tN0_Nh\twater\n"
                                          "mA&\tmA&\tNh\twater\n"
                                          "myAh\tmiyAh\tN\twater;waters\n");
    EXPECT_EQ(water.otherStems, std::vector<std::string>{"miyAh"});
    EXPECT_EQ(Small().StandaloneForm(LemmaOf("mA'_1", "mA&\tmA&\tNh\twater\n").stems.at(0)), std::nullopt)
        << "mA& only stands before a pronoun";
}

// A stem fused with a clitic is no word of the lemma's, unless the lemma
// has no other: then it is cited as it stands, with no part of speech.
TEST(Summarize, LeavesOutStemsFusedWithAClitic)
{
    lexicon::LemmaSummary brother = Summary(">ax_1",
                                            ">x\t>ax\tN0_Nh\tbrother\n"
                                            ">xy\t>axiy\tFW\tbrother + my      <pos>>ax/NOUN+iy/POSS_PRON_1S</pos>\n");
    EXPECT_EQ(brother.glosses, std::vector<std::string>{"brother"});
    EXPECT_EQ(brother.partsOfSpeech, std::vector<PartOfSpeech>{PartOfSpeech::Noun});

    lexicon::LemmaSummary inTheName =
        Summary("bisomi_1", "bsm\tbisomi\tFW\tin the name of  <pos>bi/PREP+somi/NOUN</pos>\n");
    EXPECT_EQ(inTheName.citation, "bisomi");
    EXPECT_EQ(inTheName.glosses, std::vector<std::string>{"in the name of"});
    EXPECT_TRUE(inTheName.partsOfSpeech.empty());
    EXPECT_FALSE(lexicon::Summarize(LemmaOf("walom_1", ""), Small()));
}

TEST(Summarize, CitesTheFirstStemWhereTheIdIsMalformedAndTellsProperNouns)
{
    lexicon::LemmaSummary malformed = Summary("$adA-w_1", "$dA\t$adA\tPV\tsing\n");
    EXPECT_FALSE(malformed.idTrusted);
    EXPECT_EQ(malformed.citation, "$adA");
    EXPECT_EQ(Summary(">azowar_2    ", "zwr\t>azowar\tN\tfalse\n").idTrusted, false);

    lexicon::LemmaSummary egypt = Summary("miSor_1", "mSr\tmiSor\tNprop\tEgypt\n");
    EXPECT_TRUE(egypt.properNoun);
    EXPECT_FALSE(Summary("All~ah_1", "Allh\tAll~`h\tFW\tGod    <pos>All~`h/NOUN_PROP</pos>\n").properNoun)
        << "a proper noun by its category";
    EXPECT_EQ(egypt.partsOfSpeech, std::vector<PartOfSpeech>{PartOfSpeech::ProperNoun});

    lexicon::LemmaSummary adjective = Summary("kabiyr_1", "kbyr\tkabiyr\tN\tbig     <pos>kabiyr/ADJ</pos>\n");
    EXPECT_FALSE(adjective.properNoun);
    EXPECT_EQ(adjective.partsOfSpeech, std::vector<PartOfSpeech>{PartOfSpeech::Adjective});
}

}  // namespace
