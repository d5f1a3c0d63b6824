#include "BookFormat.h"
#include "Windows1256.h"
#include "SmallBook.h"
#include "ToolProcess.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

using bookformat::Windows1256;

// Runs the built kalimor-query on books written into the test's directory.
class QueryTool : public ToolProcess {
protected:
    std::string Book(const std::string& text) { return WriteFile("book.txt", text); }

    Outcome Query(const std::vector<std::string>& args, const std::string& shellPrefix = "")
    {
        return Run(KALIMOR_QUERY_PATH, args, shellPrefix);
    }

    // A usage or input error: exit status 2, nothing on stdout, one line on stderr.
    void ExpectRefused(const std::vector<std::string>& args, const std::string& why = "")
    {
        ExpectOneLine(Query(args), 2, why);
    }

    // A file of the given size that takes no room on disk.
    std::string SparseFile(off_t size)
    {
        std::string path = WriteFile("sparse.txt", "");
        EXPECT_EQ(truncate(path.c_str(), size), 0);
        return path;
    }
};

TEST_F(QueryTool, CheckExitsWithItsVerdict)
{
    Outcome good = Query({"--book", Book(smallbook::Join(smallbook::Lines())), "check"});
    EXPECT_EQ(good.status, 0) << good.out;
    EXPECT_EQ(good.out.rfind("Every rule holds.\n", 0), 0u) << good.out;

    Outcome bad = Query({"--book", Book(smallbook::With(12, "see @ here")), "check"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out.rfind("line 12: rule 1: ", 0), 0u) << bad.out;
}

// The reader answers each word of a text: its entry as it stands, else
// without its proclitics, with the entries that a reference names after it,
// or one line that it is not in the book.
TEST_F(QueryTool, ReadAnswersEachWordOfTheText)
{
    std::string book = Book(Windows1256().FromOwnText("*BOOK*t 1.00\r\n*END*\r\n*1*a\r\n"
                                                         "@ كتاب كِتاب: book\r\n"
                                                         "@ تريد انظر: أَرادَ (you + want)\r\n"
                                                         "@ أراد أَرادَ: want\r\n"
                                                         "*1*end\r\n"));
    WriteFile("text.txt", "وتريد الكتابَ،\nأيها\u00A0القارئ");
    Outcome outcome = Query({"--book", book, "read"}, "cat " + Quoted((m_dir / "text.txt").string()) + " | ");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "وتريد\n تريد انظر: أَرادَ (you + want)\r\n أراد أَرادَ: want\r\n"
                           "الكتابَ\n كتاب كِتاب: book\r\n"
                           "أيها\nnot in the book\n"
                           "القارئ\nnot in the book\n");
    EXPECT_EQ(outcome.err, "");
}

// At the first byte that is no UTF-8 the reader stops with one line that
// gives its offset; the words before it are answered, the one it breaks is not.
TEST_F(QueryTool, ReadStopsAtTheFirstByteThatIsNoUtf8)
{
    std::string book = Book(Windows1256().FromOwnText("*BOOK*t 1.00\r\n*END*\r\n*1*a\r\n@ كتاب book\r\n*1*end\r\n"));
    WriteFile("text.txt", "كتاب كت\xC0" "اب كتاب");
    Outcome outcome = Query({"--book", book, "read"}, "cat " + Quoted((m_dir / "text.txt").string()) + " | ");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "كتاب\n كتاب book\r\n");
    EXPECT_EQ(outcome.err, "kalimor-query: the input is not UTF-8 at byte 13\n");

    ExpectRefused({"--book", book, "--raw", "read"}, "--raw applies to prefix and exact only");
    ExpectRefused({"--book", book, "read", "word"}, "unexpected argument word");
}

TEST_F(QueryTool, TerminalTextIsUtf8)
{
    std::string book = Book(smallbook::Join(smallbook::Lines()));
    EXPECT_EQ(Query({"--book", book, "prefix", "كت"}).out, "list\nكتب\r\nكتم\r\nكتب\r\n");
    EXPECT_EQ(Query({"--book", book, "prefix", "كا"}).out, "entry\n كاتب في ك ت ب\r");
    EXPECT_EQ(Query({"--book", book, "exact", "كتب"}).out, "entry\n [كتب] ك ت ب: writing\r");
    EXPECT_EQ(Query({"--book", book, "exact", "كت"}).out, "list\n");
    ExpectRefused({"--book", book, "prefix", "\xD7\x90"}, "U+05D0");
    ExpectRefused({"--book", book, "exact", smallbook::kKtb}, "byte 0xDF");
    // iconv would drop the tag character and look up "كب".
    ExpectRefused({"--book", book, "exact", "ك\U000E0041ب"}, "byte 3 is U+E0041, which Windows-1256 cannot hold");
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

TEST_F(QueryTool, RefusesBooksItCannotReadWholeAtOnce)
{
    std::string fifo = (m_dir / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& book : {std::string("/dev/zero"), fifo, m_dir.string()}) {
        ExpectRefused({"--book", book, "check"}, "not a regular file");
        ExpectRefused({"--book", book, "prefix", "a"}, "not a regular file");
    }
    ExpectRefused({"--book", (m_dir / "missing.txt").string(), "check"}, "No such file");
    ExpectRefused({"--book", SparseFile(bookformat::kLargestBook + 1), "check"}, "more than the limit");
}

TEST_F(QueryTool, RunningOutOfMemoryIsOneLine)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    // A book within the limit that the tool cannot hold in 200 MB of address space.
    ExpectOneLine(Query({"--book", SparseFile(1 << 30), "check"}, "ulimit -v 200000; "), 2, "out of memory");
}

TEST_F(QueryTool, EscapesControlCharactersInItsMessages)
{
    Outcome outcome = Query({"--book", "\x1B]0;title\a", "check"});
    ExpectOneLine(outcome, 2, "cannot read \\x1B]0;title\\x07: ");
    ExpectRefused({"mode\r\x1B[2K"}, "unknown mode mode\\x0D\\x1B[2K");
}

}  // namespace
