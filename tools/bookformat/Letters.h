#pragma once

#include <string>
#include <string_view>

namespace bookformat {

// Whether the Windows-1256 byte is one of the eight vowel and gemination
// marks or the tatweel: what a reader leaves out when typing a word.
bool IsMark(char byte);

// The word in Windows-1256 without its marks and tatweel.
std::string Unmarked(std::string_view word);

// The text with every capital Latin letter written small, as people type
// English words and as the book's English headwords stand.
std::string SmallLetters(std::string_view text);

}  // namespace bookformat
