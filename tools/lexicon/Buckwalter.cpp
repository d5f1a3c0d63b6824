#include "Buckwalter.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lexicon {
namespace {

constexpr char kAlefWasla = '{';
constexpr char kDaggerAlef = '`';
constexpr std::string_view kMarks = "FNKauio~`";

constexpr std::array<std::pair<char, char>, 50> kLetters = {{
    {'\'', '\xC1'}, {'|', '\xC2'}, {'>', '\xC3'}, {'&', '\xC4'}, {'<', '\xC5'}, {'}', '\xC6'}, {'A', '\xC7'},
    {'b', '\xC8'},  {'p', '\xC9'}, {'t', '\xCA'}, {'v', '\xCB'}, {'j', '\xCC'}, {'H', '\xCD'}, {'x', '\xCE'},
    {'d', '\xCF'},  {'*', '\xD0'}, {'r', '\xD1'}, {'z', '\xD2'}, {'s', '\xD3'}, {'$', '\xD4'}, {'S', '\xD5'},
    {'D', '\xD6'},  {'T', '\xD8'}, {'Z', '\xD9'}, {'E', '\xDA'}, {'g', '\xDB'}, {'_', '\xDC'}, {'f', '\xDD'},
    {'q', '\xDE'},  {'k', '\xDF'}, {'l', '\xE1'}, {'m', '\xE3'}, {'n', '\xE4'}, {'h', '\xE5'}, {'w', '\xE6'},
    {'Y', '\xEC'},  {'y', '\xED'}, {'F', '\xF0'}, {'N', '\xF1'}, {'K', '\xF2'}, {'a', '\xF3'}, {'u', '\xF5'},
    {'i', '\xF6'},  {'~', '\xF8'}, {'o', '\xFA'}, {'P', '\x81'}, {'J', '\x8D'}, {'G', '\x90'},
    {kAlefWasla, '\xC7'}, {kDaggerAlef, '\0'},
}};

}  // namespace

bool IsMark(char transliterated)
{
    return kMarks.find(transliterated) != std::string_view::npos;
}

std::optional<std::string> ToWindows1256(std::string_view transliterated)
{
    std::string bytes;
    for (char c : transliterated) {
        auto found = std::find_if(kLetters.begin(), kLetters.end(), [c](const auto& pair) { return pair.first == c; });
        if (found == kLetters.end())
            return std::nullopt;
        if (found->second != '\0')
            bytes += found->second;
    }
    return bytes;
}

std::optional<std::string> FromWindows1256(std::string_view bytes)
{
    std::string transliterated;
    for (char byte : bytes) {
        // The first pair of a byte is its own letter: the bare alef is "A", not "{".
        auto found = std::find_if(kLetters.begin(), kLetters.end(),
                                  [byte](const auto& pair) { return pair.second == byte && byte != '\0'; });
        if (found == kLetters.end())
            return std::nullopt;
        transliterated += found->first;
    }
    return transliterated;
}

std::string Unvocalized(std::string_view transliterated)
{
    std::string bare;
    for (char c : transliterated) {
        if (c == kAlefWasla)
            bare += 'A';
        else if (!IsMark(c))
            bare += c;
    }
    return bare;
}

}  // namespace lexicon
