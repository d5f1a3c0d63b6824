#pragma once

#include "LexiconFiles.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexicon {

// The prefixes and suffixes of the lexicon with the three tables that say
// which categories of prefix, stem and suffix make a word together.
class Morphology {
public:
    Morphology(std::vector<Morpheme> prefixes, std::vector<Morpheme> suffixes, CategoryPairs prefixStem,
               CategoryPairs prefixSuffix, CategoryPairs stemSuffix);

    // Whether a prefix, a stem and a suffix of these categories make a word.
    bool Compatible(const std::string& prefix, const std::string& stem, const std::string& suffix) const;

    // The prefixes or suffixes written so without vowels, in the file's order.
    const std::vector<Morpheme>& PrefixesSpelled(std::string_view unvocalized) const;
    const std::vector<Morpheme>& SuffixesSpelled(std::string_view unvocalized) const;

    // The stem as a word of its own, vocalized: with the null suffix, or else
    // with the feminine ending "ap" (a noun whose base form is feminine);
    // nullopt when neither goes with its category (a stem only seen before a
    // pronoun, as EulamA& in EulamA&uhu).
    std::optional<std::string> StandaloneForm(const Morpheme& stem) const;

    // The third person masculine singular imperfect indicative of the verb
    // whose imperfect stem this is ("ya" or "yu", the stem, and the mood's
    // "u" after a consonant); nullopt when the stem takes neither prefix
    // without a suffix.
    std::optional<std::string> ImperfectForm(const Morpheme& stem) const;

private:
    static const std::vector<Morpheme> kNone;

    std::map<std::string, std::vector<Morpheme>, std::less<>> m_prefixes;  // by their unvocalized spelling
    std::map<std::string, std::vector<Morpheme>, std::less<>> m_suffixes;
    CategoryPairs m_prefixStem;
    CategoryPairs m_prefixSuffix;
    CategoryPairs m_stemSuffix;
};

}  // namespace lexicon
