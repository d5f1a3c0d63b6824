#include "Spelling.h"

#include "Letters.h"

#include <algorithm>

namespace spelling {
namespace {


constexpr char kAlef = '\xC7';
constexpr char kLam = '\xE1';
constexpr char kHamzaAlefs[] = {'\xC2', '\xC3', '\xC5'};  // with madda, hamza above, hamza below
constexpr char kTehMarbuta = '\xC9';
constexpr char kHeh = '\xE5';
constexpr char kAlefMaksura = '\xEC';
constexpr char kYeh = '\xED';

constexpr std::size_t kShortestWithoutArticle = 3;

}  // namespace

std::string KeyOf(std::string_view headword, const Alphabet& alphabet)
{
    auto isLetter = [&](char byte) { return alphabet.LetterOf(byte).has_value(); };
    auto first = std::find_if(headword.begin(), headword.end(), isLetter);
    auto end = std::find_if(first, headword.end(), [&](char byte) { return !isLetter(byte) && !bookformat::IsMark(byte); });
    return bookformat::Unmarked(headword.substr(static_cast<std::size_t>(first - headword.begin()),
                                    static_cast<std::size_t>(end - first)));
}

std::string WithoutArticle(std::string_view key)
{
    bool article = key.size() >= 2 && key[0] == kAlef && key[1] == kLam;
    if (!article || key.size() - 2 < kShortestWithoutArticle)
        return {};
    return std::string(key.substr(2));
}

std::string WithBareAlefs(std::string_view word)
{
    std::string bare(word);
    for (char& byte : bare) {
        if (std::find(std::begin(kHamzaAlefs), std::end(kHamzaAlefs), byte) != std::end(kHamzaAlefs))
            byte = kAlef;
    }
    return bare;
}

std::vector<TypedSpelling> TypedSpellings(std::string_view key)
{
    std::vector<TypedSpelling> spellings;
    const auto add = [&](const std::string& text, Typed kind) {
        const bool known = text == key || std::any_of(spellings.begin(), spellings.end(),
                                                      [&](const TypedSpelling& other) { return other.text == text; });
        if (!known)
            spellings.push_back({text, kind});
    };
    std::string ending(key);
    if (!ending.empty() && (ending.back() == kTehMarbuta || ending.back() == kAlefMaksura)) {
        const bool marbuta = ending.back() == kTehMarbuta;
        ending.back() = marbuta ? kHeh : kYeh;
        add(ending, marbuta ? Typed::FinalHeh : Typed::FinalYeh);
    }
    for (const std::string& word : {std::string(key), ending})
        add(WithBareAlefs(word), Typed::BareAlef);
    return spellings;
}

}  // namespace spelling
