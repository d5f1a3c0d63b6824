#pragma once

#include <string>
#include <string_view>
#include <vector>

// The words that an English word in small letters may be an inflected form
// of, by the regular endings: the plural or third person in -s, -es or -ies,
// the past in -ed, -d or -ied, and -ing, with a final e dropped or a final
// consonant doubled before the ending. The bare stem first ("called" is
// "call" before "cal"); only bases of at least shortestBase letters, so that
// "sing" is no form of "s".
std::vector<std::string> BaseCandidates(std::string_view word, std::size_t shortestBase = 3);
