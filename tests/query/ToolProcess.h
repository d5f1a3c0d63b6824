#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Runs a built tool as a process, in a directory of the test's own that
// holds the files it reads and writes.
class ToolProcess : public ::testing::Test {
protected:
    struct Outcome {
        int status = -1;
        std::string out, err;
    };

    void SetUp() override
    {
        std::string dir = (std::filesystem::temp_directory_path() / "kalimor-tool-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        m_dir = dir;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Any bytes but NUL, as one word for the shell.
    static std::string Quoted(const std::string& arg)
    {
        std::string quoted = "'";
        for (char c : arg)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }

    static std::string ReadFile(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string WriteFile(const std::string& name, const std::string& bytes)
    {
        std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    // shellPrefix runs before the tool in the same shell, for limits such as "ulimit -v 100000;".
    Outcome Run(const std::string& tool, const std::vector<std::string>& args, const std::string& shellPrefix = "")
    {
        std::string command = Quoted(tool);
        for (const std::string& arg : args)
            command += " " + Quoted(arg);
        std::filesystem::path out = m_dir / "out", err = m_dir / "err";
        std::string shell = shellPrefix + command + " >" + Quoted(out) + " 2>" + Quoted(err);
        int status = std::system(("sh -c " + Quoted(shell)).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    // A refusal: the status, nothing on stdout, one line on stderr that says why.
    static void ExpectOneLine(const Outcome& outcome, int status, const std::string& why)
    {
        EXPECT_EQ(outcome.status, status) << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
        EXPECT_NE(outcome.err.find(why), std::string::npos) << outcome.err;
    }

    std::filesystem::path m_dir;
};
