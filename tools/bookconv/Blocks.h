#pragma once

#include "Alphabet.h"
#include "Diagnostics.h"
#include "Glossary.h"
#include "SourceCleaner.h"
#include "SourcedText.h"
#include "Thesaurus.h"
#include "Windows1256.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A thesaurus headword cut into its word and the qualifier that follows it:
// "انفصل(بعضه عن بعض)" gives "انفصل" and "(بعضه عن بعض)". The qualifier begins
// at the first space (which it leaves out), "(", "_" or "-"; a "-" that opens
// the headword opens no qualifier.
struct HeadwordParts {
    std::string_view word;
    std::optional<std::string_view> qualifier;
};

HeadwordParts SplitHeadword(std::string_view headword);

// What one source record gives the entry of its key, in Windows-1256.
struct Block {
    std::string key;   // the first word without marks (English: in small letters): the headword it is filed under
    std::string form;  // the source's headword as written, qualifier included (English: in small letters)
    Origin origin;
    bool phrase = false;             // a glossary headword of several words
    std::vector<SourcedText> items;  // thesaurus senses "(فعل) بَصُرَ، رَأَى", English glosses, or Arabic translations
};

// Turns source records into blocks, cleaning and converting every text.
class BlockWriter {
public:
    BlockWriter(bookformat::Windows1256& encoding, const Alphabet& alphabet, SourceCleaner& cleaner,
                Diagnostics& diagnostics);

    // nullopt when the record cannot become a block; the reasons are reported as errors.
    std::optional<Block> FromThesaurus(const ThesaurusRecord& record);
    // nullopt also when the headword holds no Arabic letter, which is counted.
    std::optional<Block> FromGlossary(const GlossaryRecord& record);

    // An article of the English-Arabic source; nullopt also when its headword
    // holds no Latin letter, which is counted.
    std::optional<Block> FromEnglish(const GlossaryRecord& record);

    int GlossaryHeadwordsWithoutLetter() const { return m_withoutLetter; }
    int EnglishHeadwordsWithoutLetter() const { return m_englishWithoutLetter; }

private:
    // A dictd article with its headword as the form and its glosses as the
    // items, without a key; nullopt when a text cannot be converted.
    std::optional<Block> FromArticle(const GlossaryRecord& record, Source source, const char* glossField);

    // The field cleaned and in Windows-1256; nullopt, reported, when it has no such form.
    std::optional<std::string> Convert(std::string_view utf8, Origin origin, const char* field);

    bookformat::Windows1256& m_encoding;
    const Alphabet& m_alphabet;
    SourceCleaner& m_cleaner;
    Diagnostics& m_diagnostics;
    std::string m_synonymSeparator;
    int m_withoutLetter = 0;
    int m_englishWithoutLetter = 0;
};
