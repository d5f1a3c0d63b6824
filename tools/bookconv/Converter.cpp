#include "Converter.h"

#include "Alphabet.h"
#include "BookLayout.h"
#include "BookRules.h"
#include "EntryLine.h"
#include "Thesaurus.h"
#include "Windows1256.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::optional<Book> ConvertThesaurus(std::string_view source, Diagnostics& diagnostics)
{
    std::vector<ThesaurusRecord> records = ReadThesaurus(source, diagnostics);

    Windows1256 encoding;
    Alphabet alphabet(encoding);
    EntryWriter writer(encoding, alphabet, diagnostics);
    std::vector<Entry> entries;
    for (const ThesaurusRecord& record : records) {
        if (std::optional<Entry> entry = writer.Write(record))
            entries.push_back(std::move(*entry));
    }

    Book book;
    book.entries = static_cast<int>(entries.size());
    BookLayout layout = LayOutBook(std::move(entries), source, encoding);
    book.pages = layout.pages;
    for (const BookLine& line : layout.lines) {
        CheckLine(line, diagnostics);
        book.text += line.text;
        book.text += kLineEnd;
    }
    BookLine end = EndLine(book.text);
    CheckLine(end, diagnostics);
    book.text += end.text;
    book.text += kLineEnd;

    if (diagnostics.HasErrors())
        return std::nullopt;
    return book;
}
