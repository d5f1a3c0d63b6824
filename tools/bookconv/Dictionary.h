#pragma once

#include "Alphabet.h"
#include "Blocks.h"
#include "EnglishTiers.h"
#include "Forms.h"
#include "LexiconLemmas.h"
#include "OneLetterBudget.h"
#include "SourcedText.h"
#include "Spelling.h"
#include "Translations.h"
#include "Windows1256.h"
#include "WordWeights.h"

#include <array>
#include <map>
#include <string>
#include <vector>

// An entry line of the book: "@ " key, then the blocks filed under it.
struct Entry {
    int chapter;  // the letter that the key is filed under: the Arabic ones, then the Latin ones
    std::string collationKey;
    std::string headword;  // the key, Windows-1256
    SourcedText line;      // without its CR LF
};

// An entry line stays under this many bytes by leaving phrases out.
constexpr std::size_t kPhraseEntryLimit = 4096;

// The kinds of Arabic headword, in the order that breaks a tie of weight and
// gloss within a one-letter list: a key with a lemma of the lexicon, one
// from the thesaurus, one that only the glossary gives, a glossary key that
// misspells a lemma, a form of real text that leads to keys, and a spelling
// that people type for a key.
enum class ArabicKind { Lemma, Thesaurus, Glossary, Misspelling, Form, Spelling };
inline constexpr int kArabicKindCount = static_cast<int>(ArabicKind::Spelling) + 1;

// The sources of a key, one bit each.
inline constexpr int kFromLexicon = 1, kFromThesaurus = 2, kFromGlossary = 4;
inline constexpr int kSourceSets = 8;

struct MergeCounts {
    int articleRemoved = 0;   // glossary headwords filed without their article
    int phrasesIn = 0;
    int phrasesLeftOut = 0;   // to keep their entry under the limit
    int phrasesWithoutWord = 0;  // whose first word is no word of any source
    int spelledOutLeftOut = 0;   // glossary words glossed only by their own Latin spelling
    int duplicateItems = 0;   // senses and glosses that their entry already had
    int lemmasWithoutLetter = 0;  // lemmas whose key holds no Arabic letter
    std::array<int, kSourceSets> keysBySources{};  // the keys in the book, by their sources
    int lemmasIn = 0;         // lemmas in the entries of the book's keys
    int properNounsIn = 0;
    int weightedKeys = 0;     // keys in the book that the frequency list weighs
    int confirmedGlosses = 0;          // glossary glosses that the English-Arabic dictionary confirms: first
    int lexiconGlossesRepeated = 0;    // glossary glosses that a lemma of the entry already gives
    int spelledOutGlossesLeftOut = 0;  // only the word's Latin spelling, unconfirmed, where it has another gloss
    int misspellings = 0;              // glossary keys that misspell a lemma, leading to it
    int misspellingGlossesLeftOut = 0;  // their glosses that the lemma's entry gives
    // By the kind of spelling: entries of their own under a typed spelling that
    // is no key, and typed spellings that are keys and name the others at the end.
    std::array<int, spelling::kTypedCount> crossReferenceEntries{};
    std::array<int, spelling::kTypedCount> crossReferencesAppended{};
    FormCounts forms;
    // Headwords that stay out of their one-letter list, by its byte and their kind.
    std::map<char, std::array<int, kArabicKindCount>> leftOut;
};

// The Arabic keys that each English gloss of the glossary's words stands for:
// the gloss in small letters, the keys in byte order.
using KeysByGloss = std::map<std::string, std::vector<std::string>>;

// A lemma as an English entry names it, with its key and how often a reader meets it.
struct NamedLemma {
    std::string name;  // "كَتَبَ (فعل)"
    std::string key;
    long long weight;
    bool properName;   // glossed with a capital letter: "Egypt", "Said"
};
// The lemmas that each English gloss of the lexicon is a whole gloss of, in
// small letters, the more frequent lemma first.
using LemmasByGloss = std::map<std::string, std::vector<NamedLemma>>;

struct MergedDictionary {
    std::vector<Entry> entries;
    KeysByGloss keysByGloss;
    LemmasByGloss lemmasByGloss;
};

// What ranks the Arabic headwords and the glosses of an entry.
struct ArabicRanking {
    const WordWeights& weights;  // the frequency list
    const ranking::EnglishTiers& tiers;
    const Translations& translations;
    ranking::OneLetterBudget lists;  // holding the headwords that the book has besides its entries
};

// One entry per key: a lemma's citation form, a thesaurus's or a glossary's
// headword without marks. In an entry come the lemmas of the lexicon, the
// more frequent first; the thesaurus's senses; the glossary's words, their
// glosses that the English-Arabic dictionary confirms first, none that the
// entry already gives and none that only spells the word in Latin letters
// unconfirmed where it has another gloss; then phrases while the line stays
// under kPhraseEntryLimit; each block opened by its source form where that
// differs from the key; a key that is another lemma's plural or imperfect
// names it at its end. A glossary key that misspells a lemma (a hamza on an
// alef that has none, or none where the lemma has one) keeps only the glosses
// that the lemma's entry lacks and names it at the end, as a typed spelling
// that is a key names the keys it stands for; a typed spelling that is no
// key gets an entry that names them. A form of the frequency list, a plural
// or an imperfect of the lexicon, or a spelling typed for one of those, that
// is no key and that the analyser cuts into a lemma of a key gets an entry
// that names its keys and analyses. A key weighs the counts of the list's
// forms that lead to it; where a one-letter list would pass the budget,
// headwords stay by how often a reader meets the word they lead to (a form:
// the form itself), then how common its English gloss is, their kind and
// their length. Each gloss left out as only the word's spelling is noted.
MergedDictionary MergeArabic(std::vector<Block> blocks, const BookLexicon& lexicon, const ArabicRanking& ranking,
                             bookformat::Windows1256& encoding, const Alphabet& alphabet, MergeCounts& counts,
                             Diagnostics& diagnostics);
