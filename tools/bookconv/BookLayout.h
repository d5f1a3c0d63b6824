#pragma once

#include "Alphabet.h"
#include "Dictionary.h"
#include "Latin.h"
#include "SourcedText.h"
#include "Windows1256.h"

#include <string>
#include <string_view>
#include <vector>

// The book's own pagination: the header and the preface fill page 1, each
// letter chapter opens a new page, and a page holds this many entries.
constexpr int kEntriesPerPage = 20;

// A chapter for each Arabic letter, then one for each Latin letter.
constexpr int kChapterCount = Alphabet::kLetterCount + latin::kLetterCount;

struct BookLayout {
    SourcedText text;  // every line but the end line, each with its CR LF
    int pages = 0;
};

// The header (its stamp drawn from the sources' bytes), the preface, one
// chapter per letter with its entries in alphabetical order, the Arabic
// letters before the Latin ones, and the closing chapter line.
BookLayout LayOutBook(std::vector<Entry> entries, std::string_view sources, bookformat::Windows1256& encoding);

// The headwords of the preface's entry lines, in Windows-1256.
std::vector<std::string> PrefaceHeadwords(bookformat::Windows1256& encoding);

// The last line without its CR LF: "*EOF*" and a digest of all the bytes before it.
std::string EndLine(std::string_view bookBefore);

// The SHA-256 of the bytes, its first letterCount half bytes written as the
// letters "a" to "p": opaque bytes that hold no digit, space or "@", so that
// no marker can form in them or at their edges.
std::string DigestInLetters(std::string_view bytes, std::size_t letterCount);
