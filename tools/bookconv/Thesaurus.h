#pragma once

#include "Diagnostics.h"

#include <string>
#include <string_view>
#include <vector>

// One sense line of the thesaurus: "label|synonym|synonym...".
struct Sense {
    int sourceLine;
    std::string label;
    std::vector<std::string> synonyms;
};

// One headword line, "headword|N", and the N sense lines that follow it.
struct ThesaurusRecord {
    int sourceLine;
    std::string headword;
    std::vector<Sense> senses;
};

// Reads a thesaurus text whose first line names its encoding, "UTF-8".
// Texts stay UTF-8, unchanged. A record that breaks the structure is
// reported as an error, and reading stops there, since the lines after it
// can no longer be told apart.
std::vector<ThesaurusRecord> ReadThesaurus(std::string_view text, Diagnostics& diagnostics);
