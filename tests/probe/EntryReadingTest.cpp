#include "EntryReading.h"
#include "Windows1256.h"

#include <gtest/gtest.h>

namespace {

std::string Cp1256(std::string_view utf8)
{
    static bookformat::Windows1256 encoding;
    return encoding.FromOwnText(utf8);
}

TEST(EnglishGlosses, AreTheLatinRunsBetweenTheSeparatorsInOrder)
{
    EXPECT_EQ(probe::EnglishGlosses(Cp1256(" كَتَبَ (فعل، يَكْتُبُ): write; be written | (فعل) خَطَّ | To Pen; kuttab (village school)\r")),
              (std::vector<std::string>{"write", "be written", "pen", "kuttab", "village school"}));
    EXPECT_TRUE(probe::EnglishGlosses(Cp1256(" انظر: كتب")).empty());
}

TEST(GlossHolds, TheMeaningAsWholeWords)
{
    EXPECT_TRUE(probe::GlossHolds("be read", "read"));
    EXPECT_TRUE(probe::GlossHolds("male cat", "cat"));
    EXPECT_FALSE(probe::GlossHolds("tomcat", "cat"));
    EXPECT_FALSE(probe::GlossHolds("reading", "read"));
    EXPECT_TRUE(probe::GlossHolds("get up", "get up"));
    EXPECT_FALSE(probe::GlossHolds("get", ""));
}

TEST(NamesArabic, TheWordsWithoutMarksAloneOrWithTheArticle)
{
    const std::string entry = Cp1256(" مَدْرَسَة (اسم، ج مَدارِس): school | المدرسة الثانوية: High school");
    EXPECT_TRUE(probe::NamesArabic(entry, Cp1256("مدارس")));
    EXPECT_TRUE(probe::NamesArabic(entry, Cp1256("مدرسة ثانوية")));
    EXPECT_TRUE(probe::NamesArabic(entry, Cp1256("مدرسة")));
    EXPECT_FALSE(probe::NamesArabic(entry, Cp1256("درس")));
    EXPECT_FALSE(probe::NamesArabic(entry, Cp1256("الثانوية المدرسة")));
}

}  // namespace
