#pragma once

#include "Blocks.h"
#include "Dictionary.h"
#include "Windows1256.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

// The most that the first keystroke may list: every headword that begins with
// one byte, each followed by CR LF. The edit control lays each line of a list
// out in about the same time, so the longest such list sets the slowest keystroke.
struct ListBudget {
    std::size_t headwords;
    std::size_t bytes;
};
inline constexpr ListBudget kOneLetterBudget{6000, 45000};

// How common an English word is: in the common word list and a gloss of one
// of the book's Arabic keys, one of the two, or neither.
enum class Commonness { Both, One, Neither };
inline constexpr int kCommonnessCount = 3;

struct EnglishCounts {
    int sourceOnly = 0;   // kept headwords from the English-Arabic source alone
    int glossesOnly = 0;  // only as glosses of Arabic keys
    int both = 0;
    int inflectedFiled = 0;                             // filed under the entry of their base
    std::array<int, kCommonnessCount> leftOut{};        // to keep one-letter lists within the budget
    int phrasesIn = 0;
    int phrasesWithoutWord = 0;   // whose first word has no entry
    int duplicateTranslations = 0;
    int keysAlreadyTranslated = 0;  // Arabic keys that a translation of the entry already gives
};

// One entry per English headword in small letters, from the articles of the
// English-Arabic source and from the glosses of the Arabic keys: the source's
// translations, then the keys whose gloss is exactly the word, nothing twice.
// Where the headwords that begin with one byte would list more than the
// budget, the words are kept in this order while the list stays within it:
// the common ones (in the word list, one word a line, and glossing a key),
// then the other words that are no inflected form of another headword, those
// in one of the two before those in neither, then the other inflected forms;
// within each, words that are no inflected form first, then the shorter. An
// inflected form that is not kept goes, as a block opened by the form, into
// the entry of its nearest kept base; any other word not kept is left out.
// A phrase goes into the entry that its first word went to.
std::vector<Entry> EnglishEntries(std::vector<Block> blocks, const KeysByGloss& keysByGloss, std::string_view wordList,
                                  bookformat::Windows1256& encoding, const ListBudget& budget, EnglishCounts& counts);
