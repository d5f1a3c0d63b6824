#include "Morphology.h"

#include "Buckwalter.h"

#include <algorithm>

namespace lexicon {
namespace {

constexpr std::string_view kFeminineEnding = "ap";
constexpr std::string_view kImperfectHe = "/IV3MS+";  // the part of speech of "ya-" and "yu-"

bool EndsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

// Whether the vocalized word ends in a consonant, so that a mood's or case's
// vowel may follow: not after a vowel, a long vowel or an alef maksura.
bool EndsInConsonant(std::string_view vocalized)
{
    if (vocalized.empty())
        return false;
    char last = vocalized.back();
    if (last == '~')
        return true;
    if (IsMark(last) || last == 'A' || last == 'Y')
        return false;
    char before = vocalized.size() >= 2 ? vocalized[vocalized.size() - 2] : '\0';
    return !((last == 'y' && before == 'i') || (last == 'w' && before == 'u'));
}

}  // namespace

const std::vector<Morpheme> Morphology::kNone;

Morphology::Morphology(std::vector<Morpheme> prefixes, std::vector<Morpheme> suffixes, CategoryPairs prefixStem,
                       CategoryPairs prefixSuffix, CategoryPairs stemSuffix)
    : m_prefixStem(std::move(prefixStem)), m_prefixSuffix(std::move(prefixSuffix)), m_stemSuffix(std::move(stemSuffix))
{
    for (Morpheme& prefix : prefixes)
        m_prefixes[prefix.unvocalized].push_back(std::move(prefix));
    for (Morpheme& suffix : suffixes)
        m_suffixes[suffix.unvocalized].push_back(std::move(suffix));
}

bool Morphology::Compatible(const std::string& prefix, const std::string& stem, const std::string& suffix) const
{
    return m_prefixStem.count({prefix, stem}) && m_prefixSuffix.count({prefix, suffix}) &&
           m_stemSuffix.count({stem, suffix});
}

const std::vector<Morpheme>& Morphology::PrefixesSpelled(std::string_view unvocalized) const
{
    auto found = m_prefixes.find(unvocalized);
    return found == m_prefixes.end() ? kNone : found->second;
}

const std::vector<Morpheme>& Morphology::SuffixesSpelled(std::string_view unvocalized) const
{
    auto found = m_suffixes.find(unvocalized);
    return found == m_suffixes.end() ? kNone : found->second;
}

std::optional<std::string> Morphology::StandaloneForm(const Morpheme& stem) const
{
    for (std::string_view ending : {std::string_view(), kFeminineEnding}) {
        for (const Morpheme& prefix : PrefixesSpelled("")) {
            for (const Morpheme& suffix : SuffixesSpelled(Unvocalized(ending))) {
                if (prefix.vocalized.empty() && suffix.vocalized == ending &&
                    Compatible(prefix.category, stem.category, suffix.category))
                    return stem.vocalized + suffix.vocalized;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> Morphology::ImperfectForm(const Morpheme& stem) const
{
    for (const Morpheme& prefix : PrefixesSpelled("y")) {
        if (!EndsWith(prefix.pos, kImperfectHe))
            continue;
        for (const Morpheme& suffix : SuffixesSpelled("")) {
            if (suffix.vocalized.empty() && Compatible(prefix.category, stem.category, suffix.category))
                return prefix.vocalized + stem.vocalized + (EndsInConsonant(stem.vocalized) ? "u" : "");
        }
    }
    return std::nullopt;
}

}  // namespace lexicon
