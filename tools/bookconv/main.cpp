// kalimor-bookconv --thesaurus FILE --ara-eng BASE --eng-ara BASE --lexicon DIR --frequencies FILE
//                  --common-words FILE --usual-words FILE --large-words FILE OUTPUT.txt:
// makes the book text from the Arabic thesaurus, the Arabic-English glossary
// and the English-Arabic source (dictd, BASE.index and BASE.dict.dz), and
// the lexicon of the morphological analyser (its directory's stems, affixes
// and tables), ranking words by the frequency list of Arabic word forms and
// the three English word lists. Notes and errors go to stderr, one line each,
// with the source line they concern; on any error no book is written, and
// the output file is replaced only by a complete book. The report of what
// the conversion read, changed, left out and made goes to stdout.
#include "BookFormat.h"
#include "Converter.h"
#include "Gunzip.h"
#include "ToolFiles.h"
#include "Utf8.h"
#include "Windows1256.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <map>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr int kFailed = 1;
constexpr int kUsageOrResources = 2;

// The options, each required once, in the order of the usage line.
constexpr const char* kOptions[] = {"--thesaurus",   "--ara-eng",      "--eng-ara",     "--lexicon",
                                    "--frequencies", "--common-words", "--usual-words", "--large-words"};
// The lexicon's files in its directory, in the order of LexiconTexts.
constexpr const char* kLexiconFiles[] = {"dictstems", "dictprefixes", "dictsuffixes", "tableab", "tableac", "tablebc"};

constexpr const char* kUsage =
    "usage: kalimor-bookconv --thesaurus FILE --ara-eng BASE --eng-ara BASE --lexicon DIR --frequencies FILE\n"
    "                        --common-words FILE --usual-words FILE --large-words FILE OUTPUT.txt\n";

using Paths = std::map<std::string, std::string>;  // by option

int Fail(int status, const std::string& message)
{
    std::cerr << "kalimor-bookconv: " << bookformat::Printable(message) << '\n';
    return status;
}

void Print(const Paths& paths, const Diagnostic& item)
{
    std::string file;
    switch (item.origin.source) {
    case Source::Thesaurus: file = paths.at("--thesaurus"); break;
    case Source::Glossary: file = paths.at("--ara-eng") + ".index"; break;
    case Source::English: file = paths.at("--eng-ara") + ".index"; break;
    case Source::Lexicon: file = paths.at("--lexicon") + "/" + kLexiconFiles[0]; break;
    case Source::Own: break;
    }
    std::string location = file.empty() ? "kalimor-bookconv" : file + ":" + std::to_string(item.origin.line);
    const char* kind = item.kind == Diagnostic::Kind::Error ? "error" : "note";
    std::cerr << bookformat::Printable(location + ": " + kind + ": " + item.message) << '\n';
}

std::string CrossReferences(const MergeCounts& merge, spelling::Typed kind)
{
    auto at = static_cast<std::size_t>(kind);
    return std::to_string(merge.crossReferenceEntries[at]) + " entries of their own and " +
           std::to_string(merge.crossReferencesAppended[at]) + " at the end of an entry";
}

std::string Utf8(std::string_view bytes)
{
    bookformat::Windows1256 encoding;
    return encoding.ToUtf8(bytes).text;
}

std::string ListFigure(const std::pair<char, ListSize>& list)
{
    return "\"" + Utf8(std::string(1, list.first)) + "\" " + std::to_string(list.second.headwords) + " headwords, " +
           std::to_string(list.second.bytes) + " bytes";
}

// "a, b and c" of the counts that are not 0, each with its name.
template <std::size_t N>
std::string Counted(const std::array<int, N>& counts, const char* const (&names)[N])
{
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < N; ++i) {
        if (counts[i] != 0)
            parts.push_back(std::to_string(counts[i]) + " " + names[i]);
    }
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return text;
}

void PrintArabicReport(const ConversionReport& report)
{
    const MergeCounts& merge = report.merge;
    const LexiconCounts& lexicon = report.lexicon;
    static const char* const kSourceNames[kSourceSets] = {
        "", "from the lexicon only", "from the thesaurus only", "from the lexicon and the thesaurus",
        "from the glossary only", "from the lexicon and the glossary", "from the thesaurus and the glossary",
        "from all three"};
    static const char* const kKinds[kArabicKindCount] = {"keys of the lexicon", "keys of the thesaurus",
                                                         "keys of the glossary alone", "misspellings",
                                                         "forms of text", "typed spellings"};
    static const char* const kFormSources[kFormSourceCount] = {"of the frequency list", "plurals", "imperfects",
                                                               "typed spellings of those"};
    const FormCounts& forms = merge.forms;
    std::cout << "lexicon: " << lexicon.lemmas << " lemmas, " << lexicon.properNouns << " of them proper nouns, "
              << lexicon.fusedOnly << " of stems fused with a clitic only; " << lexicon.malformedIds
              << " malformed IDs and " << lexicon.withoutId
              << " lemmas whose ID line is missing cited by their first stem; left out: " << lexicon.withoutStems
              << " lemmas without stems, " << merge.lemmasWithoutLetter << " keys without an Arabic letter\n"
              << "frequencies: " << report.frequencies.forms << " word forms read, " << report.frequencies.malformedLines
              << " malformed lines and " << report.frequencies.notWindows1256
              << " forms without a Windows-1256 spelling left out\n"
              << "left out: " << report.glossaryWithoutLetter << " glossary headwords without an Arabic letter, "
              << merge.duplicateItems << " repeated senses and glosses, " << merge.spelledOutLeftOut
              << " glossary words glossed only by their own Latin spelling\n"
              << "filed without the article: " << merge.articleRemoved << " glossary headwords\n"
              << "phrases: " << merge.phrasesIn << " in, " << merge.phrasesLeftOut << " left out to keep entries under "
              << kPhraseEntryLimit << " bytes, " << merge.phrasesWithoutWord
              << " left out as their first word is no word of any source\n";
    std::cout << "keys:";
    for (int sources = 1; sources < kSourceSets; ++sources)
        std::cout << (sources == 1 ? " " : ", ") << merge.keysBySources[static_cast<std::size_t>(sources)] << ' '
                  << kSourceNames[sources];
    std::cout << "; " << merge.weightedKeys << " weighed by the frequency list\n"
              << "lemmas: " << merge.lemmasIn << " in the entries of their keys, " << merge.properNounsIn
              << " of them proper nouns\n"
              << "glossary glosses: " << merge.confirmedGlosses
              << " confirmed by the English-Arabic dictionary and put first, " << merge.lexiconGlossesRepeated
              << " left out as a lemma of the entry gives them, " << merge.spelledOutGlossesLeftOut
              << " left out as only the word's own Latin spelling beside another gloss\n"
              << "misspellings: " << merge.misspellings << " glossary keys that misspell a lemma lead to it, "
              << merge.misspellingGlossesLeftOut << " of their glosses left out as the lemma's entry gives them\n"
              << "cross-references: " << CrossReferences(merge, spelling::Typed::BareAlef) << " for a bare alef, "
              << CrossReferences(merge, spelling::Typed::FinalHeh) << " for a final heh, "
              << CrossReferences(merge, spelling::Typed::FinalYeh) << " for a final yeh\n"
              << "forms that lead to keys, in the book: " << Counted(forms.in, kFormSources) << "; candidates: "
              << Counted(forms.candidates, kFormSources) << "; left out: " << forms.withoutAnalysis
              << " forms of the list that the analyser cannot cut, " << forms.withoutKey
              << " whose analyses name no key; " << forms.keysNoted
              << " keys that are another lemma's plural or imperfect name it at their end\n";
    for (const auto& [initial, counts] : merge.leftOut)
        std::cout << "left out of \"" << Utf8(std::string(1, initial)) << "\" to keep it within "
                  << ranking::kOneLetterBudget.headwords << " headwords and " << ranking::kOneLetterBudget.bytes
                  << " bytes: " << Counted(counts, kKinds) << '\n';
}

void PrintEnglishReport(const ConversionReport& report)
{
    const EnglishCounts& english = report.english;
    static const char* const kTiers[kTierCount] = {"common", "usual", "rare", "in no word list"};
    std::cout << "English: " << report.englishWithoutLetter << " headwords without a Latin letter left out, "
              << english.duplicateTranslations << " repeated translations, " << english.translationsOfLemmas
              << " translations that a lemma named before them gives, " << english.keysAlreadyTranslated
              << " Arabic keys that a translation or lemma already gives\n"
              << "English phrases: " << english.phrasesIn << " in, " << english.phrasesWithoutWord
              << " left out as their first word has no entry\n"
              << "English headwords: " << english.sourceOnly << " from the English-Arabic source only, "
              << english.glossesOnly << " from the glosses of the lexicon and the glossary only, " << english.both
              << " from both, " << english.inflectedReferences << " inflected forms that lead to their base; "
              << english.lemmasNamed << " lemmas named at their head\n"
              << "English inflected forms filed under their base: " << english.inflectedFiled << '\n';
    for (const auto& [initial, counts] : english.leftOut)
        std::cout << "left out of \"" << initial << "\" to keep it within the budget: " << Counted(counts, kTiers)
                  << '\n';
}

void PrintReport(const ConversionReport& report)
{
    std::cout << "read: " << report.thesaurusRecords << " thesaurus records, " << report.glossaryRecords
              << " glossary articles, " << report.englishRecords << " English-Arabic articles\n";
    for (int kind = 0; kind < kCleaningCount; ++kind)
        std::cout << "cleaned: " << report.cleaning[kind] << ' ' << SourceCleaner::Describe(static_cast<Cleaning>(kind))
                  << '\n';
    PrintArabicReport(report);
    PrintEnglishReport(report);
    std::cout << "longest one-letter lists: " << ListFigure(report.longestArabicList) << " (Arabic), "
              << ListFigure(report.longestLatinList) << " (Latin)\n";
}

int Convert(const Paths& paths, const std::string& output)
{
    std::vector<std::string> names = {paths.at("--thesaurus"),   paths.at("--ara-eng") + ".index",
                                      paths.at("--ara-eng") + ".dict.dz", paths.at("--eng-ara") + ".index",
                                      paths.at("--eng-ara") + ".dict.dz", paths.at("--frequencies"),
                                      paths.at("--common-words"), paths.at("--usual-words"),
                                      paths.at("--large-words")};
    for (const char* file : kLexiconFiles)
        names.push_back(paths.at("--lexicon") + "/" + file);
    std::vector<bookformat::FileContent> files;
    for (const std::string& name : names) {
        files.push_back(bookformat::ReadRegularFile(name, bookformat::kLargestBook));
        if (!files.back().ok)
            return Fail(kFailed, files.back().error);
    }
    Inflated glossaryText = Gunzip(files[2].bytes, bookformat::kLargestBook);
    if (!glossaryText.ok)
        return Fail(kFailed, "cannot read " + names[2] + ": " + glossaryText.error);
    Inflated englishText = Gunzip(files[4].bytes, bookformat::kLargestBook);
    if (!englishText.ok)
        return Fail(kFailed, "cannot read " + names[4] + ": " + englishText.error);

    Diagnostics diagnostics;
    const LexiconTexts lexicon{files[9].bytes, files[10].bytes, files[11].bytes,
                               files[12].bytes, files[13].bytes, files[14].bytes};
    std::optional<Book> book = ConvertSources({files[0].bytes, files[1].bytes, glossaryText.bytes, files[3].bytes,
                                               englishText.bytes, lexicon, files[5].bytes, files[6].bytes,
                                               files[7].bytes, files[8].bytes},
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

// The options' paths, each given once, and the output; nullopt when the command line is not so.
std::optional<std::pair<Paths, std::string>> ParseArguments(int argc, char** argv)
{
    Paths paths;
    std::optional<std::string> output;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool known = std::find(std::begin(kOptions), std::end(kOptions), arg) != std::end(kOptions);
        if (known && i + 1 < argc && !paths.count(arg))
            paths[arg] = argv[++i];
        else if (!known && !output && arg.rfind("--", 0) != 0)
            output = arg;
        else
            return std::nullopt;
    }
    if (!output || paths.size() != std::size(kOptions))
        return std::nullopt;
    return std::make_pair(paths, *output);
}

}  // namespace

int main(int argc, char** argv)
{
    std::optional<std::pair<Paths, std::string>> arguments = ParseArguments(argc, argv);
    if (!arguments) {
        std::cerr << kUsage;
        return kUsageOrResources;
    }
    try {
        return Convert(arguments->first, arguments->second);
    } catch (const std::bad_alloc&) {
        return Fail(kUsageOrResources, "out of memory");
    } catch (const std::exception& error) {
        return Fail(kFailed, error.what());
    }
}
