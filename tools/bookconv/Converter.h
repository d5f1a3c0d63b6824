#pragma once

#include "Diagnostics.h"
#include "Dictionary.h"
#include "SourceCleaner.h"

#include <optional>
#include <string>
#include <string_view>

// The two sources as read: the thesaurus text, and the glossary's dictd index
// and its inflated dictionary text.
struct SourceTexts {
    std::string_view thesaurus;
    std::string_view glossaryIndex;
    std::string_view glossaryText;
};

// How many of each thing the conversion read, changed, left out and made.
struct ConversionReport {
    int thesaurusRecords = 0;
    int glossaryRecords = 0;
    CleaningCounts cleaning{};
    int glossaryWithoutLetter = 0;
    MergeCounts merge;
};

struct Book {
    std::string text;  // Windows-1256, CR LF after every line
    int entries = 0;
    int pages = 0;
    ConversionReport report;
};

// The book made from both sources. Whatever the conversion changes or keeps
// although it is irregular is noted; nullopt when any error was reported, so
// that no broken book is ever written.
std::optional<Book> ConvertSources(const SourceTexts& sources, Diagnostics& diagnostics);
