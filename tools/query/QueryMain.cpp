#include "BookFormat.h"
#include "BookReader.h"
#include "BookStore.h"
#include "CheckReport.h"
#include "CommandLine.h"
#include "DictionaryLookup.h"
#include "TextWords.h"
#include "ToolFiles.h"
#include "Utf8.h"
#include "Windows1256.h"

#include <exception>
#include <iostream>
#include <new>

using namespace bookformat;

namespace {

constexpr int kUsageOrInputError = 2;

int Fail(const std::string& message)
{
    std::cerr << "kalimor-query: " << Printable(message) << '\n';
    return kUsageOrInputError;
}

int Look(const Invocation& invocation, const char* book)
{
    std::string query = invocation.operand;
    std::optional<Windows1256> encoding;
    if (!invocation.raw) {
        encoding.emplace();
        Conversion converted = encoding->FromUtf8(query);
        if (!converted.ok)
            return Fail("cannot look up \"" + query + "\": byte " + std::to_string(converted.failedAt + 1) + " is " +
                        converted.error);
        query = converted.text;
    }

    CDictionaryLookup lookup(book);
    CString result;
    CString word(query.data(), static_cast<int>(query.size()));
    if (invocation.mode == Mode::Prefix)
        lookup.PrefixListing(word, result);
    else
        lookup.ExactLookup(word, result);

    std::string text(result, static_cast<std::size_t>(result.GetLength()));
    if (encoding) {
        Conversion converted = encoding->ToUtf8(text);
        if (!converted.ok)
            return Fail("cannot show the result: " + converted.error);
        text = converted.text;
    }
    std::cout << (lookup.m_bEntryShown ? "entry" : "list") << '\n';
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    return 0;
}

constexpr const char* kNotInBook = "not in the book";

// Answers each word of standard input as it is read; a word goes out whole or not at all.
int Read(const char* book)
{
    BookReader reader(book);
    Windows1256 encoding;
    TextWords words;
    auto answer = [&](const std::string& word) {
        BookReader::Answer found = reader.AnswerFor(word);
        std::string out = word + '\n';
        for (const std::string& entry : found.entries)
            out += encoding.ToUtf8(entry).text + '\n';
        if (found.entries.empty())
            out += std::string(kNotInBook) + '\n';
        std::cout << out << std::flush;
    };
    std::string piece(1 << 16, '\0');
    while (std::cin.read(piece.data(), static_cast<std::streamsize>(piece.size())) || std::cin.gcount() > 0) {
        if (!words.Feed(std::string_view(piece.data(), static_cast<std::size_t>(std::cin.gcount())), answer))
            return Fail("the input is not UTF-8 at byte " + std::to_string(words.BadOffset()));
    }
    if (std::cin.bad())
        return Fail("cannot read the input");
    if (!words.Finish(answer))
        return Fail("the input is not UTF-8 at byte " + std::to_string(words.BadOffset()) + ", where it ends");
    return 0;
}

int Run(const Invocation& invocation)
{
    if (invocation.mode == Mode::Help) {
        std::cout << HelpText();
        return 0;
    }
    std::string_view book(BookStore::GetStart(), BookStore::GetLength());
    FileContent file;
    if (invocation.bookPath) {
        file = ReadRegularFile(*invocation.bookPath, kLargestBook);
        if (!file.ok)
            return Fail(file.error);
        book = file.bytes;
    }
    if (invocation.mode == Mode::Check)
        return ReportCheck(book, std::cout);
    if (invocation.mode == Mode::Read)
        return Read(book.data());
    return Look(invocation, book.data());
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        ParsedCommandLine parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        if (!parsed.ok)
            return Fail(parsed.error + " (see kalimor-query --help)");
        int status = Run(parsed.invocation);
        if (!std::cout.flush())
            return Fail("cannot write the output");
        return status;
    } catch (const std::bad_alloc&) {
        return Fail("out of memory");
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
