// kalimor-bookconv THESAURUS.dat GLOSSARY.index GLOSSARY.dict.dz ENGLISH.index ENGLISH.dict.dz WORDS OUTPUT.txt:
// makes the book text from the Arabic thesaurus, the Arabic-English glossary
// and the English-Arabic source (both dictd format), choosing English words
// with the common word list WORDS. Notes and errors go to stderr, one line each, with
// the source line they concern; on any error no book is written, and the
// output file is replaced only by a complete book. The report of what the
// conversion read, changed, left out and made goes to stdout.
#include "BookFormat.h"
#include "Converter.h"
#include "Gunzip.h"
#include "ToolFiles.h"
#include "Utf8.h"
#include "Windows1256.h"

#include <algorithm>
#include <array>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr int kFailed = 1;
constexpr int kUsageOrResources = 2;

struct SourcePaths {
    std::string thesaurus;
    std::string glossaryIndex;
    std::string glossaryText;
    std::string englishIndex;
    std::string englishText;
    std::string wordList;
};

constexpr const char* kUsage =
    "usage: kalimor-bookconv THESAURUS.dat GLOSSARY.index GLOSSARY.dict.dz ENGLISH.index ENGLISH.dict.dz WORDS "
    "OUTPUT.txt\n";

int Fail(int status, const std::string& message)
{
    std::cerr << "kalimor-bookconv: " << bookformat::Printable(message) << '\n';
    return status;
}

void Print(const SourcePaths& paths, const Diagnostic& item)
{
    const std::string& file = item.origin.source == Source::Thesaurus ? paths.thesaurus
                              : item.origin.source == Source::English ? paths.englishIndex
                                                                       : paths.glossaryIndex;
    std::string location =
        item.origin.source == Source::Own ? "kalimor-bookconv" : file + ":" + std::to_string(item.origin.line);
    const char* kind = item.kind == Diagnostic::Kind::Error ? "error" : "note";
    std::cerr << bookformat::Printable(location + ": " + kind + ": " + item.message) << '\n';
}

std::string CrossReferences(const MergeCounts& merge, spelling::Typed kind)
{
    auto at = static_cast<std::size_t>(kind);
    return std::to_string(merge.crossReferenceEntries[at]) + " entries of their own and " +
           std::to_string(merge.crossReferencesAppended[at]) + " at the end of an entry";
}

std::string ListFigure(const std::pair<char, ListSize>& list)
{
    bookformat::Windows1256 encoding;
    return "\"" + encoding.ToUtf8(std::string(1, list.first)).text + "\" " + std::to_string(list.second.headwords) +
           " headwords, " + std::to_string(list.second.bytes) + " bytes";
}

void PrintReport(const ConversionReport& report)
{
    const MergeCounts& merge = report.merge;
    const EnglishCounts& english = report.english;
    std::cout << "read: " << report.thesaurusRecords << " thesaurus records, " << report.glossaryRecords
              << " glossary articles, " << report.englishRecords << " English-Arabic articles\n";
    for (int kind = 0; kind < kCleaningCount; ++kind)
        std::cout << "cleaned: " << report.cleaning[kind] << ' ' << SourceCleaner::Describe(static_cast<Cleaning>(kind))
                  << '\n';
    std::cout << "left out: " << report.glossaryWithoutLetter << " glossary headwords without an Arabic letter, "
              << merge.duplicateItems << " repeated senses and glosses, " << merge.spelledOutLeftOut
              << " glossary words glossed only by their own Latin spelling\n"
              << "filed without the article: " << merge.articleRemoved << " glossary headwords\n"
              << "phrases: " << merge.phrasesIn << " in, " << merge.phrasesLeftOut << " left out to keep entries under "
              << kPhraseEntryLimit << " bytes, " << merge.phrasesWithoutWord
              << " left out as their first word is no word of either source\n"
              << "keys: " << merge.thesaurusKeys << " from the thesaurus only, " << merge.glossaryKeys
              << " from the glossary only, " << merge.sharedKeys << " from both\n"
              << "cross-references: " << CrossReferences(merge, spelling::Typed::BareAlef) << " for a bare alef, "
              << CrossReferences(merge, spelling::Typed::FinalHeh) << " for a final heh, "
              << CrossReferences(merge, spelling::Typed::FinalYeh) << " for a final yeh\n"
              << "English: " << report.englishWithoutLetter << " headwords without a Latin letter left out, "
              << english.duplicateTranslations << " repeated translations, " << english.keysAlreadyTranslated
              << " Arabic keys that a translation already gives\n"
              << "English phrases: " << english.phrasesIn << " in, " << english.phrasesWithoutWord
              << " left out as their first word has no entry\n"
              << "English headwords: " << english.sourceOnly << " from the English-Arabic source only, "
              << english.glossesOnly << " from the glosses of Arabic keys only, " << english.both << " from both\n"
              << "English one-letter lists within " << kOneLetterBudget.headwords << " headwords and "
              << kOneLetterBudget.bytes << " bytes: " << english.inflectedFiled
              << " inflected forms filed under their base; left out: "
              << english.leftOut[static_cast<int>(Commonness::Both)]
              << " common words (in the word list and glossing an Arabic key), "
              << english.leftOut[static_cast<int>(Commonness::One)] << " in one of the two, "
              << english.leftOut[static_cast<int>(Commonness::Neither)] << " in neither\n"
              << "longest one-letter lists: " << ListFigure(report.longestArabicList) << " (Arabic), "
              << ListFigure(report.longestLatinList) << " (Latin)\n";
}

int Convert(const SourcePaths& paths, const std::string& output)
{
    std::array<bookformat::FileContent, 6> files = {
        bookformat::ReadRegularFile(paths.thesaurus, bookformat::kLargestBook),
        bookformat::ReadRegularFile(paths.glossaryIndex, bookformat::kLargestBook),
        bookformat::ReadRegularFile(paths.glossaryText, bookformat::kLargestBook),
        bookformat::ReadRegularFile(paths.englishIndex, bookformat::kLargestBook),
        bookformat::ReadRegularFile(paths.englishText, bookformat::kLargestBook),
        bookformat::ReadRegularFile(paths.wordList, bookformat::kLargestBook),
    };
    for (const bookformat::FileContent& file : files) {
        if (!file.ok)
            return Fail(kFailed, file.error);
    }
    Inflated glossaryText = Gunzip(files[2].bytes, bookformat::kLargestBook);
    if (!glossaryText.ok)
        return Fail(kFailed, "cannot read " + paths.glossaryText + ": " + glossaryText.error);
    Inflated englishText = Gunzip(files[4].bytes, bookformat::kLargestBook);
    if (!englishText.ok)
        return Fail(kFailed, "cannot read " + paths.englishText + ": " + englishText.error);

    Diagnostics diagnostics;
    std::optional<Book> book = ConvertSources(
        {files[0].bytes, files[1].bytes, glossaryText.bytes, files[3].bytes, englishText.bytes, files[5].bytes},
        diagnostics);
    std::vector<Diagnostic> items = diagnostics.Items();
    std::stable_sort(items.begin(), items.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.origin < b.origin; });
    for (const Diagnostic& item : items)
        Print(paths, item);
    if (!book)
        return Fail(kFailed, "no book written");
    if (std::optional<std::string> error = bookformat::WriteWholeFile(output, book->text))
        return Fail(kFailed, *error);
    PrintReport(book->report);
    std::cout << bookformat::Printable(output) << ": " << book->entries << " entries, " << book->pages << " pages, "
              << book->text.size() << " bytes\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 8) {
        std::cerr << kUsage;
        return kUsageOrResources;
    }
    try {
        return Convert({argv[1], argv[2], argv[3], argv[4], argv[5], argv[6]}, argv[7]);
    } catch (const std::bad_alloc&) {
        return Fail(kUsageOrResources, "out of memory");
    } catch (const std::exception& error) {
        return Fail(kFailed, error.what());
    }
}
