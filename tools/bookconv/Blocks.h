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
    std::string key;   // the first word without marks: the headword it is filed under
    std::string form;  // the source's headword as written, qualifier included
    Origin origin;
    bool phrase = false;             // a glossary headword of several words
    std::vector<SourcedText> items;  // thesaurus senses "(فعل) بَصُرَ، رَأَى", or English glosses
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

    int GlossaryHeadwordsWithoutLetter() const { return m_withoutLetter; }

private:
    // The field cleaned and in Windows-1256; nullopt, reported, when it has no such form.
    std::optional<std::string> Convert(std::string_view utf8, Origin origin, const char* field);

    bookformat::Windows1256& m_encoding;
    const Alphabet& m_alphabet;
    SourceCleaner& m_cleaner;
    Diagnostics& m_diagnostics;
    std::string m_synonymSeparator;
    int m_withoutLetter = 0;
};
