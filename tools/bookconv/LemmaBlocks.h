#pragma once

#include "LexiconLemmas.h"
#include "SourcedText.h"
#include "Windows1256.h"

#include <string>

// How the book writes a lemma of the lexicon.
class LemmaWriter {
public:
    explicit LemmaWriter(bookformat::Windows1256& encoding);

    // Its block in the entry of its key: the citation form with its vowels,
    // in brackets its parts of speech, a verb's imperfect and a noun's
    // broken plurals after "ج", then a colon and its English glosses:
    // "كَتَبَ (فعل، يَكْتُبُ): write; be written".
    SourcedText Block(const BookLemma& lemma) const;

    // As an English entry names it: "كَتَبَ (فعل)".
    std::string Name(const BookLemma& lemma) const;

private:
    std::string Details(const BookLemma& lemma, bool forms) const;

    std::string m_partsOfSpeech[lexicon::kPartOfSpeechCount];
    std::string m_plural;
    std::string m_separator;
};
