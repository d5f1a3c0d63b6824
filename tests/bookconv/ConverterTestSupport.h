#pragma once

#include "Converter.h"
#include "Diagnostics.h"
#include "SmallLexicon.h"
#include "Windows1256.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// A thesaurus text: the encoding line, then the given lines.
inline std::string Thesaurus(std::initializer_list<std::string_view> lines)
{
    std::string text = "UTF-8\n";
    for (std::string_view line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

// A glossary in the dictd format: each article "headword /pronunciation/" and
// its glosses, one a line, and the index that points at them.
struct TestGlossary {
    std::string index;
    std::string text;

    TestGlossary& Add(std::string_view headword, std::initializer_list<std::string_view> glosses)
    {
        static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        auto base64 = [](std::size_t value) {
            std::string digits;
            do {
                digits.insert(digits.begin(), kDigits[value % 64]);
                value /= 64;
            } while (value > 0);
            return digits;
        };
        std::string article = std::string(headword) + " /ipa/\n";
        int number = 0;
        for (std::string_view gloss : glosses)
            article += (glosses.size() > 1 ? std::to_string(++number) + ". " : "") + std::string(gloss) + "\n";
        index += std::string(headword) + "\t" + base64(text.size()) + "\t" + base64(article.size()) + "\n";
        text += article;
        return *this;
    }
};

// The sources of a test's book; none but what the test gives.
struct TestSources {
    std::string thesaurus = "UTF-8\n";
    TestGlossary glossary;
    TestGlossary english;
    std::string stems;        // the lexicon's, read with the affixes and tables of the small lexicon
    std::string frequencies;  // "form count" lines
    std::string commonWords;
    std::string usualWords;
    std::string largeWords;
};

inline std::optional<Book> ConvertTestSources(const TestSources& sources, Diagnostics& diagnostics)
{
    const bool lexicon = !sources.stems.empty();
    auto small = [lexicon](const char* text) { return std::string_view(lexicon ? text : ""); };
    return ConvertSources({sources.thesaurus, sources.glossary.index, sources.glossary.text, sources.english.index,
                           sources.english.text,
                           {sources.stems, small(small_lexicon::kPrefixes), small(small_lexicon::kSuffixes),
                            small(small_lexicon::kPrefixStem), small(small_lexicon::kPrefixSuffix),
                            small(small_lexicon::kStemSuffix)},
                           sources.frequencies, sources.commonWords, sources.usualWords, sources.largeWords},
                          diagnostics);
}

// The book made from the thesaurus, the glossary, the English-Arabic source
// and the common word list.
inline std::optional<Book> ConvertBoth(const std::string& thesaurus, const TestGlossary& glossary,
                                       Diagnostics& diagnostics, const TestGlossary& english = {},
                                       std::string_view commonWords = "")
{
    TestSources sources;
    sources.thesaurus = thesaurus;
    sources.glossary = glossary;
    sources.english = english;
    sources.commonWords = commonWords;
    return ConvertTestSources(sources, diagnostics);
}

inline std::string Cp1256(std::string_view utf8)
{
    static bookformat::Windows1256 encoding;
    return encoding.FromOwnText(utf8);
}

inline std::vector<std::string> Cp1256Lines(std::initializer_list<std::string_view> utf8)
{
    std::vector<std::string> lines;
    for (std::string_view line : utf8)
        lines.push_back(Cp1256(line));
    return lines;
}

// The book's lines without their CR LF; empty when the text does not end with one.
inline std::vector<std::string> LinesOf(std::string_view book)
{
    std::vector<std::string> lines;
    for (std::size_t end; (end = book.find("\r\n")) != std::string_view::npos; book.remove_prefix(end + 2))
        lines.emplace_back(book.substr(0, end));
    return book.empty() ? lines : std::vector<std::string>();
}

// The entry lines of one letter chapter (0 for alef, 28 for a), in book order.
inline std::vector<std::string> ChapterEntries(const std::string& book, int letter)
{
    std::vector<std::string> entries;
    int chapter = -2;  // the preface is chapter -1
    for (const std::string& line : LinesOf(book)) {
        if (line.rfind("*1*", 0) == 0)
            ++chapter;
        else if (chapter == letter && line.rfind("@ ", 0) == 0)
            entries.push_back(line);
    }
    return entries;
}

inline std::vector<Diagnostic> OfKind(const Diagnostics& diagnostics, Diagnostic::Kind kind)
{
    std::vector<Diagnostic> items;
    for (const Diagnostic& item : diagnostics.Items()) {
        if (item.kind == kind)
            items.push_back(item);
    }
    return items;
}
