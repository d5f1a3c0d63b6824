#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ranking {

// One line of a frequency list: a word form as a corpus's tokenizer cut it, and how often it occurs.
struct FormCount {
    int line;
    std::string form;  // as the list writes it
    long long count;
};

struct FrequencyList {
    std::vector<FormCount> forms;  // in the list's order
    std::vector<int> malformedLines;  // not "form count", skipped
};

// Reads a list of "form count" lines, the form and the count separated by the last space.
FrequencyList ReadFrequencyList(std::string_view text);

}  // namespace ranking
