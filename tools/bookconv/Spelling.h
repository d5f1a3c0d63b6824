#pragma once

#include "Alphabet.h"

#include <string>
#include <string_view>

// Spellings of Arabic words in Windows-1256 bytes: the key that a word is
// filed under, and the spellings that people type for it.
namespace spelling {

// The eight vowel and gemination marks and the tatweel.
bool IsMark(char byte);

// The word without marks and tatweel.
std::string Unmarked(std::string_view word);

// The key of a headword: its first word without marks, where the first word
// runs from the first letter over letters and marks; empty when no letter.
std::string KeyOf(std::string_view headword, const Alphabet& alphabet);

// The key without its definite article "ال" when at least three letters remain; else empty.
std::string WithoutArticle(std::string_view key);

// The key as it is often typed: bare alef for alef with hamza or madda, heh
// for a final teh marbuta, yeh for a final alef maksura.
std::string Folded(std::string_view key);

}  // namespace spelling
