#include "PartOfSpeech.h"

#include <array>
#include <string_view>
#include <utility>

namespace lexicon {
namespace {

// The tags of "<pos>", each the beginning of the tag it stands for (DEM_PRON_MS, PRON_3MS).
constexpr std::array<std::pair<std::string_view, PartOfSpeech>, 14> kTags = {{
    {"ADJ", PartOfSpeech::Adjective},
    {"NOUN_PROP", PartOfSpeech::ProperNoun},
    {"NOUN", PartOfSpeech::Noun},
    {"ADV", PartOfSpeech::Adverb},
    {"PREP", PartOfSpeech::Preposition},
    {"CONJ", PartOfSpeech::Conjunction},
    {"DEM_PRON", PartOfSpeech::Demonstrative},
    {"REL_PRON", PartOfSpeech::Relative},
    {"PRON", PartOfSpeech::Pronoun},
    {"INTERROG", PartOfSpeech::Interrogative},
    {"NEG_PART", PartOfSpeech::Negation},
    {"INTERJ", PartOfSpeech::Interjection},
    {"ABBREV", PartOfSpeech::Abbreviation},
    {"FUNC_WORD", PartOfSpeech::Particle},
}};

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::optional<PartOfSpeech> FromCategory(std::string_view category)
{
    if (StartsWith(category, "PV") || StartsWith(category, "IV") || StartsWith(category, "CV"))
        return PartOfSpeech::Verb;
    if (StartsWith(category, "Nprop"))
        return PartOfSpeech::ProperNoun;
    if (StartsWith(category, "N"))
        return PartOfSpeech::Noun;
    if (StartsWith(category, "F"))
        return PartOfSpeech::Particle;
    return std::nullopt;
}

}  // namespace

std::optional<PartOfSpeech> PartOfSpeechOf(const Morpheme& stem)
{
    std::string_view pos = stem.pos;
    if (pos.empty())
        return FromCategory(stem.category);
    if (pos.find('+') != std::string_view::npos)
        return std::nullopt;
    std::string_view tag = pos.substr(pos.rfind('/') + 1);
    for (const auto& [name, part] : kTags) {
        if (StartsWith(tag, name))
            return part;
    }
    return FromCategory(stem.category);
}

}  // namespace lexicon
