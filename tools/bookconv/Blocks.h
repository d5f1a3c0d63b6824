#pragma once

#include "Alphabet.h"
#include "Diagnostics.h"
#include "SourcedText.h"
#include "Thesaurus.h"
#include "Windows1256.h"

#include <optional>
#include <string>
#include <string_view>

// A source headword cut into the word that the lookups list and the qualifier
// that follows it: "انفصل(بعضه عن بعض)" gives "انفصل" and "(بعضه عن بعض)". The
// qualifier begins at the first space (which it leaves out), "(", "_" or
// "-"; a "-" that opens the headword opens no qualifier.
struct HeadwordParts {
    std::string_view word;
    std::optional<std::string_view> qualifier;
};

HeadwordParts SplitHeadword(std::string_view headword);

// One thesaurus record as one entry line of the book:
// "@ " headword [" " qualifier] " " label " " synonyms joined by "، ", the
// senses joined by " ؛ ".
struct Entry {
    int chapter;  // the letter of the alphabet that the headword is filed under
    std::string collationKey;
    std::string headword;  // Windows-1256
    bool qualified;
    SourcedText line;  // without its CR LF
};

class EntryWriter {
public:
    EntryWriter(bookformat::Windows1256& encoding, const Alphabet& alphabet, Diagnostics& diagnostics);

    // nullopt when the record cannot become an entry; the reasons are reported as errors.
    std::optional<Entry> Write(const ThesaurusRecord& record);

private:
    // The field in Windows-1256, without the U+FEFF that it may hold; each removal is noted.
    std::optional<std::string> Convert(std::string_view utf8, int sourceLine, const char* field);
    std::optional<int> ChapterOf(const std::string& headword, std::string_view utf8, int sourceLine);

    bookformat::Windows1256& m_encoding;
    const Alphabet& m_alphabet;
    Diagnostics& m_diagnostics;
    std::string m_synonymSeparator;
    std::string m_senseSeparator;
};
