#include "ToolProcess.h"

namespace {

// Runs the built kalimor-bookconv on thesaurus texts in the test's directory.
class ConverterTool : public ToolProcess {
protected:
    Outcome Convert(const std::string& source, const std::string& output, const std::string& shellPrefix = "")
    {
        return Run(KALIMOR_BOOKCONV_PATH, {source, output}, shellPrefix);
    }
};

TEST_F(ConverterTool, SaysWhyItCannotReadItsSource)
{
    std::string output = (m_dir / "book.txt").string();
    ExpectOneLine(Convert(m_dir.string(), output), 1, "cannot read " + m_dir.string() + ": a directory");
    ExpectOneLine(Convert("/dev/zero", output), 1, "a device, not a regular file");
    ExpectOneLine(Convert("th\x1B[1m.dat", output), 1, "cannot read th\\x1B[1m.dat: ");
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(ConverterTool, LeavesTheOldBookWhenTheNewOneCannotBeWrittenWhole)
{
    std::string source = WriteFile("th.dat", "UTF-8\nبيت|1\n(اسم)|دار\n");
    std::string output = WriteFile("book.txt", "the old book");
    // Files of at most 2 blocks, and a write past that fails instead of ending the process.
    Outcome outcome = Convert(source, output, "ulimit -f 2; trap '' XFSZ; ");
    ExpectOneLine(outcome, 1, "cannot write " + output + ": File too large");
    EXPECT_EQ(ReadFile(output), "the old book");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), std::filesystem::directory_iterator()), 4)
        << "th.dat, book.txt and the tool's out and err, no temporary file";

    outcome = Convert(source, output);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(ReadFile(output).rfind("*BOOK*", 0), 0u);
}

TEST_F(ConverterTool, RunningOutOfMemoryIsOneLine)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    std::string source = WriteFile("th.dat", "");
    ASSERT_EQ(truncate(source.c_str(), 1 << 30), 0);
    ExpectOneLine(Convert(source, (m_dir / "book.txt").string(), "ulimit -v 200000; "), 2, "out of memory");
}

}  // namespace
