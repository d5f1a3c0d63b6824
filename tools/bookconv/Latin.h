#pragma once

#include <optional>
#include <string>
#include <string_view>

// English headwords in the book: Latin letters, filed under 26 chapters after
// the Arabic ones. Bytes outside ASCII are no Latin letters.
namespace latin {

inline constexpr int kLetterCount = 26;

// 0 for a to 25 for z: the headword's first Latin letter, either case; nullopt when it has none.
std::optional<int> ChapterOf(std::string_view headword);

// Orders headwords alphabetically: their Latin letters, small, with everything else left out.
std::string CollationKey(std::string_view headword);

}  // namespace latin
