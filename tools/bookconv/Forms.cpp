#include "Forms.h"

#include "Letters.h"
#include "BookTexts.h"
#include "Spelling.h"

#include <algorithm>
#include <tuple>

namespace {

// The gloss without the lexicon's placeholder "<verb>" ("I <verb>" is "I"),
// its alternatives joined by "/" as the other affixes' are ("like/such as").
std::string Cleaned(std::string gloss)
{
    constexpr std::string_view kVerb = "<verb>";
    for (std::size_t at; (at = gloss.find(kVerb)) != std::string::npos;)
        gloss.erase(at, kVerb.size());
    std::replace(gloss.begin(), gloss.end(), ';', '/');
    std::size_t first = gloss.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return gloss.substr(first, gloss.find_last_not_of(' ') - first + 1);
}

constexpr char kTehMarbuta = '\xC9';
constexpr std::string_view kFeminineGloss = "[fem.sg.]";

void AddOnce(std::vector<std::string>& list, const std::string& item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

// "a / b" of the glosses that are not empty.
std::string Alternatives(const std::vector<std::string>& glosses)
{
    std::string text;
    for (const std::string& gloss : glosses) {
        if (!gloss.empty())
            text += (text.empty() ? "" : " / ") + gloss;
    }
    return text;
}

// The stem's first gloss: "want" of "want;desire;intend".
std::string FirstGloss(const std::string& gloss)
{
    return Cleaned(gloss.substr(0, gloss.find(';')));
}

// The form's analyses by the keys of their lemmas that are keys of the book,
// the more frequent key first, and for each the more frequent lemma's first;
// empty when none is.
std::vector<std::pair<std::string, std::vector<FormAnalysis>>> ByKey(std::vector<FormAnalysis> analyses,
                                                                     const BookLexicon& lexicon,
                                                                     const std::vector<long long>& lemmaWeights,
                                                                     const std::map<std::string, long long>& keyWeights)
{
    std::stable_sort(analyses.begin(), analyses.end(), [&](const FormAnalysis& a, const FormAnalysis& b) {
        return lemmaWeights[a.lemma] > lemmaWeights[b.lemma];
    });
    std::vector<std::pair<std::string, std::vector<FormAnalysis>>> byKey;
    for (const FormAnalysis& analysis : analyses) {
        const std::string& key = lexicon.Lemmas()[analysis.lemma].key;
        if (!keyWeights.count(key))
            continue;
        auto found = std::find_if(byKey.begin(), byKey.end(), [&](const auto& pair) { return pair.first == key; });
        if (found == byKey.end())
            found = byKey.insert(byKey.end(), {key, {}});
        found->second.push_back(analysis);
    }
    std::stable_sort(byKey.begin(), byKey.end(),
                     [&](const auto& a, const auto& b) { return keyWeights.at(a.first) > keyWeights.at(b.first); });
    return byKey;
}

}  // namespace

AnalysedForms AnalyseForms(const WordWeights& list, const BookLexicon& lexicon)
{
    AnalysedForms forms;
    for (const auto& [form, count] : list.Forms())
        forms.emplace(form, AnalysedForm{count, lexicon.Analyse(form)});
    return forms;
}

FoundForms FindForms(const AnalysedForms& list, const BookLexicon& lexicon, const std::vector<long long>& lemmaWeights,
                     const std::map<std::string, long long>& keyWeights, bookformat::Windows1256& encoding,
                     FormCounts& counts)
{
    FoundForms found;
    auto count = [&](const std::string& form) {
        auto listed = list.find(form);
        return listed == list.end() ? 0 : listed->second.count;
    };
    // A form goes in once, from the first source that gives it.
    auto add = [&](const std::string& form, FormSource source, const std::vector<FormAnalysis>& analyses) {
        if (keyWeights.count(form) || found.candidates.count(form))
            return;
        std::vector<std::pair<std::string, std::vector<FormAnalysis>>> byKey = ByKey(analyses, lexicon, lemmaWeights, keyWeights);
        if (byKey.empty()) {
            counts.withoutKey += source == FormSource::List && !analyses.empty();
            return;
        }
        found.candidates[form] = {count(form), source, std::move(byKey), {}, false};
        ++counts.candidates[static_cast<std::size_t>(source)];
    };
    for (const auto& [form, analysed] : list) {
        if (analysed.analyses.empty() && !keyWeights.count(form))
            ++counts.withoutAnalysis;
        add(form, FormSource::List, analysed.analyses);
    }
    const std::string plural = encoding.FromOwnText(BookTexts::kPluralOf);
    const std::string imperfect = encoding.FromOwnText(BookTexts::kImperfectOf);
    for (const BookLemma& lemma : lexicon.Lemmas()) {
        std::vector<std::pair<std::string, FormSource>> forms;
        for (const std::string& stem : lemma.otherStems)
            forms.emplace_back(bookformat::Unmarked(stem), FormSource::Plural);
        if (!lemma.imperfect.empty())
            forms.emplace_back(bookformat::Unmarked(lemma.imperfect), FormSource::Imperfect);
        for (const auto& [form, source] : forms) {
            if (keyWeights.count(form) && form != lemma.key) {
                AddOnce(found.notes[form], (source == FormSource::Plural ? plural : imperfect) + " " + lemma.citation);
                continue;
            }
            // A plural or imperfect of the list has its analyses already, and may be a candidate already.
            auto listed = list.find(form);
            if (!found.candidates.count(form))
                add(form, source, listed != list.end() ? listed->second.analyses : lexicon.Analyse(form));
        }
    }
    counts.keysNoted = static_cast<int>(found.notes.size());
    // The spellings that people type for the forms lead where the forms do.
    std::vector<std::pair<std::string, FormCandidate>> typed;
    for (const auto& [form, candidate] : found.candidates) {
        for (const spelling::TypedSpelling& spelled : spelling::TypedSpellings(form))
            typed.emplace_back(spelled.text, candidate);
    }
    for (auto& [form, candidate] : typed) {
        if (keyWeights.count(form) || found.candidates.count(form))
            continue;
        candidate.source = FormSource::Typed;
        candidate.weight = std::max(candidate.weight, count(form));
        found.candidates.emplace(form, std::move(candidate));
        ++counts.candidates[static_cast<std::size_t>(FormSource::Typed)];
    }
    return found;
}

FormWriter::FormWriter(const BookLexicon& lexicon, bookformat::Windows1256& encoding)
    : m_lexicon(lexicon),
      m_seeAlso(encoding.FromOwnText(BookTexts::kSeeAlso)),
      m_keySeparator(encoding.FromOwnText(BookTexts::kSenseSeparator))
{
}

std::string FormWriter::KeyText(const std::vector<FormAnalysis>& analyses) const
{
    // The analyses name the lemma that a reader meets most first; the
    // others are the key's entry's to tell.
    const BookLemma& lemma = m_lexicon.Lemmas()[analyses.front().lemma];
    const bool feminineLemma = !lemma.citation.empty() && lemma.citation.back() == kTehMarbuta;
    struct Group {
        std::vector<std::string> prefixes;
        std::string stem;
        std::vector<std::string> suffixes;
    };
    // The analyses that differ only in their prefix share one group, and then
    // those that differ only in their suffix: "you [masc.sg.] / it/they/she + want".
    std::vector<Group> groups;
    for (const FormAnalysis& analysis : analyses) {
        if (analysis.lemma != analyses.front().lemma)
            continue;
        std::string suffix = Cleaned(analysis.suffix);
        if (feminineLemma && suffix == kFeminineGloss)
            suffix.clear();  // the ending is the lemma's own: "madorasap" is no feminine of "madoras"
        std::string prefix = Cleaned(analysis.prefix), stem = FirstGloss(analysis.stem);
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group& g) {
            return g.stem == stem && g.suffixes == std::vector<std::string>{suffix};
        });
        if (group == groups.end())
            group = groups.insert(groups.end(), {{}, stem, {suffix}});
        AddOnce(group->prefixes, prefix);
    }
    std::vector<Group> merged;
    for (const Group& group : groups) {
        auto same = std::find_if(merged.begin(), merged.end(), [&](const Group& g) {
            return g.stem == group.stem && g.prefixes == group.prefixes;
        });
        if (same == merged.end())
            merged.push_back(group);
        else
            AddOnce(same->suffixes, group.suffixes.front());
    }
    std::string glosses;
    for (const Group& group : merged) {
        std::string text;
        for (const std::string& part : {Alternatives(group.prefixes), group.stem, Alternatives(group.suffixes)}) {
            if (!part.empty())
                text += (text.empty() ? "" : " + ") + part;
        }
        if (!text.empty())
            glosses += (glosses.empty() ? "" : "; ") + text;
    }
    return glosses.empty() ? lemma.citation : lemma.citation + " (" + glosses + ")";
}
