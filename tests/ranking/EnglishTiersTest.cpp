#include "EnglishTiers.h"

#include <gtest/gtest.h>

namespace {

const ranking::EnglishTiers& Tiers()
{
    static const ranking::EnglishTiers tiers("cat\nschool\nWrite\nhouse's\nPete\n", "cat\nschool\nimamate\nwrite\n",
                                             "cat\nimamate\nkuttab\nschool\nwrite\nzymurgy\n");
    return tiers;
}

TEST(EnglishTiers, TellsTheCommonestListAWordIsInWithoutRegardToCase)
{
    EXPECT_EQ(Tiers().TierOf("cat"), 0);
    EXPECT_EQ(Tiers().TierOf("WRITE"), 0);
    EXPECT_EQ(Tiers().TierOf("imamate"), 1);
    EXPECT_EQ(Tiers().TierOf("zymurgy"), 2);
    EXPECT_EQ(Tiers().TierOf("miaowed"), ranking::EnglishTiers::kNone);
    EXPECT_EQ(Tiers().TierOf("house's"), ranking::EnglishTiers::kNone) << "possessives are no words of the lists";
    EXPECT_EQ(Tiers().WordsUpTo(1), (std::set<std::string>{"cat", "imamate", "pete", "school", "write"}));
    EXPECT_TRUE(Tiers().HasSmallForm("Write")) << "the usual list writes it small";
    EXPECT_FALSE(Tiers().HasSmallForm("pete")) << "a name only";
}

TEST(EnglishTiers, RatesAGlossByItsRarestWord)
{
    EXPECT_EQ(Tiers().TierOfGloss("school"), 0);
    EXPECT_EQ(Tiers().TierOfGloss("Write; cat"), 0);
    EXPECT_EQ(Tiers().TierOfGloss("school (imamate)"), 1);
    EXPECT_EQ(Tiers().TierOfGloss("kuttab (village school)"), ranking::EnglishTiers::kNone);
    EXPECT_EQ(Tiers().TierOfGloss("(accus.)"), ranking::EnglishTiers::kNone) << "accus is in no list";
    EXPECT_EQ(Tiers().TierOfGloss("..."), ranking::EnglishTiers::kNone);
}

}  // namespace
