#include "Converter.h"

#include "Alphabet.h"
#include "BookFormat.h"
#include "BookLayout.h"
#include "BookRules.h"
#include "EntryLine.h"
#include "Thesaurus.h"
#include "Windows1256.h"

std::optional<Book> ConvertThesaurus(std::string_view source, Diagnostics& diagnostics)
{
    std::vector<ThesaurusRecord> records = ReadThesaurus(source, diagnostics);

    bookformat::Windows1256 encoding;
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
    layout.text.Append(EndLine(layout.text.Text()));
    layout.text.Append(bookformat::kLineEnd);
    book.text = layout.text.Text();

    // The finished book must keep every rule that the lookups rest on; a
    // fault is reported at the source line its bytes came from.
    bookformat::CheckRules(book.text, [&](const bookformat::Violation& violation) {
        diagnostics.Error(layout.text.SourceLineAt(violation.offset),
                          std::string(bookformat::RuleName(violation.rule)) + ": " + violation.what);
    });
    if (diagnostics.HasErrors())
        return std::nullopt;
    return book;
}
