#pragma once

#include "FrequencyList.h"
#include "Windows1256.h"

#include <map>
#include <string>
#include <string_view>

struct FrequencyCounts {
    int forms = 0;           // lines of the list read
    int malformedLines = 0;  // not "form count": left out
    int notWindows1256 = 0;  // forms with a character that Windows-1256 lacks: left out
};

// How often a reader meets a word, by the counts of a frequency list of word
// forms. The list only ranks: none of its text goes into the book.
class WordWeights {
public:
    WordWeights(const ranking::FrequencyList& list, bookformat::Windows1256& encoding, FrequencyCounts& counts);

    // Every form of the list without marks, with its count.
    const std::map<std::string, long long, std::less<>>& Forms() const { return m_counts; }

private:
    std::map<std::string, long long, std::less<>> m_counts;  // by the form without marks
};
