#pragma once

#include "Diagnostics.h"

#include <string>
#include <string_view>
#include <vector>

// One article of a dictd glossary, the Arabic-English one or the
// English-Arabic one: its headword as the article writes it (UTF-8, the
// pronunciation left out) and its glosses.
struct GlossaryRecord {
    int sourceLine;  // of the index line that names the article
    std::string headword;
    std::vector<std::string> glosses;
};

// Reads a glossary in the dictd format: the index, one line per headword,
// "word TAB offset TAB length" with numbers in base 64, and the dictionary
// text that they point into. The database's own entries ("00database...")
// are skipped. A line that breaks the format is an error at that index line of the source.
std::vector<GlossaryRecord> ReadGlossary(Source source, std::string_view index, std::string_view dictionary,
                                         Diagnostics& diagnostics);
