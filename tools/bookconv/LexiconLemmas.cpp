#include "LexiconLemmas.h"

#include "Buckwalter.h"
#include "LemmaSummary.h"
#include "Morphology.h"

#include <optional>

namespace {

std::string Described(const char* file, const lexicon::Problem& problem)
{
    return std::string("the lexicon's ") + file + ", line " + std::to_string(problem.line) + ": " + problem.what;
}

// The words in Windows-1256; false, reported, when one has no such form.
bool Convert(const std::vector<std::string>& words, std::vector<std::string>& out, Origin origin,
             Diagnostics& diagnostics)
{
    for (const std::string& word : words) {
        std::optional<std::string> bytes = lexicon::ToWindows1256(word);
        if (!bytes) {
            diagnostics.Error(origin, "the word \"" + word + "\" has a character that the transliteration lacks");
            return false;
        }
        out.push_back(std::move(*bytes));
    }
    return true;
}

}  // namespace

std::vector<BookLemma> ReadLexicon(const LexiconTexts& texts, Diagnostics& diagnostics, LexiconCounts& counts)
{
    lexicon::StemFile stems = lexicon::ReadStems(texts.stems);
    for (const lexicon::Problem& problem : stems.problems)
        diagnostics.Error({Source::Lexicon, problem.line}, problem.what);
    const std::pair<const char*, std::string_view> files[] = {
        {"prefixes", texts.prefixes},         {"suffixes", texts.suffixes},
        {"prefix-stem table", texts.prefixStem}, {"prefix-suffix table", texts.prefixSuffix},
        {"stem-suffix table", texts.stemSuffix},
    };
    std::vector<lexicon::Problem> problems[5];
    lexicon::Morphology morphology(lexicon::ReadAffixes(texts.prefixes, problems[0]),
                                   lexicon::ReadAffixes(texts.suffixes, problems[1]),
                                   lexicon::ReadTable(texts.prefixStem, problems[2]),
                                   lexicon::ReadTable(texts.prefixSuffix, problems[3]),
                                   lexicon::ReadTable(texts.stemSuffix, problems[4]));
    for (int i = 0; i < 5; ++i) {
        for (const lexicon::Problem& problem : problems[i])
            diagnostics.Error({}, Described(files[i].first, problem));
    }

    std::vector<BookLemma> lemmas;
    counts.lemmas = static_cast<int>(stems.lemmas.size());
    for (const lexicon::Lemma& lemma : stems.lemmas) {
        const Origin origin{Source::Lexicon, lemma.line};
        std::optional<lexicon::LemmaSummary> summary = lexicon::Summarize(lemma, morphology);
        if (!summary) {
            ++counts.withoutStems;
            diagnostics.Note(origin, "the lemma \"" + lemma.id + "\" has no stems: left out");
            continue;
        }
        if (lemma.id.empty()) {
            ++counts.withoutId;
            diagnostics.Note(origin, "stems of another part of speech under one lemma's ID: a lemma of their own, "
                                     "cited as its first stem \"" + summary->citation + "\"");
        } else if (!summary->idTrusted) {
            ++counts.malformedIds;
            diagnostics.Note(origin, "the lemma's ID \"" + lemma.id + "\" is malformed: cited as its first stem \"" +
                                         summary->citation + "\"");
        }
        counts.properNouns += summary->properNoun;
        counts.fusedOnly += summary->partsOfSpeech.empty();

        BookLemma book{origin, {}, {}, summary->partsOfSpeech, {}, {}, summary->glosses, {}, summary->properNoun};
        std::vector<std::string> words;
        bool ok = Convert({summary->key, summary->citation}, words, origin, diagnostics) &&
                  Convert(summary->otherStems, book.otherStems, origin, diagnostics) &&
                  Convert(summary->forms, book.forms, origin, diagnostics) &&
                  (!summary->imperfect || Convert({*summary->imperfect}, words, origin, diagnostics));
        if (!ok)
            continue;
        book.key = words[0];
        book.citation = words[1];
        if (summary->imperfect)
            book.imperfect = words[2];
        lemmas.push_back(std::move(book));
    }
    return lemmas;
}
