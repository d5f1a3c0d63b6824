#include "SpelledOut.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <utility>

namespace {

// Sounds are grouped coarsely, as Latin spellings of Arabic and Arabic
// spellings of English blur them: s stands for every sibilant, k for every
// velar, t for the dental stops, d for the voiced ones, g for the voiced velar
// and for j. Long vowels, glides, hamza, ain and teh marbuta carry none.
constexpr std::array<std::pair<char, char>, 29> kArabicSounds = {{
    {'\xC8', 'b'}, {'\x81', 'b'}, {'\xCA', 't'}, {'\xCB', 't'}, {'\xD8', 't'}, {'\xCC', 'g'}, {'\x90', 'g'},
    {'\xDB', 'g'}, {'\xCD', 'h'}, {'\xE5', 'h'}, {'\xCE', 'k'}, {'\xDE', 'k'}, {'\xDF', 'k'}, {'\x98', 'k'},
    {'\xCF', 'd'}, {'\xD0', 'd'}, {'\xD6', 'd'}, {'\xD9', 'd'}, {'\xD1', 'r'}, {'\xD2', 's'}, {'\xD3', 's'},
    {'\xD4', 's'}, {'\xD5', 's'}, {'\x8D', 's'}, {'\x8E', 's'}, {'\xDD', 'f'}, {'\xE1', 'l'}, {'\xE3', 'm'},
    {'\xE4', 'n'},
}};
constexpr std::string_view kArabicSilent = "\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC9\xDA\xE6\xEC\xED";

// English spellings of those sounds, longest first.
constexpr std::array<std::pair<std::string_view, std::string_view>, 21> kLatinSounds = {{
    {"ph", "f"}, {"ch", "s"}, {"sh", "s"}, {"th", "t"}, {"ck", "k"}, {"gh", "g"}, {"qu", "k"},
    {"x", "ks"}, {"c", "k"},  {"q", "k"},  {"p", "b"},  {"v", "f"},  {"z", "s"},  {"j", "g"},
    {"a", ""},   {"e", ""},   {"i", ""},   {"o", ""},   {"u", ""},   {"w", ""},   {"y", ""},
}};

// Each sound once where the spelling repeats it: "tt" and "ss" are one sound.
void AppendSound(std::string& sounds, std::string_view sound)
{
    for (char c : sound) {
        if (sounds.empty() || sounds.back() != c)
            sounds += c;
    }
}

// The consonant sounds of the word; "?" for a letter with no sound known.
std::string ArabicSounds(std::string_view word)
{
    std::string sounds;
    for (char byte : word) {
        auto found = std::find_if(kArabicSounds.begin(), kArabicSounds.end(),
                                  [byte](const auto& pair) { return pair.first == byte; });
        if (found != kArabicSounds.end()) {
            AppendSound(sounds, std::string_view(&found->second, 1));
        } else if (kArabicSilent.find(byte) == std::string_view::npos) {
            return "?";
        }
    }
    return sounds;
}

// The consonant sounds of the gloss; empty when it is not a single Latin word.
std::string LatinSounds(std::string_view gloss)
{
    std::string lower;
    for (char c : gloss) {
        if (!std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) > 0x7F)
            return {};
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string sounds;
    for (std::size_t i = 0; i < lower.size();) {
        std::string_view rest = std::string_view(lower).substr(i);
        auto found = std::find_if(kLatinSounds.begin(), kLatinSounds.end(),
                                  [rest](const auto& pair) { return rest.substr(0, pair.first.size()) == pair.first; });
        if (found != kLatinSounds.end()) {
            AppendSound(sounds, found->second);
            i += found->first.size();
        } else {
            AppendSound(sounds, rest.substr(0, 1));
            ++i;
        }
    }
    return sounds;
}

}  // namespace

bool SpellsOut(std::string_view arabicWord, std::string_view gloss, std::size_t fewestSounds)
{
    std::string latin = LatinSounds(gloss);
    if (latin.empty() || latin.size() < fewestSounds)
        return false;
    std::string arabic = ArabicSounds(arabicWord);
    // An h that English writes but does not sound ("Rhoda", "Thames") has no Arabic letter.
    std::string unvoiced;
    std::copy_if(latin.begin(), latin.end(), std::back_inserter(unvoiced), [](char c) { return c != 'h'; });
    return arabic == latin || arabic == unvoiced;
}
