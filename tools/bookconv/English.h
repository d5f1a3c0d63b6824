#pragma once

#include "Blocks.h"
#include "Dictionary.h"
#include "EnglishTiers.h"
#include "OneLetterBudget.h"
#include "Windows1256.h"

#include <array>
#include <map>
#include <vector>

// The tiers of the English word lists: common, usual, rare, and in none.
inline constexpr int kTierCount = ranking::EnglishTiers::kNone + 1;

struct EnglishCounts {
    int sourceOnly = 0;   // kept headwords from the English-Arabic source alone
    int glossesOnly = 0;  // only as glosses of the lexicon's lemmas or of the glossary's words
    int both = 0;
    int lemmasNamed = 0;              // lemmas named at the head of an English entry
    int translationsOfLemmas = 0;     // translations that a lemma named before them already gives
    int inflectedFiled = 0;           // filed under the entry of their base
    int inflectedReferences = 0;      // word-list forms that lead to their base
    std::map<char, std::array<int, kTierCount>> leftOut;  // to keep one-letter lists within the budget
    int phrasesIn = 0;
    int phrasesWithoutWord = 0;   // whose first word has no entry
    int duplicateTranslations = 0;
    int keysAlreadyTranslated = 0;  // Arabic keys that a translation or lemma of the entry already gives
};

// One entry per English headword in small letters, from the articles of the
// English-Arabic source and from the whole glosses of the lexicon's lemmas
// and of the glossary's words: the lemmas that the word glosses, the more
// frequent first, with their vowels and parts of speech; the source's
// translations; then the glossary's keys whose gloss is exactly the word,
// nothing twice. Where the headwords that begin with one byte would list
// more than the budget, the words stay in this order while the list holds
// them: by the tier of the word lists that they are in, whatever their
// length or source; within a tier, the words that gloss an Arabic word, the
// others of the source, then the inflected forms of the common and usual
// lists that have no entry of their own and lead to their base ("goes"
// leads to "go"); the shorter first. An inflected form with an entry of its
// own that does not stay goes, opened by the form, into the entry of its
// nearest kept base; any other word that does not stay is left out. A
// phrase goes into the entry that its first word went to.
std::vector<Entry> EnglishEntries(std::vector<Block> blocks, const KeysByGloss& keysByGloss,
                                  const LemmasByGloss& lemmasByGloss, const ranking::EnglishTiers& tiers,
                                  bookformat::Windows1256& encoding, const ranking::ListBudget& budget,
                                  EnglishCounts& counts);
