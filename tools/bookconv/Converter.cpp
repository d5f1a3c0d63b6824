#include "Converter.h"

#include "Alphabet.h"
#include "BookFormat.h"
#include "BookLayout.h"
#include "BookRules.h"
#include "Blocks.h"
#include "EnglishTiers.h"
#include "FrequencyList.h"
#include "Glossary.h"
#include "Thesaurus.h"
#include "Translations.h"
#include "Windows1256.h"

#include <map>
#include <set>

namespace {

// A preface headword equal to a key would be found before, and hide, that key's entry.
void CheckPrefaceHeadwords(const std::vector<Entry>& entries, bookformat::Windows1256& encoding,
                           Diagnostics& diagnostics)
{
    std::set<std::string> keys;
    for (const Entry& entry : entries)
        keys.insert(entry.headword);
    for (const std::string& headword : PrefaceHeadwords(encoding)) {
        if (keys.count(headword))
            diagnostics.Error({}, "the preface's headword \"" + encoding.ToUtf8(headword).text +
                                      "\" is a key of the dictionary, whose entry it would hide");
    }
}

void CheckOneLetterLists(const std::map<char, ListSize>& lists, bookformat::Windows1256& encoding,
                         Diagnostics& diagnostics)
{
    for (const auto& [initial, size] : lists) {
        const ranking::ListBudget& budget = ranking::kOneLetterBudget;
        if (size.headwords > budget.headwords || size.bytes > budget.bytes)
            diagnostics.Error({}, "typing \"" + encoding.ToUtf8(std::string(1, initial)).text + "\" lists " +
                                      std::to_string(size.headwords) + " headwords, " + std::to_string(size.bytes) +
                                      " bytes, over the budget of " + std::to_string(budget.headwords) +
                                      " headwords and " + std::to_string(budget.bytes) + " bytes");
    }
}

}  // namespace

std::optional<Book> ConvertSources(const SourceTexts& sources, Diagnostics& diagnostics)
{
    std::vector<ThesaurusRecord> thesaurus = ReadThesaurus(sources.thesaurus, diagnostics);
    std::vector<GlossaryRecord> glossary =
        ReadGlossary(Source::Glossary, sources.glossaryIndex, sources.glossaryText, diagnostics);
    std::vector<GlossaryRecord> english =
        ReadGlossary(Source::English, sources.englishIndex, sources.englishText, diagnostics);

    Book book;
    const BookLexicon lexicon(sources.lexicon, diagnostics, book.report.lexicon);
    bookformat::Windows1256 encoding;
    const WordWeights weights(ranking::ReadFrequencyList(sources.frequencies), encoding, book.report.frequencies);
    const ranking::EnglishTiers tiers(sources.commonWords, sources.usualWords, sources.largeWords);

    Alphabet alphabet(encoding);
    SourceCleaner cleaner(diagnostics);
    BlockWriter writer(encoding, alphabet, cleaner, diagnostics);
    std::vector<Block> blocks;
    for (const ThesaurusRecord& record : thesaurus) {
        if (std::optional<Block> block = writer.FromThesaurus(record))
            blocks.push_back(std::move(*block));
    }
    for (const GlossaryRecord& record : glossary) {
        if (std::optional<Block> block = writer.FromGlossary(record))
            blocks.push_back(std::move(*block));
    }
    std::vector<Block> englishBlocks;
    for (const GlossaryRecord& record : english) {
        if (std::optional<Block> block = writer.FromEnglish(record))
            englishBlocks.push_back(std::move(*block));
    }

    book.report.thesaurusRecords = static_cast<int>(thesaurus.size());
    book.report.glossaryRecords = static_cast<int>(glossary.size());
    book.report.englishRecords = static_cast<int>(english.size());
    book.report.glossaryWithoutLetter = writer.GlossaryHeadwordsWithoutLetter();
    book.report.englishWithoutLetter = writer.EnglishHeadwordsWithoutLetter();
    const Translations translations(englishBlocks);
    // The preface's headwords are listed as well: they take their places in the one-letter lists first.
    ranking::OneLetterBudget preface(ranking::kOneLetterBudget);
    for (const std::string& headword : PrefaceHeadwords(encoding))
        preface.Take(headword);
    MergedDictionary merged = MergeArabic(std::move(blocks), lexicon, {weights, tiers, translations, preface},
                                          encoding, alphabet, book.report.merge, diagnostics);
    std::vector<Entry> entries = std::move(merged.entries);
    for (Entry& entry : EnglishEntries(std::move(englishBlocks), merged.keysByGloss, merged.lemmasByGloss, tiers,
                                       encoding, ranking::kOneLetterBudget, book.report.english))
        entries.push_back(std::move(entry));
    book.report.cleaning = cleaner.Counts();
    CheckPrefaceHeadwords(entries, encoding, diagnostics);

    book.entries = static_cast<int>(entries.size());
    std::string allSources;
    for (std::string_view text :
         {sources.thesaurus, sources.glossaryIndex, sources.glossaryText, sources.englishIndex, sources.englishText,
          sources.lexicon.stems, sources.lexicon.prefixes, sources.lexicon.suffixes, sources.lexicon.prefixStem,
          sources.lexicon.prefixSuffix, sources.lexicon.stemSuffix, sources.frequencies, sources.commonWords,
          sources.usualWords, sources.largeWords})
        allSources += text;
    BookLayout layout = LayOutBook(std::move(entries), allSources, encoding);
    book.pages = layout.pages;
    layout.text.Append(EndLine(layout.text.Text()));
    layout.text.Append(bookformat::kLineEnd);
    book.text = layout.text.Text();

    std::map<char, ListSize> lists = OneLetterLists(book.text);
    book.report.longestArabicList = LongestList(lists, false);
    book.report.longestLatinList = LongestList(lists, true);
    CheckOneLetterLists(lists, encoding, diagnostics);

    // The finished book must keep every rule that the lookups rest on; a
    // fault is reported at the source line its bytes came from.
    bookformat::CheckRules(book.text, [&](const bookformat::Violation& violation) {
        diagnostics.Error(layout.text.OriginAt(violation.offset),
                          std::string(bookformat::RuleName(violation.rule)) + ": " + violation.what);
    });
    if (diagnostics.HasErrors())
        return std::nullopt;
    return book;
}
