#include "ToolProcess.h"

namespace {

// Runs the built kalimor-bookconv on sources in the test's directory: a
// thesaurus text, a glossary and an English-Arabic source of one article
// each, their texts gzipped, and a word list.
class ConverterTool : public ToolProcess {
protected:
    void SetUp() override
    {
        ToolProcess::SetUp();
        WriteDictd("glossary", "دار", "دار /daːr/\nHome\n", m_index, m_dictionary);
        WriteDictd("english", "home", "Home /hˈəʊm/\nمنزل\n", m_englishIndex, m_englishDictionary);
        m_words = WriteFile("words", "home\n");
    }

    void WriteDictd(const std::string& name, const std::string& headword, const std::string& article,
                    std::string& index, std::string& dictionary)
    {
        ASSERT_LT(article.size(), 64u);  // one base-64 digit
        index = WriteFile(name + ".index", headword + "\tA\t" + std::string(1, kBase64[article.size()]) + "\n");
        dictionary = WriteFile(name + ".dict", article);
        ASSERT_EQ(std::system(("gzip -n " + Quoted(dictionary)).c_str()), 0);
        dictionary += ".gz";
    }

    Outcome Convert(const std::string& thesaurus, const std::string& output, const std::string& shellPrefix = "")
    {
        return ConvertWith(m_dictionary, thesaurus, output, shellPrefix);
    }

    Outcome ConvertWith(const std::string& dictionary, const std::string& thesaurus, const std::string& output,
                        const std::string& shellPrefix = "")
    {
        return Run(KALIMOR_BOOKCONV_PATH,
                   {thesaurus, m_index, dictionary, m_englishIndex, m_englishDictionary, m_words, output}, shellPrefix);
    }

    static constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string m_index;
    std::string m_dictionary;
    std::string m_englishIndex;
    std::string m_englishDictionary;
    std::string m_words;
};

TEST_F(ConverterTool, SaysWhyItCannotReadItsSource)
{
    std::string output = (m_dir / "book.txt").string();
    ExpectOneLine(Convert(m_dir.string(), output), 1, "cannot read " + m_dir.string() + ": a directory");
    ExpectOneLine(Convert("/dev/zero", output), 1, "a device, not a regular file");
    ExpectOneLine(Convert("th\x1B[1m.dat", output), 1, "cannot read th\\x1B[1m.dat: ");
    std::string thesaurus = WriteFile("th.dat", "UTF-8\n");
    std::string notGzip = WriteFile("glossary.dict.dz", "plain text");
    ExpectOneLine(ConvertWith(notGzip, thesaurus, output), 1, "cannot read " + notGzip + ": not gzip data");
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), std::filesystem::directory_iterator()), 9)
        << "the six source files, book.txt and the tool's out and err, no temporary file";

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
