#pragma once

#include "Alphabet.h"

#include <string>
#include <string_view>
#include <vector>

// Spellings of Arabic words in Windows-1256 bytes: the key that a word is
// filed under, and the spellings that people type for it.
namespace spelling {

// The key of a headword: its first word without marks, where the first word
// runs from the first letter over letters and marks; empty when no letter.
std::string KeyOf(std::string_view headword, const Alphabet& alphabet);

// The key without its definite article "ال" when at least three letters remain; else empty.
std::string WithoutArticle(std::string_view key);

// The word with every alef with hamza or madda written as a bare alef.
std::string WithBareAlefs(std::string_view word);

// How a spelling that people type differs from the key: a bare alef for
// alef with hamza or madda (the ending folded as below or not), a heh for a
// final teh marbuta, a yeh for a final alef maksura.
enum class Typed { BareAlef, FinalHeh, FinalYeh };
inline constexpr int kTypedCount = static_cast<int>(Typed::FinalYeh) + 1;

struct TypedSpelling {
    std::string text;
    Typed kind;
};

// The spellings of the key that people type instead of it: the key with its
// final letter folded, and the key with every hamza alef bare, its final
// letter as it is and folded; each only when it differs from the key and
// from those before it.
std::vector<TypedSpelling> TypedSpellings(std::string_view key);

}  // namespace spelling
