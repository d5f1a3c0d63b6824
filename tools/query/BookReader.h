#pragma once

#include "Windows1256.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the book answers for the words of a text, as a reader looks them up.
class BookReader {
public:
    static constexpr std::size_t kLongestWord = 255;  // bytes in Windows-1256

    enum class Found { AsItStands, WithoutProclitics, NotInBook };

    struct Answer {
        Found found = Found::NotInBook;
        std::vector<std::string> entries;  // Windows-1256: the word's entry, then those that it refers to
    };

    // Walks the book once; the entry of a headword is its first one, as the exact lookup gives it.
    explicit BookReader(const char* book);

    // The entry of the headword, in Windows-1256, as the exact lookup gives it.
    std::optional<std::string> EntryOf(const std::string& headword) const;

    // A word of a text in UTF-8: its entry when it is a headword without its
    // vowel marks and tatweel (a Latin word in small letters); otherwise the
    // entry of the word without its proclitics (و ف, ب ك ل, the article and
    // their chains, "لل" among them), the longest taken off first; and,
    // where that entry only refers to other headwords, their entries after
    // it. A word of more than kLongestWord bytes in Windows-1256, or with a
    // character that it lacks, is not in the book.
    Answer AnswerFor(std::string_view word);

private:
    std::map<std::string, const char*, std::less<>> m_markers;  // of each headword's first entry
    bookformat::Windows1256 m_encoding;
};
