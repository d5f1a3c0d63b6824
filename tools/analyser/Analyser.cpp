#include "Analyser.h"

#include <algorithm>

namespace analyser {

Analyser::Analyser(const std::vector<lexicon::Lemma>& lemmas, const lexicon::Morphology& morphology)
    : m_morphology(morphology)
{
    for (std::size_t lemma = 0; lemma < lemmas.size(); ++lemma) {
        for (const lexicon::Morpheme& stem : lemmas[lemma].stems)
            m_stems[stem.unvocalized].push_back({&stem, lemma});
    }
}

std::vector<Analysis> Analyser::Analyse(std::string_view word) const
{
    std::vector<Analysis> analyses;
    for (std::size_t prefixLength = 0; prefixLength <= std::min(kLongestPrefix, word.size()); ++prefixLength) {
        const std::vector<lexicon::Morpheme>& prefixes = m_morphology.PrefixesSpelled(word.substr(0, prefixLength));
        if (prefixes.empty())
            continue;
        const std::size_t rest = word.size() - prefixLength;
        for (std::size_t suffixLength = 0; suffixLength < rest && suffixLength <= kLongestSuffix; ++suffixLength) {
            const std::vector<lexicon::Morpheme>& suffixes = m_morphology.SuffixesSpelled(word.substr(word.size() - suffixLength));
            auto stems = m_stems.find(word.substr(prefixLength, rest - suffixLength));
            if (suffixes.empty() || stems == m_stems.end())
                continue;
            for (const StemOf& stem : stems->second) {
                for (const lexicon::Morpheme& prefix : prefixes) {
                    for (const lexicon::Morpheme& suffix : suffixes) {
                        if (m_morphology.Compatible(prefix.category, stem.stem->category, suffix.category))
                            analyses.push_back({&prefix, stem.stem, &suffix, stem.lemma});
                    }
                }
            }
        }
    }
    return analyses;
}

}  // namespace analyser
