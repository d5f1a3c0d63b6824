#include "LemmaSummary.h"

#include "Buckwalter.h"

#include <algorithm>

namespace lexicon {
namespace {

constexpr std::string_view kTransliterationLetters = "'|>&<}AbptvjHxd*rzs$SDTZEgfqklmnhwYy_FNKauio~`{";
constexpr std::string_view kImperfectVowels = "aiu";

template <typename T>
void AddOnce(std::vector<T>& list, const T& item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

// The citation form that a well-formed ID gives: letters and marks, then
// optionally "-" and the imperfect vowels, then "_" and a sense number.
std::optional<std::string> CitationOfId(std::string_view id)
{
    std::size_t underscore = id.rfind('_');
    if (underscore == std::string_view::npos || underscore + 1 == id.size() ||
        id.find_first_not_of("0123456789", underscore + 1) != std::string_view::npos)
        return std::nullopt;
    std::string_view form = id.substr(0, underscore);
    std::size_t hyphen = form.find('-');
    if (hyphen != std::string_view::npos) {
        std::string_view vowels = form.substr(hyphen + 1);
        if (vowels.empty() || vowels.find_first_not_of(kImperfectVowels) != std::string_view::npos)
            return std::nullopt;
        form = form.substr(0, hyphen);
    }
    if (form.empty() || form.find_first_not_of(kTransliterationLetters) != std::string_view::npos)
        return std::nullopt;
    return std::string(form);
}

bool IsVerb(const Morpheme& stem)
{
    return PartOfSpeechOf(stem) == PartOfSpeech::Verb;
}

// A verb is cited with the final fatha of its perfect, where a consonant ends it.
std::string Cited(std::string form, bool verb)
{
    if (verb && !form.empty() && (form.back() == '~' || !IsMark(form.back())) && form.back() != 'A' &&
        form.back() != 'Y')
        form += 'a';
    return form;
}

// The stem's letters with every hamza seat written as the bare letter.
std::string SeatsFolded(std::string_view unvocalized)
{
    std::string folded(unvocalized);
    for (char& c : folded) {
        if (c == '>' || c == '<' || c == '|')
            c = 'A';
        else if (c == '&')
            c = 'w';
        else if (c == '}')
            c = 'y';
    }
    return folded;
}

// Whether the two spellings differ only by long vowels written or left out: "tlgrAf", "tlygrAf".
bool DifferInLongVowelsOnly(std::string_view a, std::string_view b)
{
    auto vowel = [](char c) { return c == 'A' || c == 'w' || c == 'y'; };
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i, ++j;
        } else if (i < a.size() && vowel(a[i])) {
            ++i;
        } else if (j < b.size() && vowel(b[j])) {
            ++j;
        } else {
            return false;
        }
    }
    return true;
}

// A noun's stem of another word than its first stem: a broken plural. Its
// gloss differs ("books" of "book"); or, where the lexicon glosses both
// alike ("army;troops" of jayo$ and juyuw$), the first stem is of a kind
// that takes broken plurals (Ndu, Napdu, and the adjectives' N/ap, N-ap,
// Nall) and the other is not the same word spelled otherwise: with another
// hamza seat or long vowel, with a case ending ("abuw" of "ab"), or the
// feminine of "fa`lAn" ("EaTo$aY"). Duals and pairs are no other words.
bool IsOtherStem(const Morpheme& stem, const Morpheme& first)
{
    if (stem.category.rfind("NAn", 0) == 0 || stem.category.rfind("Npair", 0) == 0)
        return false;
    if (stem.gloss != first.gloss)
        return true;
    constexpr std::string_view kTakesBrokenPlurals[] = {"Ndu", "Napdu", "N/ap", "N-ap", "Nall"};
    bool takes = std::any_of(std::begin(kTakesBrokenPlurals), std::end(kTakesBrokenPlurals),
                             [&](std::string_view kind) { return first.category.rfind(kind, 0) == 0; });
    bool name = !first.gloss.empty() && first.gloss.front() >= 'A' && first.gloss.front() <= 'Z';
    return takes && !name && stem.vocalized.rfind(first.vocalized, 0) != 0 &&
           SeatsFolded(stem.unvocalized) != SeatsFolded(first.unvocalized) &&
           !(stem.category == first.category && DifferInLongVowelsOnly(stem.unvocalized, first.unvocalized)) &&
           stem.vocalized.back() != 'Y';
}

}  // namespace

std::optional<LemmaSummary> Summarize(const Lemma& lemma, const Morphology& morphology)
{
    if (lemma.stems.empty())
        return std::nullopt;
    // Stems fused with a clitic stand for the lemma only where it has no others ("bisomi", "in the name of").
    const bool fusedOnly = std::none_of(lemma.stems.begin(), lemma.stems.end(),
                                        [](const Morpheme& stem) { return PartOfSpeechOf(stem).has_value(); });
    auto usable = [fusedOnly](const Morpheme& stem) { return fusedOnly || PartOfSpeechOf(stem).has_value(); };
    const Morpheme& first = *std::find_if(lemma.stems.begin(), lemma.stems.end(), usable);
    const bool verb = IsVerb(first);

    LemmaSummary summary;
    summary.properNoun = std::all_of(lemma.stems.begin(), lemma.stems.end(),
                                     [](const Morpheme& stem) { return stem.category.rfind("Nprop", 0) == 0; });
    std::optional<std::string> firstWord;  // the first stem that is no other stem, as a word of its own
    std::vector<std::string> plurals;
    for (const Morpheme& stem : lemma.stems) {
        if (!usable(stem))
            continue;
        std::optional<PartOfSpeech> part = PartOfSpeechOf(stem);
        std::optional<std::string> word = fusedOnly ? stem.vocalized : morphology.StandaloneForm(stem);
        if (!verb && IsOtherStem(stem, first)) {
            if (word && part != PartOfSpeech::ProperNoun)
                AddOnce(plurals, *word);
            continue;
        }
        if (part)
            AddOnce(summary.partsOfSpeech, *part);
        if (!firstWord)
            firstWord = word;
        for (std::size_t begin = 0; begin <= stem.gloss.size();) {
            std::size_t end = std::min(stem.gloss.find(';', begin), stem.gloss.size());
            std::string gloss = stem.gloss.substr(begin, end - begin);
            if (!gloss.empty())
                AddOnce(summary.glosses, gloss);
            begin = end + 1;
        }
        if (verb && !summary.imperfect && part == PartOfSpeech::Verb && stem.category.rfind("IV", 0) == 0 &&
            stem.category.find("Pass") == std::string::npos)
            summary.imperfect = morphology.ImperfectForm(stem);
    }
    // A plural that also ends in "-iy" is written once: ">ayod" (tanween) beside ">ayodiy".
    for (const std::string& plural : plurals) {
        if (std::find(plurals.begin(), plurals.end(), plural + "iy") == plurals.end())
            summary.otherStems.push_back(plural);
    }

    std::optional<std::string> fromId = CitationOfId(lemma.id);
    summary.idTrusted = fromId.has_value();
    if (fromId)
        summary.citation = Cited(*fromId, verb);
    else if (firstWord)
        summary.citation = Cited(*firstWord, verb);
    else
        summary.citation = Cited(first.vocalized, verb);
    summary.key = Unvocalized(summary.citation);
    return summary;
}

}  // namespace lexicon
