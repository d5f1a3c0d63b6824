#include "ToolFiles.h"
#include "ToolProcess.h"
#include "Utf8.h"

#include <sys/stat.h>

namespace {

using namespace bookformat;
namespace fs = std::filesystem;

using ToolFiles = ToolProcess;

TEST_F(ToolFiles, ReadsOnlyRegularFilesWithinTheLimit)
{
    std::string book = WriteFile("book.txt", "0123456789");
    FileContent read = ReadRegularFile(book, 10);
    EXPECT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.bytes, "0123456789");

    std::string fifo = (m_dir / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> refused[] = {
        {book, "10 bytes, more than the limit of 9 bytes"},
        {"/dev/zero", "a device, not a regular file"},
        {fifo, "a FIFO, not a regular file"},  // without a writer: opening it must not wait for one
        {m_dir.string(), "a directory, not a regular file"},
        {(m_dir / "missing").string(), "No such file"},
        // A file that says it is empty and then gives more.
        {"/proc/self/status", ": more than the limit of 9 bytes"},
    };
    for (const auto& [path, why] : refused) {
        FileContent file = ReadRegularFile(path, 9);
        EXPECT_FALSE(file.ok) << path;
        EXPECT_EQ(file.error.rfind("cannot read " + path + ": ", 0), 0u) << file.error;
        EXPECT_NE(file.error.find(why), std::string::npos) << file.error;
    }
}

TEST_F(ToolFiles, ReplacesAFileOnlyWhenTheWholeTextIsWritten)
{
    std::string book = WriteFile("book.txt", "old");
    EXPECT_EQ(WriteWholeFile(book, "new text"), std::nullopt);
    EXPECT_EQ(ReadFile(book), "new text");
    struct stat status;
    ASSERT_EQ(stat(book.c_str(), &status), 0);
    mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);

    // A directory in the way: the rename fails, and the temporary file goes.
    fs::create_directory(m_dir / "taken");
    std::optional<std::string> error = WriteWholeFile((m_dir / "taken").string(), "text");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->rfind("cannot write " + (m_dir / "taken").string() + ": ", 0), 0u) << *error;
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
}

TEST(Printable, EscapesControlCharactersAndStrayBytesAndKeepsText)
{
    EXPECT_EQ(Printable("kalimor \xD9\x83\xD8\xAA\xD8\xA8 ok"), "kalimor \xD9\x83\xD8\xAA\xD8\xA8 ok");
    EXPECT_EQ(Printable("a\x1B[31mb\r\n\x7F"), "a\\x1B[31mb\\x0D\\x0A\\x7F");
    EXPECT_EQ(Printable(std::string("\0\xC2\x9B" "1m", 5)), "\\x00\\u009B1m");  // NUL and the C1 control CSI
    EXPECT_EQ(Printable("\xDF\xCA\xC8 \xC2"), "\\xDF\\xCA\\xC8 \\xC2");      // Windows-1256 bytes, a cut sequence
}

}  // namespace
