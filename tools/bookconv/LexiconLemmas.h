#pragma once

#include "Diagnostics.h"
#include "PartOfSpeech.h"

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
    std::vector<std::string> forms;       // the key and its stems as words, unvocalized
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

// Every lemma of the lexicon that has stems, in its order. A line that breaks
// the lexicon's format, or a word that Windows-1256 cannot hold, is an error.
std::vector<BookLemma> ReadLexicon(const LexiconTexts& texts, Diagnostics& diagnostics, LexiconCounts& counts);
