#include "ToolProcess.h"

namespace {

// Runs the built kalimor-bookconv on sources in the test's directory: a
// thesaurus text, a glossary and an English-Arabic source of one article
// each, their texts gzipped, a lexicon of one lemma, a frequency list and
// three word lists.
class ConverterTool : public ToolProcess {
protected:
    void SetUp() override
    {
        ToolProcess::SetUp();
        m_glossary = WriteDictd("glossary", "دار", "دار /daːr/\nHome\n");
        m_english = WriteDictd("english", "home", "Home /hˈəʊm/\nمنزل\n");
        std::filesystem::create_directory(m_dir / "lexicon");
        for (const char* file : {"dictprefixes", "dictsuffixes", "tableab", "tableac", "tablebc"})
            WriteFile("lexicon/" + std::string(file), "");
        WriteFile("lexicon/dictstems", ";; bayot_1\nbyt\tbayot\tN\thouse\n");
        m_frequencies = WriteFile("frequencies", "بيت 10\n");
        m_words = WriteFile("words", "home\nhouse\n");
    }

    // Writes BASE.index and BASE.dict.dz of one article and returns BASE.
    std::string WriteDictd(const std::string& name, const std::string& headword, const std::string& article)
    {
        EXPECT_LT(article.size(), 64u);  // one base-64 digit
        std::string base = (m_dir / name).string();
        WriteFile(name + ".index", headword + "\tA\t" + std::string(1, kBase64[article.size()]) + "\n");
        std::string dictionary = WriteFile(name + ".dict", article);
        EXPECT_EQ(std::system(("gzip -n -S .dz " + Quoted(dictionary)).c_str()), 0);
        return base;
    }

    Outcome Convert(const std::string& thesaurus, const std::string& output, const std::string& shellPrefix = "")
    {
        return ConvertWith(m_glossary, thesaurus, output, shellPrefix);
    }

    Outcome ConvertWith(const std::string& glossary, const std::string& thesaurus, const std::string& output,
                        const std::string& shellPrefix = "")
    {
        return Run(KALIMOR_BOOKCONV_PATH,
                   {"--thesaurus", thesaurus, "--ara-eng", glossary, "--eng-ara", m_english, "--lexicon",
                    (m_dir / "lexicon").string(), "--frequencies", m_frequencies, "--common-words", m_words,
                    "--usual-words", m_words, "--large-words", m_words, output},
                   shellPrefix);
    }

    static constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string m_glossary;
    std::string m_english;
    std::string m_frequencies;
    std::string m_words;
};

TEST_F(ConverterTool, NamesItsOptionsWhenOneIsMissingOrRepeated)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--thesaurus", "th.dat", "book.txt"},
          std::vector<std::string>{"--thesaurus", "a", "--thesaurus", "b", "book.txt"}, std::vector<std::string>{}}) {
        Outcome outcome = Run(KALIMOR_BOOKCONV_PATH, args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err.rfind("usage: kalimor-bookconv --thesaurus FILE", 0), 0u) << outcome.err;
    }
}

TEST_F(ConverterTool, SaysWhyItCannotReadItsSource)
{
    std::string output = (m_dir / "book.txt").string();
    ExpectOneLine(Convert(m_dir.string(), output), 1, "cannot read " + m_dir.string() + ": a directory");
    ExpectOneLine(Convert("/dev/zero", output), 1, "a device, not a regular file");
    ExpectOneLine(Convert("th\x1B[1m.dat", output), 1, "cannot read th\\x1B[1m.dat: ");
    std::string thesaurus = WriteFile("th.dat", "UTF-8\n");
    WriteFile("plain.index", "");
    std::string notGzip = WriteFile("plain.dict.dz", "plain text");
    ExpectOneLine(ConvertWith((m_dir / "plain").string(), thesaurus, output), 1,
                  "cannot read " + notGzip + ": not gzip data");
    ExpectOneLine(ConvertWith((m_dir / "absent").string(), thesaurus, output), 1,
                  "cannot read " + (m_dir / "absent").string() + ".index");
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), std::filesystem::directory_iterator()), 11)
        << "the seven source files, the lexicon's folder, book.txt and the tool's out and err, no temporary file";

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
