#include "Converter.h"

#include "Alphabet.h"
#include "BookFormat.h"
#include "BookLayout.h"
#include "BookRules.h"
#include "Blocks.h"
#include "Glossary.h"
#include "Thesaurus.h"
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
        if (size.headwords > kOneLetterBudget.headwords || size.bytes > kOneLetterBudget.bytes)
            diagnostics.Error({}, "typing \"" + encoding.ToUtf8(std::string(1, initial)).text + "\" lists " +
                                      std::to_string(size.headwords) + " headwords, " + std::to_string(size.bytes) +
                                      " bytes, over the budget of " + std::to_string(kOneLetterBudget.headwords) +
                                      " headwords and " + std::to_string(kOneLetterBudget.bytes) + " bytes");
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

    bookformat::Windows1256 encoding;
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

    Book book;
    book.report.thesaurusRecords = static_cast<int>(thesaurus.size());
    book.report.glossaryRecords = static_cast<int>(glossary.size());
    book.report.englishRecords = static_cast<int>(english.size());
    book.report.glossaryWithoutLetter = writer.GlossaryHeadwordsWithoutLetter();
    book.report.englishWithoutLetter = writer.EnglishHeadwordsWithoutLetter();
    MergedDictionary merged = MergeBlocks(std::move(blocks), encoding, alphabet, book.report.merge);
    std::vector<Entry> entries = std::move(merged.entries);
    for (Entry& entry : EnglishEntries(std::move(englishBlocks), merged.keysByGloss, sources.wordList, encoding,
                                       kOneLetterBudget, book.report.english))
        entries.push_back(std::move(entry));
    book.report.cleaning = cleaner.Counts();
    CheckPrefaceHeadwords(entries, encoding, diagnostics);

    book.entries = static_cast<int>(entries.size());
    std::string allSources = std::string(sources.thesaurus) + std::string(sources.glossaryIndex) +
                             std::string(sources.glossaryText) + std::string(sources.englishIndex) +
                             std::string(sources.englishText) + std::string(sources.wordList);
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
