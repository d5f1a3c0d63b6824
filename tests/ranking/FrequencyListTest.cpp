#include "FrequencyList.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadFrequencyList, TakesEachFormWithItsCountAndNamesTheLinesThatAreNot)
{
    ranking::FrequencyList list = ranking::ReadFrequencyList("من 2965717\n، 5527080\r\nغير معروف 12\nبلا\n 7\nكلمة -3\nكلمة 12x\n");
    ASSERT_EQ(list.forms.size(), 3u);
    EXPECT_EQ(list.forms[0].form, "من");
    EXPECT_EQ(list.forms[0].count, 2965717);
    EXPECT_EQ(list.forms[1].line, 2);
    EXPECT_EQ(list.forms[1].count, 5527080) << "a CR before the line feed is no digit";
    EXPECT_EQ(list.forms[2].form, "غير معروف") << "the count is after the last space";
    EXPECT_EQ(list.malformedLines, (std::vector<int>{4, 5, 6, 7}));
}

}  // namespace
