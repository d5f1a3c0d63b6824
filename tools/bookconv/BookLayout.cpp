#include "BookLayout.h"

#include "Alphabet.h"
#include "BookFormat.h"
#include "BookTexts.h"
#include "Latin.h"
#include "Sha256.h"

#include <algorithm>
#include <tuple>

namespace {

void SortAlphabetically(std::vector<Entry>& entries)
{
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.chapter, a.collationKey, a.headword) < std::tie(b.chapter, b.collationKey, b.headword);
    });
}

void AddLine(SourcedText& book, std::string_view bytes)
{
    book.Append(bytes);
    book.Append(bookformat::kLineEnd);
}

void AddHeader(SourcedText& book, std::string_view source, bookformat::Windows1256& encoding)
{
    namespace tag = bookformat::tag;
    auto add = [&](std::string_view name, std::string_view valueUtf8) {
        AddLine(book, std::string(name) + encoding.FromOwnText(valueUtf8));
    };
    add(tag::kBook, BookTexts::kBook);
    add(tag::kAuthor, BookTexts::kAuthor);
    add(tag::kStamp, DigestInLetters(source, 32));
    add(tag::kExever, BookTexts::kExever);
    for (const char* note : BookTexts::kTyping)
        add(tag::kTyping, note);
    add(tag::kEnd, "");
}

void AddChapterLine(SourcedText& book, std::string_view headingUtf8, bookformat::Windows1256& encoding)
{
    AddLine(book, std::string(bookformat::kChapterLineStart) + encoding.FromOwnText(headingUtf8));
}

std::string PageReference(int page)
{
    return std::string("[ ") + BookTexts::kPageLetter + " " + std::to_string(page) + " ]";
}

// The Arabic letters by their names, the Latin ones as themselves.
std::string ChapterName(int chapter)
{
    if (chapter < Alphabet::kLetterCount)
        return std::string(Alphabet::Name(chapter));
    return std::string(BookTexts::kLatinLetterWord) + " " + static_cast<char>('a' + chapter - Alphabet::kLetterCount);
}

std::string LetterChapterHeading(int chapter, int firstPage, int lastPage)
{
    return std::string(" ") + BookTexts::kChapterWord + " " + ChapterName(chapter) + " " + PageReference(firstPage) +
           "-" + PageReference(lastPage);
}

}  // namespace

BookLayout LayOutBook(std::vector<Entry> entries, std::string_view sources, bookformat::Windows1256& encoding)
{
    BookLayout book;
    AddHeader(book.text, sources, encoding);

    AddChapterLine(book.text, BookTexts::kPrefaceHeading, encoding);
    for (const char* paragraph : BookTexts::kPreface)
        AddLine(book.text, std::string(bookformat::kEntryMarker) + encoding.FromOwnText(paragraph));

    SortAlphabetically(entries);
    int page = 2;
    auto next = entries.begin();
    for (int chapter = 0; chapter < kChapterCount; ++chapter) {
        auto end = std::find_if(next, entries.end(), [&](const Entry& e) { return e.chapter != chapter; });
        int count = static_cast<int>(end - next);
        int lastPage = page + std::max(0, count - 1) / kEntriesPerPage;
        AddChapterLine(book.text, LetterChapterHeading(chapter, page, lastPage), encoding);
        for (; next != end; ++next) {
            book.text.Append(next->line);
            book.text.Append(bookformat::kLineEnd);
        }
        page = lastPage + 1;
    }
    book.pages = page - 1;

    AddChapterLine(book.text, BookTexts::kClosingHeading, encoding);
    return book;
}

std::vector<std::string> PrefaceHeadwords(bookformat::Windows1256& encoding)
{
    std::vector<std::string> headwords;
    for (const char* paragraph : BookTexts::kPreface) {
        std::string bytes = encoding.FromOwnText(paragraph);
        headwords.push_back(bytes.substr(0, bytes.find(' ')));
    }
    return headwords;
}

std::string EndLine(std::string_view bookBefore)
{
    return std::string(bookformat::kEndLineStart) + DigestInLetters(bookBefore, 64);
}

std::string DigestInLetters(std::string_view bytes, std::size_t letterCount)
{
    Sha256Digest digest = Sha256(bytes);
    std::string letters;
    for (std::size_t i = 0; i < letterCount; ++i) {
        std::uint8_t byte = digest[i / 2];
        letters += static_cast<char>('a' + (i % 2 == 0 ? byte >> 4 : byte & 0x0F));
    }
    return letters;
}
