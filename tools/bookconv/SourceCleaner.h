#pragma once

#include "Diagnostics.h"

#include <array>
#include <string>
#include <string_view>

// The changes that the converter makes to the sources' texts before anything
// else, each of them noted where it is made and counted.
enum class Cleaning {
    Ligature,       // a lam-alef presentation form, written as its two letters (NFKC)
    ByteOrderMark,  // U+FEFF, removed
    DirectionMark,  // U+200E or U+200F, removed
    NoBreakSpace,   // U+00A0, written as a space so that the words stay apart
    QuotingDebris,  // a backslash left over from quoting, removed
    IndicDigit,     // an Arabic-Indic digit, which Windows-1256 lacks, written as the ASCII digit
    EdgeSpace,      // a space at either end of a field, removed
};
inline constexpr int kCleaningCount = static_cast<int>(Cleaning::EdgeSpace) + 1;
using CleaningCounts = std::array<int, kCleaningCount>;

class SourceCleaner {
public:
    explicit SourceCleaner(Diagnostics& diagnostics) : m_diagnostics(diagnostics) {}

    // The field's UTF-8 text with every change made; field names it in the notes ("the synonym").
    std::string Clean(std::string_view utf8, Origin origin, const char* field);

    const CleaningCounts& Counts() const { return m_counts; }

    // "lam-alef ligatures written as two letters", for the report.
    static const char* Describe(Cleaning kind);

private:
    Diagnostics& m_diagnostics;
    CleaningCounts m_counts{};
};
