#include "BookCheck.h"
#include "BookFigures.h"
#include "BookStore.h"
#include "CommandLine.h"
#include "DictionaryLookup.h"
#include "Encoding.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

constexpr int kUsageOrInputError = 2;

int Fail(const std::string& message)
{
    std::cerr << "kalimor-query: " << message << '\n';
    return kUsageOrInputError;
}

bool ReadWholeFile(const std::string& path, std::string& content, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, got);
    bool failed = std::ferror(file);
    int readError = errno;
    std::fclose(file);
    if (failed)
        error = "cannot read " + path + ": " + std::strerror(readError);
    return !failed;
}

int Check(const std::string& book)
{
    std::vector<Violation> violations = CheckBook(book);
    for (const Violation& violation : violations)
        std::cout << FormatViolation(violation) << '\n';
    if (violations.empty())
        std::cout << "Every rule holds.\n";
    else
        std::cout << violations.size() << (violations.size() == 1 ? " violation.\n" : " violations.\n");
    std::cout << '\n' << FormatFigures(MeasureBook(book));
    return violations.empty() ? 0 : 1;
}

int Look(const Invocation& invocation, const char* book)
{
    std::string query = invocation.operand;
    if (!invocation.raw) {
        Conversion converted = Utf8ToWindows1256(query);
        if (!converted.ok)
            return Fail(converted.error);
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
    if (!invocation.raw) {
        Conversion converted = Windows1256ToUtf8(text);
        if (!converted.ok)
            return Fail(converted.error);
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
    std::string fileBook;
    if (invocation.bookPath) {
        std::string error;
        if (!ReadWholeFile(*invocation.bookPath, fileBook, error))
            return Fail(error);
    }
    if (invocation.mode == Mode::Check)
        return Check(invocation.bookPath ? fileBook : std::string(BookStore::GetStart(), BookStore::GetLength()));
    return Look(invocation, invocation.bookPath ? fileBook.c_str() : BookStore::GetStart());
}

}  // namespace

int main(int argc, char** argv)
{
    ParsedCommandLine parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok)
        return Fail(parsed.error + " (see kalimor-query --help)");
    int status = Run(parsed.invocation);
    if (!std::cout.flush())
        return Fail("cannot write the output");
    return status;
}
