// kalimor-bookconv THESAURUS.dat GLOSSARY.index GLOSSARY.dict.dz OUTPUT.txt:
// makes the book text from the Arabic thesaurus and the Arabic-English
// glossary (dictd format). Notes and errors go to stderr, one line each, with
// the source line they concern; on any error no book is written, and the
// output file is replaced only by a complete book. The report of what the
// conversion read, changed, left out and made goes to stdout.
#include "BookFormat.h"
#include "Converter.h"
#include "Gunzip.h"
#include "ToolFiles.h"
#include "Utf8.h"

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
};

int Fail(int status, const std::string& message)
{
    std::cerr << "kalimor-bookconv: " << bookformat::Printable(message) << '\n';
    return status;
}

void Print(const SourcePaths& paths, const Diagnostic& item)
{
    const std::string& file = item.origin.source == Source::Thesaurus ? paths.thesaurus : paths.glossaryIndex;
    std::string location =
        item.origin.source == Source::Own ? "kalimor-bookconv" : file + ":" + std::to_string(item.origin.line);
    const char* kind = item.kind == Diagnostic::Kind::Error ? "error" : "note";
    std::cerr << bookformat::Printable(location + ": " + kind + ": " + item.message) << '\n';
}

void PrintReport(const ConversionReport& report)
{
    const MergeCounts& merge = report.merge;
    std::cout << "read: " << report.thesaurusRecords << " thesaurus records, " << report.glossaryRecords
              << " glossary articles\n";
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
              << "cross-references: " << merge.crossReferenceEntries << " entries of their own, "
              << merge.crossReferencesAppended << " at the end of an entry, " << merge.crossReferencesLeftOut
              << " keys not named under a folded spelling that differs from them only in the last letter\n";
}

int Convert(const SourcePaths& paths, const std::string& output)
{
    std::array<bookformat::FileContent, 3> files = {
        bookformat::ReadRegularFile(paths.thesaurus, bookformat::kLargestBook),
        bookformat::ReadRegularFile(paths.glossaryIndex, bookformat::kLargestBook),
        bookformat::ReadRegularFile(paths.glossaryText, bookformat::kLargestBook),
    };
    for (const bookformat::FileContent& file : files) {
        if (!file.ok)
            return Fail(kFailed, file.error);
    }
    Inflated glossaryText = Gunzip(files[2].bytes, bookformat::kLargestBook);
    if (!glossaryText.ok)
        return Fail(kFailed, "cannot read " + paths.glossaryText + ": " + glossaryText.error);

    Diagnostics diagnostics;
    std::optional<Book> book = ConvertSources({files[0].bytes, files[1].bytes, glossaryText.bytes}, diagnostics);
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
    if (argc != 5) {
        std::cerr << "usage: kalimor-bookconv THESAURUS.dat GLOSSARY.index GLOSSARY.dict.dz OUTPUT.txt\n";
        return kUsageOrResources;
    }
    try {
        return Convert({argv[1], argv[2], argv[3]}, argv[4]);
    } catch (const std::bad_alloc&) {
        return Fail(kUsageOrResources, "out of memory");
    } catch (const std::exception& error) {
        return Fail(kFailed, error.what());
    }
}
