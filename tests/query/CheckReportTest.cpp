#include "CheckReport.h"
#include "SmallBook.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> OutputLines(const std::string& book, int& status)
{
    std::ostringstream out;
    status = ReportCheck(book, out);
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(CheckReport, ShowsTheFirstViolationsOfEachRuleWithTheirLinesAndCountsTheRest)
{
    std::vector<std::string> lines = smallbook::Lines();
    const std::size_t extra = 5;
    lines.insert(lines.begin() + 11, kShownPerRule + extra, "see @ here");
    lines.insert(lines.begin() + 11, "*1 no third star");
    int status = -1;
    std::vector<std::string> out = OutputLines(smallbook::Join(lines), status);

    EXPECT_EQ(status, 1);
    ASSERT_GT(out.size(), kShownPerRule + 3);
    EXPECT_EQ(out[0].rfind("line 12: rule 4: ", 0), 0u) << out[0];
    EXPECT_EQ(out[1].rfind("line 13: rule 1: ", 0), 0u) << out[1];
    EXPECT_EQ(out[kShownPerRule].rfind("line " + std::to_string(12 + kShownPerRule) + ": rule 1: ", 0), 0u);
    EXPECT_EQ(out[kShownPerRule + 1], "rule 1: and " + std::to_string(extra) + " more");
    EXPECT_EQ(out[kShownPerRule + 2], std::to_string(kShownPerRule + extra + 1) + " violations.");
    EXPECT_EQ(out[kShownPerRule + 3], "");
    EXPECT_EQ(out[kShownPerRule + 4].rfind("Book ", 0), 0u);

    out = OutputLines(smallbook::Join(smallbook::Lines()), status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out.at(0), "Every rule holds.");
}

}  // namespace
