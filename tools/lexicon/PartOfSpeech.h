#pragma once

#include "LexiconFiles.h"

#include <optional>

namespace lexicon {

enum class PartOfSpeech {
    Verb,
    Noun,
    Adjective,
    ProperNoun,
    Adverb,
    Preposition,
    Conjunction,
    Pronoun,
    Demonstrative,
    Relative,
    Interrogative,
    Negation,
    Interjection,
    Abbreviation,
    Particle,
};
inline constexpr int kPartOfSpeechCount = static_cast<int>(PartOfSpeech::Particle) + 1;

// What the stem is, as far as the lexicon tells it: the part of speech that
// its "<pos>" names, else what its category implies (the verb categories PV,
// IV and CV, the proper nouns Nprop, the other nouns N, the function words
// F); nullopt for a stem fused with a clitic ("brother + my"), which is no
// word of its own, and for a category of none of these kinds.
std::optional<PartOfSpeech> PartOfSpeechOf(const Morpheme& stem);

}  // namespace lexicon
