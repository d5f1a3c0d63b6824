#pragma once

#include <optional>
#include <string>
#include <string_view>

// Buckwalter's transliteration of Arabic, in which the lexicon is written,
// and the book's Windows-1256: one byte for each letter and mark.
namespace lexicon {

// The word in Windows-1256. The alef wasla "{" is written as a bare alef
// and the dagger alef "`" is dropped, as the code page has neither; nullopt
// for a character that the transliteration does not have.
std::optional<std::string> ToWindows1256(std::string_view transliterated);

// The word in the transliteration; nullopt for a byte that it has no letter or mark for.
std::optional<std::string> FromWindows1256(std::string_view bytes);

// The word without short vowels, tanween, shadda, sukun and dagger alef, the
// alef wasla written "A": as the lexicon's unvocalized field writes words.
std::string Unvocalized(std::string_view transliterated);

// Whether the character is one of the marks that Unvocalized leaves out.
bool IsMark(char transliterated);

}  // namespace lexicon
