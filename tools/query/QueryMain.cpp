#include "BookFormat.h"
#include "BookStore.h"
#include "CheckReport.h"
#include "CommandLine.h"
#include "DictionaryLookup.h"
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
