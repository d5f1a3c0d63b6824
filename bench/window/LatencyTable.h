#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

// What one program measured: every keystroke of the Arabic words and of the
// English words, and each one-letter query's times, by its Windows-1256 byte.
struct ProgramTimes {
    std::string label;
    std::vector<double> keystrokes;
    std::vector<double> englishKeystrokes;
    std::map<char, std::vector<double>> oneLetter;
    std::map<char, std::size_t> oneLetterBytes;  // the size of each one-letter query's answer
};

// The p-th quantile (0 to 1) by the nearest rank; 0 for no values.
double Quantile(std::vector<double> values, double p);

// Markdown tables, one column per program and a ratio of the last to the
// first: median, 95th percentile and maximum of the Arabic words'
// keystrokes, the median of the English words', the slowest one-letter query
// (Latin or Arabic), then every one-letter query (the median of its times).
void PrintLatencyTables(std::ostream& out, const std::vector<ProgramTimes>& programs);
