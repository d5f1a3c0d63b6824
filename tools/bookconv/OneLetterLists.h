#pragma once

#include "OneLetterBudget.h"

#include <cstddef>
#include <map>
#include <string>

using ranking::ListSize;

// The one-letter lists of a book, by their byte, as the walk of the lookups
// finds the headwords. The closing chapter line's "*" is no letter to type.
std::map<char, ListSize> OneLetterLists(const std::string& book);

// Of the lists whose byte is ASCII (Latin letters and digits) or not (Arabic),
// the one of the most headwords: each line costs the result box about the same.
std::pair<char, ListSize> LongestList(const std::map<char, ListSize>& lists, bool ascii);
