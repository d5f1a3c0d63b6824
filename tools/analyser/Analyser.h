#pragma once

#include "LexiconFiles.h"
#include "Morphology.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The morphological analysis of Arabic words with the lexicon: a word is cut
// in every way into a prefix (0 to 4 letters), a stem (at least 1) and a
// suffix (0 to 6), and each cut whose three parts the lexicon lists, with
// categories that the three tables pair, is an analysis.
namespace analyser {

struct Analysis {
    const lexicon::Morpheme* prefix;
    const lexicon::Morpheme* stem;
    const lexicon::Morpheme* suffix;
    std::size_t lemma;  // the stem's lemma, by its index in the lemmas given
};

class Analyser {
public:
    static constexpr std::size_t kLongestPrefix = 4;
    static constexpr std::size_t kLongestSuffix = 6;

    // Both must outlive the analyser.
    Analyser(const std::vector<lexicon::Lemma>& lemmas, const lexicon::Morphology& morphology);

    // Every analysis of the word, unvocalized and in the transliteration, in
    // the order of its cuts (the shorter prefix first, then the shorter
    // suffix) and of the lexicon's lines.
    std::vector<Analysis> Analyse(std::string_view word) const;

private:
    struct StemOf {
        const lexicon::Morpheme* stem;
        std::size_t lemma;
    };

    std::map<std::string, std::vector<StemOf>, std::less<>> m_stems;  // by their unvocalized spelling
    const lexicon::Morphology& m_morphology;
};

}  // namespace analyser
