#include "SmallBook.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Any bytes but NUL, as one word for the shell.
std::string Quoted(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the built kalimor-query on books written into a directory of the test's own.
class QueryTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string dir = (fs::temp_directory_path() / "kalimor-query-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        m_dir = dir;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Book(const std::string& text)
    {
        fs::path path = m_dir / "book.txt";
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    Outcome Query(const std::vector<std::string>& args)
    {
        std::string command = Quoted(KALIMOR_QUERY_PATH);
        for (const std::string& arg : args)
            command += " " + Quoted(arg);
        fs::path out = m_dir / "out", err = m_dir / "err";
        int status = std::system((command + " >" + Quoted(out) + " 2>" + Quoted(err)).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    // A usage or input error: exit status 2, nothing on stdout, one line on stderr.
    void ExpectRefused(const std::vector<std::string>& args)
    {
        Outcome outcome = Query(args);
        EXPECT_EQ(outcome.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    }

    fs::path m_dir;
};

TEST_F(QueryTool, CheckExitsWithItsVerdict)
{
    Outcome good = Query({"--book", Book(smallbook::Join(smallbook::Lines())), "check"});
    EXPECT_EQ(good.status, 0) << good.out;
    EXPECT_EQ(good.out.rfind("Every rule holds.\n", 0), 0u) << good.out;

    Outcome bad = Query({"--book", Book(smallbook::With(12, "see @ here")), "check"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out.rfind("line 12: rule 1: ", 0), 0u) << bad.out;

    ExpectRefused({"--book", (m_dir / "missing.txt").string(), "check"});
}

TEST_F(QueryTool, TerminalTextIsUtf8)
{
    std::string book = Book(smallbook::Join(smallbook::Lines()));
    EXPECT_EQ(Query({"--book", book, "prefix", "كت"}).out, "list\nكتب\r\nكتم\r\nكتب\r\n");
    EXPECT_EQ(Query({"--book", book, "prefix", "كا"}).out, "entry\n كاتب في ك ت ب\r");
    EXPECT_EQ(Query({"--book", book, "exact", "كتب"}).out, "entry\n [كتب] ك ت ب: writing\r");
    EXPECT_EQ(Query({"--book", book, "exact", "كت"}).out, "list\n");
    ExpectRefused({"--book", book, "prefix", "\xD7\x90"});
    ExpectRefused({"--book", book, "exact", smallbook::kKtb});
}

TEST_F(QueryTool, RawBytesPassUnchanged)
{
    using namespace smallbook;
    std::string book = Book(Join(Lines()));
    EXPECT_EQ(Query({"--book", book, "--raw", "exact", kKtb}).out, "entry\n [" + kKtb + "] \xDF \xCA \xC8: writing\r");
    EXPECT_EQ(Query({"--book", book, "--raw", "prefix", ""}).out,
              "list\nHello\r\n" + kKtb + "\r\n" + kKtm + "\r\n" + kKatib + "\r\n" + kKtb + "\r\n*closing\r\n");
    // A NUL byte ends the text.
    EXPECT_EQ(Query({"--book", Book(With(12, std::string(1, '\0'))), "--raw", "prefix", ""}).out,
              "list\nHello\r\n" + kKtb + "\r\n");
}

TEST_F(QueryTool, TheOperandMayBeginWithADash)
{
    std::string book = Book(smallbook::With(15, "@ -v a dashed word"));
    EXPECT_EQ(Query({"--book", book, "exact", "-v"}).out, "entry\n -v a dashed word\r");
    EXPECT_EQ(Query({"--book", book, "prefix", "--raw"}).out, "list\n");
    ExpectRefused({});
    ExpectRefused({"--book", book, "lookup", "-v"});
}

}  // namespace
