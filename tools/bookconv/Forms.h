#pragma once

#include "LexiconLemmas.h"
#include "SourcedText.h"
#include "Windows1256.h"
#include "WordWeights.h"

#include <array>
#include <map>
#include <string>
#include <vector>

// The word forms of real text that lead to the book's keys: the frequency
// list's forms with their analyses, and the forms that the book gives a
// headword of their own.

// A form of the frequency list, without marks, with its count and analyses.
struct AnalysedForm {
    long long count = 0;
    std::vector<FormAnalysis> analyses;
};
using AnalysedForms = std::map<std::string, AnalysedForm, std::less<>>;

AnalysedForms AnalyseForms(const WordWeights& list, const BookLexicon& lexicon);

// Where a form candidate comes from: the frequency list, a noun's broken
// plural, a verb's imperfect, or a spelling that people type for one of those.
enum class FormSource { List, Plural, Imperfect, Typed };
inline constexpr int kFormSourceCount = static_cast<int>(FormSource::Typed) + 1;

struct FormCounts {
    std::array<int, kFormSourceCount> candidates{};  // forms that are no key and lead to keys, by source
    std::array<int, kFormSourceCount> in{};          // of those, the forms that the book gives a headword
    int withoutAnalysis = 0;  // forms of the list that the analyser cannot cut
    int withoutKey = 0;       // forms whose analyses name no key of the book
    int keysNoted = 0;        // keys that are another lemma's plural or imperfect, noted at their end
};

// A form that the book may give a headword of its own: its analyses, by the
// keys they name, the key that a reader meets more often first.
struct FormCandidate {
    long long weight = 0;  // the form's count in the list
    FormSource source = FormSource::List;
    std::vector<std::pair<std::string, std::vector<FormAnalysis>>> byKey;
    std::vector<std::string> spelledFor;  // the keys that the form is also a typed spelling of ("عليه" of "علية")
    bool kept = false;                    // whether its entry stays within its one-letter list
};

struct FoundForms {
    std::map<std::string, FormCandidate> candidates;  // by the form, which is no key
    std::map<std::string, std::vector<std::string>> notes;  // by key: "جمع مَدْرَسَة" of a key that is a plural
};

// The forms of the list, the plurals and imperfects of the lexicon's lemmas
// and the spellings that people type for them that are no key, whose
// analyses name keys (keyWeights holds every key with its weight,
// lemmaWeights each lemma's); and, for a plural or imperfect that is a key,
// the note at the end of its entry.
FoundForms FindForms(const AnalysedForms& list, const BookLexicon& lexicon, const std::vector<long long>& lemmaWeights,
                     const std::map<std::string, long long>& keyWeights, bookformat::Windows1256& encoding,
                     FormCounts& counts);

// How a form's entry names what it is: "انظر: أَرادَ (you [masc.sg.] /
// it/they/she + want)", each key once, with the citation of its lemma
// that a reader meets most, and the analyses in the lexicon's glosses of
// prefix, stem and suffix, those that differ only in their prefix joined.
class FormWriter {
public:
    FormWriter(const BookLexicon& lexicon, bookformat::Windows1256& encoding);

    // Of the keys that the form names, those for which inBook holds; then
    // the keys it is a typed spelling of, as the book writes them.
    template <typename InBook>
    SourcedText Text(const FormCandidate& form, InBook inBook) const
    {
        SourcedText text;
        text.Append(" " + m_seeAlso);
        bool first = true;
        auto add = [&](const std::string& name) {
            text.Append((first ? "" : m_keySeparator) + name);
            first = false;
        };
        for (const auto& [key, analyses] : form.byKey) {
            if (inBook(key))
                add(KeyText(analyses));
        }
        for (const std::string& key : form.spelledFor) {
            if (inBook(key))
                add(key);
        }
        return text;
    }

private:
    std::string KeyText(const std::vector<FormAnalysis>& analyses) const;

    const BookLexicon& m_lexicon;
    std::string m_seeAlso;
    std::string m_keySeparator;
};
