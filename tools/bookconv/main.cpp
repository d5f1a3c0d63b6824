// kalimor-bookconv SOURCE.dat OUTPUT.txt: makes the book text from the
// Arabic thesaurus. Notes and errors go to stderr, one line each, with the
// source line they concern; on any error no book is written.
#include "Converter.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string Location(const std::string& source, int sourceLine)
{
    return sourceLine > 0 ? source + ":" + std::to_string(sourceLine) : "kalimor-bookconv";
}

void Print(const std::string& source, const Diagnostic& item)
{
    const char* kind = item.kind == Diagnostic::Kind::Error ? "error" : "note";
    std::cerr << Location(source, item.sourceLine) << ": " << kind << ": " << item.message << '\n';
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: kalimor-bookconv SOURCE.dat OUTPUT.txt\n";
        return 2;
    }
    const std::string source = argv[1];
    const std::string output = argv[2];

    std::ifstream in(source, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (!in) {
        std::cerr << "kalimor-bookconv: cannot read " << source << '\n';
        return 1;
    }

    try {
        Diagnostics diagnostics;
        std::optional<Book> book = ConvertThesaurus(text, diagnostics);
        std::vector<Diagnostic> items = diagnostics.Items();
        std::stable_sort(items.begin(), items.end(),
                         [](const Diagnostic& a, const Diagnostic& b) { return a.sourceLine < b.sourceLine; });
        for (const Diagnostic& item : items)
            Print(source, item);
        if (!book) {
            std::cerr << "kalimor-bookconv: no book written\n";
            return 1;
        }
        std::ofstream out(output, std::ios::binary | std::ios::trunc);
        out << book->text;
        out.close();
        if (!out) {
            std::cerr << "kalimor-bookconv: cannot write " << output << '\n';
            return 1;
        }
        std::cout << output << ": " << book->entries << " entries, " << book->pages << " pages, "
                  << book->text.size() << " bytes\n";
    } catch (const std::exception& error) {
        std::cerr << "kalimor-bookconv: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
