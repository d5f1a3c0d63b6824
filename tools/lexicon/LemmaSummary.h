#pragma once

#include "LexiconFiles.h"
#include "Morphology.h"
#include "PartOfSpeech.h"

#include <optional>
#include <string>
#include <vector>

namespace lexicon {

// What a dictionary says of one lemma, all in the transliteration.
struct LemmaSummary {
    // The citation form with its vowels, a verb with its final fatha
    // ("katab" is "kataba"): the lemma's ID without its imperfect vowel and
    // sense number, or, where the ID is malformed, its first stem as a word.
    std::string citation;
    std::string key;          // the citation form unvocalized: what a reader types
    bool idTrusted = true;    // false where the ID is malformed and the first stem stood in for it
    bool properNoun = false;  // every stem of a proper noun's category
    // Of its stems, each once, in the lexicon's order; none for a lemma whose
    // every stem is fused with a clitic ("bisomi", bi- and Asm).
    std::vector<PartOfSpeech> partsOfSpeech;
    std::optional<std::string> imperfect;     // a verb's third person masculine singular: "yakotubu"
    // A noun's other stems as words of their own, vocalized: its broken
    // plurals ("kutub"), each once; not a dual, not a spelling that only
    // stands before a suffix.
    std::vector<std::string> otherStems;
    std::vector<std::string> glosses;  // its English glosses in the lexicon's order, each once
};

// nullopt for a lemma without stems.
std::optional<LemmaSummary> Summarize(const Lemma& lemma, const Morphology& morphology);

}  // namespace lexicon
