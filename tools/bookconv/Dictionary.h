#pragma once

#include "Alphabet.h"
#include "Blocks.h"
#include "SourcedText.h"
#include "Spelling.h"
#include "Windows1256.h"

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

struct MergeCounts {
    int articleRemoved = 0;   // glossary headwords filed without their article
    int phrasesIn = 0;
    int phrasesLeftOut = 0;   // to keep their entry under the limit
    int phrasesWithoutWord = 0;  // whose first word is no word of either source
    int spelledOutLeftOut = 0;   // glossary words glossed only by their own Latin spelling
    int duplicateItems = 0;   // senses and glosses that their entry already had
    int thesaurusKeys = 0;    // keys whose entries hold thesaurus blocks only
    int glossaryKeys = 0;     // glossary blocks only
    int sharedKeys = 0;       // both
    // By the kind of spelling: entries of their own under a typed spelling that
    // is no key, and typed spellings that are keys and name the others at the end.
    std::array<int, spelling::kTypedCount> crossReferenceEntries{};
    std::array<int, spelling::kTypedCount> crossReferencesAppended{};
};

// The Arabic keys that each English gloss of the glossary's words stands for:
// the gloss in small letters, the keys in byte order.
using KeysByGloss = std::map<std::string, std::vector<std::string>>;

struct MergedDictionary {
    std::vector<Entry> entries;
    KeysByGloss keysByGloss;
};

// One entry per key. A glossary word whose glosses only spell it in Latin
// letters is left out. A glossary headword that begins with the article is
// filed without it when at least three letters remain and the thesaurus has no
// such key. In an entry come thesaurus blocks, glossary words, then phrases
// while the line stays under kPhraseEntryLimit, each block opened by its
// source form when that differs from the key, and every sense or gloss once; a
// key of phrases alone gets no entry. A typed spelling of keys that is a key
// names them at the end of its entry; one that is no key gets an entry that
// names them.
MergedDictionary MergeBlocks(std::vector<Block> blocks, bookformat::Windows1256& encoding, const Alphabet& alphabet,
                               MergeCounts& counts);
