#include "CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, TakesOptionsThenModeThenOperand)
{
    using Args = std::vector<std::string>;
    const std::tuple<Args, Mode, std::optional<std::string>, bool, std::string> cases[] = {
        {{"check"}, Mode::Check, std::nullopt, false, ""},
        {{"--raw", "--book", "b.txt", "prefix", "ab"}, Mode::Prefix, "b.txt", true, "ab"},
        {{"exact", ""}, Mode::Exact, std::nullopt, false, ""},
        {{"--raw", "prefix", "-x"}, Mode::Prefix, std::nullopt, true, "-x"},
        {{"prefix", "--raw"}, Mode::Prefix, std::nullopt, false, "--raw"},
        {{"--book", "--raw", "exact", "--help"}, Mode::Exact, "--raw", false, "--help"},
        {{"-h"}, Mode::Help, std::nullopt, false, ""},
        {{"--book", "b.txt", "--help", "nonsense"}, Mode::Help, "b.txt", false, ""},
    };
    for (const auto& [args, mode, book, raw, operand] : cases) {
        ParsedCommandLine parsed = ParseCommandLine(args);
        std::string shown = ::testing::PrintToString(args);
        ASSERT_TRUE(parsed.ok) << shown << ": " << parsed.error;
        EXPECT_EQ(parsed.invocation.mode, mode) << shown;
        EXPECT_EQ(parsed.invocation.bookPath, book) << shown;
        EXPECT_EQ(parsed.invocation.raw, raw) << shown;
        EXPECT_EQ(parsed.invocation.operand, operand) << shown;
    }
}

TEST(CommandLine, SaysWhyItRefuses)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "no mode"},
        {{"--book"}, "--book needs FILE"},
        {{"--verbose", "check"}, "unknown option --verbose"},
        {{"--raw", "--raw", "prefix", "a"}, "--raw is given twice"},
        {{"find", "a"}, "unknown mode find"},
        {{"exact"}, "exact needs WORD"},
        {{"prefix", "a", "b"}, "unexpected argument b"},
        {{"check", "a"}, "unexpected argument a"},
        {{"--raw", "check"}, "--raw applies to prefix and exact only"},
    };
    for (const auto& [args, error] : cases) {
        ParsedCommandLine parsed = ParseCommandLine(args);
        EXPECT_FALSE(parsed.ok) << ::testing::PrintToString(args);
        EXPECT_NE(parsed.error.find(error), std::string::npos) << parsed.error;
    }
}

}  // namespace
