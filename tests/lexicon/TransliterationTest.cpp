#include "Buckwalter.h"
#include "Windows1256.h"

#include <gtest/gtest.h>

namespace {

std::string Cp1256(std::string_view utf8)
{
    static bookformat::Windows1256 encoding;
    return encoding.FromOwnText(utf8);
}

TEST(Transliteration, WritesLettersAndMarksAsWindows1256Bytes)
{
    EXPECT_EQ(lexicon::ToWindows1256("kataba"), Cp1256("كَتَبَ"));
    EXPECT_EQ(lexicon::ToWindows1256(">ayodiy"), Cp1256("أَيْدِي"));
    EXPECT_EQ(lexicon::ToWindows1256("$aEob"), Cp1256("شَعْب"));
    EXPECT_EQ(lexicon::ToWindows1256("mA'"), Cp1256("ماء"));
    // Windows-1256 has neither the alef wasla nor the dagger alef.
    EXPECT_EQ(lexicon::ToWindows1256("{imora>ap"), Cp1256("اِمْرَأَة"));
    EXPECT_EQ(lexicon::ToWindows1256("h`*A"), Cp1256("هذا"));
    EXPECT_EQ(lexicon::ToWindows1256("kitAb?"), std::nullopt);
    EXPECT_EQ(lexicon::ToWindows1256("write"), std::nullopt) << "e is no letter of the transliteration";
}

TEST(Transliteration, ReadsWindows1256BackAndLeavesOutTheMarksWhenUnvocalized)
{
    EXPECT_EQ(lexicon::FromWindows1256(Cp1256("والكتاب")), "wAlktAb");
    EXPECT_EQ(lexicon::FromWindows1256(Cp1256("مَدْرَسَة")), "madorasap");
    EXPECT_EQ(lexicon::FromWindows1256("abc"), std::nullopt);
    EXPECT_EQ(lexicon::Unvocalized("{isota>ojara"), "Ast>jr");
    EXPECT_EQ(lexicon::Unvocalized("*`lika"), "*lk");
    EXPECT_EQ(lexicon::Unvocalized("qiT~N"), "qT");
}

}  // namespace
