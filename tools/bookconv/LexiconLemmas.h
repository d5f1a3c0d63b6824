#pragma once

#include "Analyser.h"
#include "Diagnostics.h"
#include "LexiconFiles.h"
#include "Morphology.h"
#include "PartOfSpeech.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The files of the lexicon as read: its stems, prefixes and suffixes, and its
// tables of compatible categories (prefix-stem, prefix-suffix, stem-suffix).
struct LexiconTexts {
    std::string_view stems;
    std::string_view prefixes;
    std::string_view suffixes;
    std::string_view prefixStem;
    std::string_view prefixSuffix;
    std::string_view stemSuffix;
};

// A lemma as the book gives it, in Windows-1256 but for its English glosses.
struct BookLemma {
    Origin origin;  // its ID's line in the stems
    std::string key;        // the citation form without vowels: its headword
    std::string citation;   // with its vowels: "كَتَبَ"
    std::vector<lexicon::PartOfSpeech> partsOfSpeech;
    std::string imperfect;                // a verb's: "يَكْتُبُ"; empty for others
    std::vector<std::string> otherStems;  // a noun's broken plurals, vocalized
    std::vector<std::string> glosses;     // in the lexicon's order
    bool properNoun = false;
};

struct LexiconCounts {
    int lemmas = 0;           // lemmas read, with their ID line or without
    int withoutStems = 0;     // left out
    int malformedIds = 0;     // cited by their first stem
    int withoutId = 0;        // stems of a verb under a noun's ID or the reverse, made a lemma of their own
    int properNouns = 0;
    int fusedOnly = 0;        // lemmas of stems fused with a clitic, cited as they stand
};

// One analysis of a word form: the lemma whose stem it holds, and the
// lexicon's glosses of its prefix, stem and suffix ("and + the", "book", "").
struct FormAnalysis {
    std::size_t lemma;  // in Lemmas()
    std::string prefix;
    std::string stem;
    std::string suffix;
};

// The lexicon as the book reads it. A line that breaks the lexicon's format,
// or a word that Windows-1256 cannot hold, is an error.
class BookLexicon {
public:
    BookLexicon(const LexiconTexts& texts, Diagnostics& diagnostics, LexiconCounts& counts);
    BookLexicon(const BookLexicon&) = delete;  // its analyser points into it
    BookLexicon& operator=(const BookLexicon&) = delete;

    // Every lemma of the lexicon that has stems, in its order.
    const std::vector<BookLemma>& Lemmas() const { return m_lemmas; }

    // The analyses of a word form in Windows-1256 without marks, in the
    // analyser's order; none for a form with a byte that is no Arabic letter.
    std::vector<FormAnalysis> Analyse(std::string_view form) const;

private:
    lexicon::StemFile m_stems;
    std::vector<lexicon::Problem> m_affixProblems[5];
    lexicon::Morphology m_morphology;
    analyser::Analyser m_analyser;
    std::vector<BookLemma> m_lemmas;
    std::vector<std::optional<std::size_t>> m_bookLemmaOf;  // by the lexicon's index
};
