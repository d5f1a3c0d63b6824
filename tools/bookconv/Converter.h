#pragma once

#include "Diagnostics.h"
#include "Dictionary.h"
#include "English.h"
#include "LexiconLemmas.h"
#include "OneLetterLists.h"
#include "SourceCleaner.h"
#include "WordWeights.h"

#include <optional>
#include <string>
#include <string_view>

// The sources as read: the thesaurus text, the dictd index and the inflated
// dictionary text of the Arabic-English glossary and of the English-Arabic
// source, the lexicon's files, the frequency list of Arabic word forms, and
// the three English word lists (common, usual, large), one word a line.
struct SourceTexts {
    std::string_view thesaurus;
    std::string_view glossaryIndex;
    std::string_view glossaryText;
    std::string_view englishIndex;
    std::string_view englishText;
    LexiconTexts lexicon;
    std::string_view frequencies;
    std::string_view commonWords;
    std::string_view usualWords;
    std::string_view largeWords;
};

// How many of each thing the conversion read, changed, left out and made.
struct ConversionReport {
    int thesaurusRecords = 0;
    int glossaryRecords = 0;
    CleaningCounts cleaning{};
    int englishRecords = 0;
    int glossaryWithoutLetter = 0;
    int englishWithoutLetter = 0;
    LexiconCounts lexicon;
    FrequencyCounts frequencies;
    MergeCounts merge;
    EnglishCounts english;
    std::pair<char, ListSize> longestArabicList;
    std::pair<char, ListSize> longestLatinList;
};

struct Book {
    std::string text;  // Windows-1256, CR LF after every line
    int entries = 0;
    int pages = 0;
    ConversionReport report;
};

// The book made from the sources. Whatever the conversion changes or keeps
// although it is irregular is noted; nullopt when any error was reported, so
// that no broken book is ever written. A one-letter list over the budget is
// such an error: the choice of headwords keeps every list within it.
std::optional<Book> ConvertSources(const SourceTexts& sources, Diagnostics& diagnostics);
