#include "LexiconLemmas.h"

#include "Buckwalter.h"
#include "LemmaSummary.h"

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

BookLexicon::BookLexicon(const LexiconTexts& texts, Diagnostics& diagnostics, LexiconCounts& counts)
    : m_stems(lexicon::ReadStems(texts.stems)),
      m_morphology(lexicon::ReadAffixes(texts.prefixes, m_affixProblems[0]),
                   lexicon::ReadAffixes(texts.suffixes, m_affixProblems[1]),
                   lexicon::ReadTable(texts.prefixStem, m_affixProblems[2]),
                   lexicon::ReadTable(texts.prefixSuffix, m_affixProblems[3]),
                   lexicon::ReadTable(texts.stemSuffix, m_affixProblems[4])),
      m_analyser(m_stems.lemmas, m_morphology),
      m_bookLemmaOf(m_stems.lemmas.size())
{
    for (const lexicon::Problem& problem : m_stems.problems)
        diagnostics.Error({Source::Lexicon, problem.line}, problem.what);
    const char* const files[] = {"prefixes", "suffixes", "prefix-stem table", "prefix-suffix table",
                                 "stem-suffix table"};
    for (int i = 0; i < 5; ++i) {
        for (const lexicon::Problem& problem : m_affixProblems[i])
            diagnostics.Error({}, Described(files[i], problem));
    }
    counts.lemmas = static_cast<int>(m_stems.lemmas.size());
    for (std::size_t index = 0; index < m_stems.lemmas.size(); ++index) {
        const lexicon::Lemma& lemma = m_stems.lemmas[index];
        const Origin origin{Source::Lexicon, lemma.line};
        std::optional<lexicon::LemmaSummary> summary = lexicon::Summarize(lemma, m_morphology);
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

        BookLemma book{origin, {}, {}, summary->partsOfSpeech, {}, {}, summary->glosses, summary->properNoun};
        std::vector<std::string> words;
        bool ok = Convert({summary->key, summary->citation}, words, origin, diagnostics) &&
                  Convert(summary->otherStems, book.otherStems, origin, diagnostics) &&
                  (!summary->imperfect || Convert({*summary->imperfect}, words, origin, diagnostics));
        if (!ok)
            continue;
        book.key = words[0];
        book.citation = words[1];
        if (summary->imperfect)
            book.imperfect = words[2];
        m_bookLemmaOf[index] = m_lemmas.size();
        m_lemmas.push_back(std::move(book));
    }
}

std::vector<FormAnalysis> BookLexicon::Analyse(std::string_view form) const
{
    std::optional<std::string> transliterated = lexicon::FromWindows1256(form);
    if (!transliterated)
        return {};
    std::vector<FormAnalysis> analyses;
    for (const analyser::Analysis& analysis : m_analyser.Analyse(*transliterated)) {
        if (std::optional<std::size_t> lemma = m_bookLemmaOf[analysis.lemma])
            analyses.push_back({*lemma, analysis.prefix->gloss, analysis.stem->gloss, analysis.suffix->gloss});
    }
    return analyses;
}
