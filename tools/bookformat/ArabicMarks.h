#pragma once

#include <string>
#include <string_view>

namespace bookformat {

// Whether the Windows-1256 byte is one of the eight vowel and gemination
// marks or the tatweel: what a reader leaves out when typing a word.
bool IsMark(char byte);

// The word in Windows-1256 without its marks and tatweel.
std::string Unmarked(std::string_view word);

}  // namespace bookformat
