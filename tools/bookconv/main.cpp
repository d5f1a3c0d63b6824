// kalimor-bookconv SOURCE.dat OUTPUT.txt: makes the book text from the
// Arabic thesaurus. Notes and errors go to stderr, one line each, with the
// source line they concern; on any error no book is written, and the output
// file is replaced only by a complete book.
#include "BookFormat.h"
#include "Converter.h"
#include "ToolFiles.h"
#include "Utf8.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr int kFailed = 1;
constexpr int kUsageOrResources = 2;

int Fail(int status, const std::string& message)
{
    std::cerr << "kalimor-bookconv: " << bookformat::Printable(message) << '\n';
    return status;
}

void Print(const std::string& source, const Diagnostic& item)
{
    std::string location = item.sourceLine > 0 ? source + ":" + std::to_string(item.sourceLine) : "kalimor-bookconv";
    const char* kind = item.kind == Diagnostic::Kind::Error ? "error" : "note";
    std::cerr << bookformat::Printable(location + ": " + kind + ": " + item.message) << '\n';
}

int Convert(const std::string& source, const std::string& output)
{
    bookformat::FileContent text = bookformat::ReadRegularFile(source, bookformat::kLargestBook);
    if (!text.ok)
        return Fail(kFailed, text.error);

    Diagnostics diagnostics;
    std::optional<Book> book = ConvertThesaurus(text.bytes, diagnostics);
    std::vector<Diagnostic> items = diagnostics.Items();
    std::stable_sort(items.begin(), items.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.sourceLine < b.sourceLine; });
    for (const Diagnostic& item : items)
        Print(source, item);
    if (!book)
        return Fail(kFailed, "no book written");
    if (std::optional<std::string> error = bookformat::WriteWholeFile(output, book->text))
        return Fail(kFailed, *error);
    std::cout << bookformat::Printable(output) << ": " << book->entries << " entries, " << book->pages << " pages, "
              << book->text.size() << " bytes\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: kalimor-bookconv SOURCE.dat OUTPUT.txt\n";
        return kUsageOrResources;
    }
    try {
        return Convert(argv[1], argv[2]);
    } catch (const std::bad_alloc&) {
        return Fail(kUsageOrResources, "out of memory");
    } catch (const std::exception& error) {
        return Fail(kFailed, error.what());
    }
}
