#include "BookLayout.h"

#include "Alphabet.h"
#include "BookTexts.h"
#include "Sha256.h"

#include <algorithm>
#include <tuple>

namespace {

void SortAlphabetically(std::vector<Entry>& entries)
{
    // Of equal headwords the one without a qualifier comes first, since a
    // click on a headword shows its first entry; the rest keep the source's order.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.chapter, a.collationKey, a.headword, a.qualified) <
               std::tie(b.chapter, b.collationKey, b.headword, b.qualified);
    });
}

void AddHeader(std::vector<BookLine>& lines, std::string_view source, Windows1256& encoding)
{
    auto add = [&](const char* tag, std::string_view valueUtf8) {
        lines.emplace_back(BookLine::Kind::Header, tag + encoding.FromOwnText(valueUtf8));
    };
    add("*BOOK*", BookTexts::kBook);
    add("*AUTHOR*", BookTexts::kAuthor);
    add("*STAMP*", DigestInLetters(source, 32));
    add("*EXEVER*", BookTexts::kExever);
    for (const char* note : BookTexts::kTyping)
        add("*TYPING*", note);
    add("*END*", "");
}

std::string PageReference(int page)
{
    return std::string("[ ") + BookTexts::kPageLetter + " " + std::to_string(page) + " ]";
}

std::string LetterChapterHeading(int letter, int firstPage, int lastPage)
{
    return std::string(" ") + BookTexts::kChapterWord + " " + std::string(Alphabet::Name(letter)) + " " +
           PageReference(firstPage) + "-" + PageReference(lastPage);
}

}  // namespace

BookLayout LayOutBook(std::vector<Entry> entries, std::string_view source, Windows1256& encoding)
{
    BookLayout book;
    std::vector<BookLine>& lines = book.lines;
    AddHeader(lines, source, encoding);

    lines.emplace_back(BookLine::Kind::Chapter, "*1*" + encoding.FromOwnText(BookTexts::kPrefaceHeading));
    for (const char* paragraph : BookTexts::kPreface)
        lines.emplace_back(BookLine::Kind::Entry, "@ " + encoding.FromOwnText(paragraph));

    SortAlphabetically(entries);
    int page = 2;
    auto next = entries.begin();
    for (int letter = 0; letter < Alphabet::kLetterCount; ++letter) {
        auto end = std::find_if(next, entries.end(), [&](const Entry& e) { return e.chapter != letter; });
        int count = static_cast<int>(end - next);
        int lastPage = page + std::max(0, count - 1) / kEntriesPerPage;
        std::string heading = LetterChapterHeading(letter, page, lastPage);
        lines.emplace_back(BookLine::Kind::Chapter, "*1*" + encoding.FromOwnText(heading));
        for (; next != end; ++next)
            lines.push_back(std::move(next->line));
        page = lastPage + 1;
    }
    book.pages = page - 1;

    lines.emplace_back(BookLine::Kind::Chapter, "*1*" + encoding.FromOwnText(BookTexts::kClosingHeading));
    return book;
}

BookLine EndLine(std::string_view bookBefore)
{
    return BookLine(BookLine::Kind::End, "*EOF*" + DigestInLetters(bookBefore, 64));
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
