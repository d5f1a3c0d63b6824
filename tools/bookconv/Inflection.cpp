#include "Inflection.h"

namespace {

constexpr std::string_view kVowels = "aeiou";

bool EndsWith(std::string_view word, std::string_view ending)
{
    return word.size() > ending.size() && word.substr(word.size() - ending.size()) == ending;
}

bool IsConsonant(char letter)
{
    return letter >= 'a' && letter <= 'z' && kVowels.find(letter) == std::string_view::npos;
}

// The stem before the ending, its last letter undoubled: "stopp" is "stop".
void AddUndoubled(std::vector<std::string>& bases, std::string_view stem)
{
    std::size_t n = stem.size();
    if (n >= 2 && stem[n - 1] == stem[n - 2] && IsConsonant(stem[n - 1]))
        bases.emplace_back(stem.substr(0, n - 1));
}

// Whether "es" rather than "s" makes the plural: "boxes", "wishes", "heroes".
bool TakesEs(std::string_view stem)
{
    return EndsWith(stem, "s") || EndsWith(stem, "x") || EndsWith(stem, "z") || EndsWith(stem, "ch") ||
           EndsWith(stem, "sh") || EndsWith(stem, "o");
}

}  // namespace

std::vector<std::string> BaseCandidates(std::string_view word, std::size_t shortestBase)
{
    std::vector<std::string> bases;
    if (EndsWith(word, "ies") || EndsWith(word, "ied")) {
        bases.push_back(std::string(word.substr(0, word.size() - 3)) + "y");
    } else if (EndsWith(word, "es")) {
        if (TakesEs(word.substr(0, word.size() - 2)))
            bases.emplace_back(word.substr(0, word.size() - 2));
        bases.emplace_back(word.substr(0, word.size() - 1));
    } else if (EndsWith(word, "s") && !EndsWith(word, "ss") && !EndsWith(word, "us")) {
        bases.emplace_back(word.substr(0, word.size() - 1));
    } else {
        for (std::string_view ending : {"ed", "ing"}) {
            if (!EndsWith(word, ending))
                continue;
            std::string_view stem = word.substr(0, word.size() - ending.size());
            bases.emplace_back(stem);
            if (IsConsonant(stem.back()))
                bases.push_back(std::string(stem) + "e");
            AddUndoubled(bases, stem);
        }
    }
    std::vector<std::string> kept;
    for (std::string& base : bases) {
        if (base.size() >= shortestBase)
            kept.push_back(std::move(base));
    }
    return kept;
}
