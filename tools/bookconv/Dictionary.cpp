#include "Dictionary.h"

#include "Letters.h"
#include "BookFormat.h"
#include "Forms.h"
#include "BookTexts.h"
#include "LemmaBlocks.h"
#include "SpelledOut.h"
#include "Spelling.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace {

constexpr std::string_view kBlockSeparator = BookTexts::kBlockSeparator;
constexpr std::string_view kGlossSeparator = BookTexts::kGlossSeparator;
// A glossary word whose every gloss only spells it is left out where the
// spelling has three consonant sounds; a gloss that only spells the word is
// left out beside another gloss even when it is short ("Bett" for بيت, "Abe"
// for أب), as the word keeps a gloss should it be a chance match.
constexpr std::size_t kFewestSoundsAlone = 3;
constexpr std::size_t kFewestSoundsBesideAnother = 1;

// What one key of the book holds and how it ranks.
struct Key {
    std::vector<const BookLemma*> lemmas;  // the more frequent first
    std::vector<Block> blocks;             // thesaurus senses, glossary words, then phrases
    int sources = 0;                       // kFromLexicon and the others
    long long weight = 0;
    int tier = ranking::EnglishTiers::kNone;
    bool kept = false;
};

// A spelling that leads to keys: one that people type for them, or a
// glossary key that misspells a lemma.
struct Spelled {
    std::vector<std::string> keys;
    std::optional<spelling::Typed> typed;  // the first kind in the order of the enumeration that gives it
    bool misspelling = false;
    bool kept = false;  // of a spelling that is no key: whether its entry stays
};

class EntryMerger {
public:
    EntryMerger(const BookLexicon& lexicon, const ArabicRanking& ranking, bookformat::Windows1256& encoding,
                const Alphabet& alphabet, MergeCounts& counts, Diagnostics& diagnostics)
        : m_lexicon(lexicon),
          m_ranking(ranking),
          m_encoding(encoding),
          m_alphabet(alphabet),
          m_counts(counts),
          m_diagnostics(diagnostics),
          m_lemmaWriter(encoding),
          m_formWriter(lexicon, encoding),
          m_senseSeparator(encoding.FromOwnText(BookTexts::kSenseSeparator)),
          m_nameSeparator(encoding.FromOwnText(BookTexts::kNameSeparator)),
          m_seeAlso(encoding.FromOwnText(BookTexts::kSeeAlso))
    {
    }

    void Add(std::vector<Block> blocks)
    {
        const AnalysedForms forms = AnalyseForms(m_ranking.weights, m_lexicon);
        AddLemmas(forms);
        AddBlocks(std::move(blocks));
        Weigh(forms);
        AddSpellings();
        std::map<std::string, long long> keyWeights;
        for (const auto& [text, key] : m_keys)
            keyWeights.emplace(text, key.weight);
        m_forms = FindForms(forms, m_lexicon, m_lemmaWeights, keyWeights, m_encoding, m_counts.forms);
        // A form that is also a typed spelling of keys ("عليه" of "علية") names them after its analyses.
        for (auto it = m_spelled.begin(); it != m_spelled.end();) {
            auto form = m_forms.candidates.find(it->first);
            if (form == m_forms.candidates.end() || it->second.misspelling) {
                ++it;
                continue;
            }
            form->second.spelledFor = it->second.keys;
            it = m_spelled.erase(it);
        }
    }

    void Choose()
    {
        std::vector<ranking::Candidate> candidates;
        std::vector<std::pair<ArabicKind, bool*>> kinds;  // of each candidate, and where it is marked kept
        std::map<std::string, std::size_t> indexOfKey;
        for (auto& [text, key] : m_keys) {
            const ArabicKind kind = KindOf(text, key);
            indexOfKey[text] = candidates.size();
            candidates.push_back({text, key.weight, key.tier, static_cast<int>(kind), {}});
            kinds.emplace_back(kind, &key.kept);
        }
        for (auto& [text, spelled] : m_spelled) {
            auto asKey = indexOfKey.find(text);
            ranking::Candidate* candidate = nullptr;
            if (asKey == indexOfKey.end()) {
                candidates.push_back({text, 0, ranking::EnglishTiers::kNone, static_cast<int>(ArabicKind::Spelling), {}});
                kinds.emplace_back(ArabicKind::Spelling, &spelled.kept);
                candidate = &candidates.back();
            } else if (spelled.misspelling) {
                candidate = &candidates[asKey->second];
            } else {
                continue;
            }
            // A spelling ranks as the word it leads to that a reader meets most.
            for (const std::string& target : spelled.keys) {
                const Key& key = m_keys.at(target);
                bool first = candidate->targets.empty();
                if (first || key.weight > candidate->weight ||
                    (key.weight == candidate->weight && key.tier < candidate->glossTier)) {
                    candidate->weight = key.weight;
                    candidate->glossTier = key.tier;
                }
                candidate->targets.push_back(indexOfKey.at(target));
            }
        }
        // A form ranks by how often a reader meets it as it stands, and stays only with a word it leads to.
        for (auto& [text, form] : m_forms.candidates) {
            ranking::Candidate candidate{text, form.weight, ranking::EnglishTiers::kNone,
                                         static_cast<int>(ArabicKind::Form), {}};
            for (const auto& [key, analyses] : form.byKey) {
                candidate.glossTier = std::min(candidate.glossTier, m_keys.at(key).tier);
                candidate.targets.push_back(indexOfKey.at(key));
            }
            for (const std::string& key : form.spelledFor) {
                candidate.weight = std::max(candidate.weight, m_keys.at(key).weight);
                candidate.targets.push_back(indexOfKey.at(key));
            }
            candidates.push_back(std::move(candidate));
            kinds.emplace_back(ArabicKind::Form, &form.kept);
        }
        std::vector<bool> kept = ranking::ChooseWithinBudget(candidates, m_ranking.lists);
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            *kinds[i].second = kept[i];
            if (!kept[i])
                ++m_counts.leftOut[candidates[i].headword.front()][static_cast<std::size_t>(kinds[i].first)];
        }
    }

    std::vector<Entry> Entries()
    {
        std::vector<Entry> entries;
        for (const auto& [text, key] : m_keys) {
            if (!key.kept)
                continue;
            entries.push_back(MakeEntry(text, FirstOrigin(key), EntryText(text, key)));
            Count(text, key);
        }
        for (const auto& [text, spelled] : m_spelled) {
            if (!spelled.kept || m_keys.count(text))
                continue;
            SourcedText reference;
            reference.Append(" " + CrossReference(spelled.keys));
            entries.push_back(MakeEntry(text, {}, reference));
            ++m_counts.crossReferenceEntries[static_cast<std::size_t>(*spelled.typed)];
        }
        for (const auto& [text, form] : m_forms.candidates) {
            if (!form.kept)
                continue;
            entries.push_back(
                MakeEntry(text, {}, m_formWriter.Text(form, [&](const std::string& key) { return m_keys.at(key).kept; })));
            ++m_counts.forms.in[static_cast<std::size_t>(form.source)];
        }
        return entries;
    }

    // Only the glosses of the glossary's words: a phrase's gloss is not the
    // key's, and a misspelling's words are the lemma's.
    KeysByGloss GlossedKeys() const
    {
        KeysByGloss keys;
        for (const auto& [text, key] : m_keys) {
            if (!key.kept || IsMisspelling(text))
                continue;
            for (const Block& block : key.blocks) {
                if (block.origin.source != Source::Glossary || block.phrase)
                    continue;
                for (const SourcedText& gloss : block.items) {
                    std::vector<std::string>& named = keys[bookformat::SmallLetters(gloss.Text())];
                    if (named.empty() || named.back() != text)
                        named.push_back(text);
                }
            }
        }
        return keys;
    }

    LemmasByGloss GlossedLemmas() const
    {
        LemmasByGloss lemmas;
        for (const auto& [text, key] : m_keys) {
            if (!key.kept)
                continue;
            for (const BookLemma* lemma : key.lemmas) {
                for (const std::string& gloss : lemma->glosses) {
                    std::vector<NamedLemma>& named = lemmas[bookformat::SmallLetters(gloss)];
                    NamedLemma name{m_lemmaWriter.Name(*lemma), text, WeightOf(lemma),
                                    gloss.front() >= 'A' && gloss.front() <= 'Z'};
                    if (std::none_of(named.begin(), named.end(), [&](const NamedLemma& n) { return n.name == name.name; }))
                        named.push_back(std::move(name));
                }
            }
        }
        for (auto& [gloss, named] : lemmas) {
            std::stable_sort(named.begin(), named.end(),
                             [](const NamedLemma& a, const NamedLemma& b) { return a.weight > b.weight; });
        }
        return lemmas;
    }

private:
    // A lemma weighs what the forms of the list that are its forms count.
    void AddLemmas(const AnalysedForms& forms)
    {
        const std::vector<BookLemma>& lemmas = m_lexicon.Lemmas();
        m_lemmaWeights.assign(lemmas.size(), 0);
        for (const auto& [form, analysed] : forms) {
            std::set<std::size_t> named;
            for (const FormAnalysis& analysis : analysed.analyses)
                named.insert(analysis.lemma);
            for (std::size_t lemma : named)
                m_lemmaWeights[lemma] += analysed.count;
        }
        for (const BookLemma& lemma : lemmas) {
            if (!m_alphabet.ChapterOf(lemma.key)) {
                ++m_counts.lemmasWithoutLetter;
                continue;
            }
            Key& key = m_keys[lemma.key];
            key.lemmas.push_back(&lemma);
            key.sources |= kFromLexicon;
        }
        // The more frequent first; of those a reader meets as often, a common
        // word before a name, the one of the commoner gloss, then the lexicon's order.
        for (auto& [text, key] : m_keys) {
            std::stable_sort(key.lemmas.begin(), key.lemmas.end(), [&](const BookLemma* a, const BookLemma* b) {
                return std::make_tuple(-WeightOf(a), a->properNoun, GlossTier(a->glosses)) <
                       std::make_tuple(-WeightOf(b), b->properNoun, GlossTier(b->glosses));
            });
        }
    }

    void AddBlocks(std::vector<Block> blocks)
    {
        // A word that the thesaurus or the lexicon lists with the article keeps it.
        std::set<std::string> withArticle;
        for (const Block& block : blocks) {
            if (block.origin.source == Source::Thesaurus)
                withArticle.insert(block.key);
        }
        for (const auto& [text, key] : m_keys)
            withArticle.insert(text);
        for (Block& block : blocks) {
            if (IsSpelledOutWord(block)) {
                ++m_counts.spelledOutLeftOut;
                continue;
            }
            std::string bare = spelling::WithoutArticle(block.key);
            if (block.origin.source == Source::Glossary && !bare.empty() && !withArticle.count(block.key)) {
                block.key = std::move(bare);
                ++m_counts.articleRemoved;
            }
            if (block.items.empty())
                continue;
            Key& key = m_keys[block.key];
            if (!block.phrase)
                key.sources |= block.origin.source == Source::Thesaurus ? kFromThesaurus : kFromGlossary;
            key.blocks.push_back(std::move(block));
        }
        // A phrase goes in the entry of a word of any source; one whose first word is none is left out.
        for (auto it = m_keys.begin(); it != m_keys.end();) {
            if (it->second.sources != 0) {
                ++it;
                continue;
            }
            m_counts.phrasesWithoutWord += static_cast<int>(it->second.blocks.size());
            it = m_keys.erase(it);
        }
        // Thesaurus first, then glossary words, then phrases; of each, the block whose form is the key first.
        for (auto& [text, key] : m_keys) {
            std::stable_sort(key.blocks.begin(), key.blocks.end(), [](const Block& a, const Block& b) {
                return std::tuple(a.origin.source, a.phrase, a.form != a.key) <
                       std::tuple(b.origin.source, b.phrase, b.form != b.key);
            });
        }
    }

    // How often a reader meets a key: the counts of the list's forms whose
    // analyses name one of its lemmas, or that are the key itself, alone or
    // with the article; and how common its English gloss is.
    void Weigh(const AnalysedForms& forms)
    {
        for (const auto& [form, analysed] : forms) {
            std::set<std::string> named;
            for (const FormAnalysis& analysis : analysed.analyses)
                named.insert(m_lexicon.Lemmas()[analysis.lemma].key);
            for (const std::string& word : {form, spelling::WithoutArticle(form)})
                named.insert(word);
            for (const std::string& key : named) {
                auto found = m_keys.find(key);
                if (found != m_keys.end())
                    found->second.weight += analysed.count;
            }
        }
        for (auto& [text, key] : m_keys) {
            for (const BookLemma* lemma : key.lemmas)
                key.tier = std::min(key.tier, GlossTier(lemma->glosses));
            for (const Block& block : key.blocks) {
                if (block.origin.source != Source::Glossary || block.phrase)
                    continue;
                for (const SourcedText& gloss : block.items)
                    key.tier = std::min(key.tier, m_ranking.tiers.TierOfGloss(gloss.Text()));
            }
        }
    }

    long long WeightOf(const BookLemma* lemma) const
    {
        return m_lemmaWeights[static_cast<std::size_t>(lemma - m_lexicon.Lemmas().data())];
    }

    void AddSpellings()
    {
        // A glossary word that writes a lemma's alefs otherwise: "إمرأة" for "امرأة", "اسبوع" for "أسبوع".
        std::map<std::string, std::vector<std::string>> lemmasByAlefs;
        for (const auto& [text, key] : m_keys) {
            if (key.sources & kFromLexicon)
                lemmasByAlefs[spelling::WithBareAlefs(text)].push_back(text);
        }
        for (const auto& [text, key] : m_keys) {
            auto lemmas = lemmasByAlefs.find(spelling::WithBareAlefs(text));
            if (key.sources == kFromGlossary && lemmas != lemmasByAlefs.end())
                m_spelled[text] = {lemmas->second, std::nullopt, true, false};
        }
        // The spellings that people type for the words: not for a misspelling, which leads to its word.
        for (const auto& [text, key] : m_keys) {
            if (IsMisspelling(text))
                continue;
            for (spelling::TypedSpelling& typed : spelling::TypedSpellings(text)) {
                Spelled& spelled = m_spelled[typed.text];
                if (std::find(spelled.keys.begin(), spelled.keys.end(), text) == spelled.keys.end())
                    spelled.keys.push_back(text);
                if (!spelled.misspelling)
                    spelled.typed = std::min(spelled.typed.value_or(typed.kind), typed.kind);
            }
        }
    }

    ArabicKind KindOf(const std::string& text, const Key& key) const
    {
        if (key.sources & kFromLexicon)
            return ArabicKind::Lemma;
        if (key.sources & kFromThesaurus)
            return ArabicKind::Thesaurus;
        return IsMisspelling(text) ? ArabicKind::Misspelling : ArabicKind::Glossary;
    }

    bool IsMisspelling(const std::string& text) const
    {
        auto spelled = m_spelled.find(text);
        return spelled != m_spelled.end() && spelled->second.misspelling;
    }

    int GlossTier(const std::vector<std::string>& glosses) const
    {
        int tier = ranking::EnglishTiers::kNone;
        for (const std::string& gloss : glosses)
            tier = std::min(tier, m_ranking.tiers.TierOfGloss(gloss));
        return tier;
    }

    static Origin FirstOrigin(const Key& key)
    {
        return key.lemmas.empty() ? key.blocks.front().origin : key.lemmas.front()->origin;
    }

    // A gloss that is only the word's own spelling in Latin letters: a name,
    // not an English word that the word lists write in small letters ("Cat"
    // for قط, "Bank" for بنك). The English-Arabic dictionary was made from the
    // same word list, so it names "بيت" for "Bett" as well: it cannot tell a
    // name from a meaning.
    bool OnlySpellsOut(const std::string& key, const std::string& gloss, std::size_t fewestSounds) const
    {
        return SpellsOut(key, gloss, fewestSounds) && !m_ranking.tiers.HasSmallForm(gloss);
    }

    // A glossary word written as its key whose every gloss only spells it tells the reader nothing more.
    bool IsSpelledOutWord(const Block& block) const
    {
        return block.origin.source == Source::Glossary && !block.phrase && block.form == block.key &&
               std::all_of(block.items.begin(), block.items.end(), [&](const SourcedText& gloss) {
                   return OnlySpellsOut(block.key, gloss.Text(), kFewestSoundsAlone);
               });
    }

    std::string CrossReference(const std::vector<std::string>& keys) const
    {
        std::string text = m_seeAlso;
        bool first = true;
        for (const std::string& key : keys) {
            if (!m_keys.at(key).kept)
                continue;
            text += (first ? "" : m_nameSeparator) + key;
            first = false;
        }
        return text;
    }

    // The English glosses that the key's entry gives, in small letters: its lemmas' and its glossary words'.
    std::set<std::string> EnglishOf(const Key& key) const
    {
        std::set<std::string> glosses;
        for (const BookLemma* lemma : key.lemmas) {
            for (const std::string& gloss : lemma->glosses)
                glosses.insert(bookformat::SmallLetters(gloss));
        }
        for (const Block& block : key.blocks) {
            if (block.origin.source == Source::Glossary && !block.phrase) {
                for (const SourcedText& gloss : block.items)
                    glosses.insert(bookformat::SmallLetters(gloss.Text()));
            }
        }
        return glosses;
    }

    // What the entry has given so far, and what its glossary glosses must not repeat.
    struct Given {
        std::set<std::string> items;           // thesaurus senses as written, English glosses in small letters
        std::set<std::string> lemmaGlosses;    // in small letters
        std::set<std::string> misspelledWord;  // a misspelling's: the glosses of the lemmas it leads to
        bool otherGloss = false;               // the word has a gloss that is not only its Latin spelling
    };

    // The thesaurus block's senses that the entry does not have yet.
    SourcedText ThesaurusText(const Block& block, Given& given)
    {
        SourcedText text;
        if (block.form != block.key)
            text.Append(block.form + ": ", block.origin);
        bool any = false;
        for (const SourcedText& item : block.items) {
            if (!given.items.insert(item.Text()).second) {
                ++m_counts.duplicateItems;
                continue;
            }
            text.Append(any ? m_senseSeparator : "", block.origin);
            text.Append(item);
            any = true;
        }
        return any ? text : SourcedText();
    }

    // The glossary word's glosses that the English-Arabic dictionary confirms
    // first, then the others, each once in the entry.
    SourcedText GlossaryText(const Block& block, Given& given)
    {
        std::vector<std::pair<const SourcedText*, bool>> glosses;  // and whether it is confirmed
        for (const SourcedText& gloss : block.items)
            glosses.emplace_back(&gloss, m_ranking.translations.Confirms(gloss.Text(), block.key));
        std::stable_partition(glosses.begin(), glosses.end(), [](const auto& gloss) { return gloss.second; });

        SourcedText text;
        if (block.form != block.key)
            text.Append(block.form + ": ", block.origin);
        bool any = false;
        for (const auto& [gloss, confirmed] : glosses) {
            std::string small = bookformat::SmallLetters(gloss->Text());
            if (given.items.count(small)) {
                ++(given.lemmaGlosses.count(small) ? m_counts.lexiconGlossesRepeated : m_counts.duplicateItems);
                continue;
            }
            if (given.misspelledWord.count(small)) {
                ++m_counts.misspellingGlossesLeftOut;
                continue;
            }
            if (given.otherGloss && OnlySpellsOut(block.key, gloss->Text(), kFewestSoundsBesideAnother)) {
                ++m_counts.spelledOutGlossesLeftOut;
                m_diagnostics.Note(block.origin, "the gloss \"" + gloss->Text() + "\" only spells the word: left out");
                continue;
            }
            given.items.insert(small);
            m_counts.confirmedGlosses += confirmed;
            text.Append(any ? std::string(kGlossSeparator) : "", block.origin);
            text.Append(*gloss);
            any = true;
        }
        return any ? text : SourcedText();
    }

    // A phrase's glosses once in the phrase.
    SourcedText PhraseText(const Block& block)
    {
        SourcedText text;
        text.Append(block.form + ": ", block.origin);
        std::set<std::string> seen;
        bool any = false;
        for (const SourcedText& item : block.items) {
            if (!seen.insert(item.Text()).second) {
                ++m_counts.duplicateItems;
                continue;
            }
            text.Append(any ? std::string(kGlossSeparator) : "", block.origin);
            text.Append(item);
            any = true;
        }
        return text;
    }

    Given WhatTheEntryMustNotRepeat(const std::string& text, const Key& key) const
    {
        Given given;
        for (const BookLemma* lemma : key.lemmas) {
            for (const std::string& gloss : lemma->glosses)
                given.lemmaGlosses.insert(bookformat::SmallLetters(gloss));
        }
        given.items = given.lemmaGlosses;
        given.otherGloss = !given.lemmaGlosses.empty();
        for (const Block& block : key.blocks) {
            if (block.origin.source != Source::Glossary || block.phrase)
                continue;
            given.otherGloss |= std::any_of(block.items.begin(), block.items.end(), [&](const SourcedText& gloss) {
                return !OnlySpellsOut(block.key, gloss.Text(), kFewestSoundsBesideAnother);
            });
        }
        if (IsMisspelling(text)) {
            for (const std::string& target : m_spelled.at(text).keys) {
                std::set<std::string> glosses = EnglishOf(m_keys.at(target));
                given.misspelledWord.insert(glosses.begin(), glosses.end());
            }
        }
        return given;
    }

    SourcedText EntryText(const std::string& keyText, const Key& key)
    {
        SourcedText seeAlso;
        auto spelled = m_spelled.find(keyText);
        if (spelled != m_spelled.end()) {
            std::string reference = CrossReference(spelled->second.keys);
            if (reference.size() > m_seeAlso.size())
                seeAlso.Append(std::string(kBlockSeparator) + reference);
        }

        SourcedText text;
        auto append = [&](const SourcedText& block) {
            if (block.Text().empty())
                return;
            text.Append(text.Text().empty() ? " " : kBlockSeparator);
            text.Append(block);
        };
        Given given = WhatTheEntryMustNotRepeat(keyText, key);
        for (const BookLemma* lemma : key.lemmas)
            append(m_lemmaWriter.Block(*lemma));
        for (const Block& block : key.blocks) {
            if (!block.phrase)
                append(block.origin.source == Source::Thesaurus ? ThesaurusText(block, given) : GlossaryText(block, given));
        }
        for (const Block& block : key.blocks) {
            if (!block.phrase)
                continue;
            SourcedText phrase = PhraseText(block);
            std::size_t length = 2 + keyText.size() + text.Text().size() + kBlockSeparator.size() +
                                 phrase.Text().size() + seeAlso.Text().size();
            if (length >= kPhraseEntryLimit) {
                ++m_counts.phrasesLeftOut;
                continue;
            }
            append(phrase);
            ++m_counts.phrasesIn;
        }
        // A key that is another lemma's plural or imperfect names it at its end.
        auto notes = m_forms.notes.find(keyText);
        if (notes != m_forms.notes.end()) {
            for (const std::string& note : notes->second) {
                SourcedText noted;
                noted.Append(note);
                append(noted);
            }
        }
        if (text.Text().empty() && !seeAlso.Text().empty()) {
            // A misspelling whose every gloss its lemma gives is only a reference.
            text.Append(" ");
            text.Append(seeAlso.Text().substr(kBlockSeparator.size()));
        } else {
            text.Append(seeAlso);
        }
        return text;
    }

    Entry MakeEntry(const std::string& key, Origin origin, const SourcedText& text) const
    {
        Entry entry{*m_alphabet.ChapterOf(key), m_alphabet.CollationKey(key), key, {}};
        entry.line.Append(std::string(bookformat::kEntryMarker) + key, origin);
        entry.line.Append(text);
        return entry;
    }

    void Count(const std::string& text, const Key& key)
    {
        ++m_counts.keysBySources[static_cast<std::size_t>(key.sources)];
        m_counts.lemmasIn += static_cast<int>(key.lemmas.size());
        for (const BookLemma* lemma : key.lemmas)
            m_counts.properNounsIn += lemma->properNoun;
        m_counts.weightedKeys += key.weight > 0;
        auto spelled = m_spelled.find(text);
        if (spelled == m_spelled.end())
            return;
        if (spelled->second.misspelling)
            ++m_counts.misspellings;
        else if (CrossReference(spelled->second.keys).size() > m_seeAlso.size())
            ++m_counts.crossReferencesAppended[static_cast<std::size_t>(*spelled->second.typed)];
    }

    const BookLexicon& m_lexicon;
    const ArabicRanking& m_ranking;
    bookformat::Windows1256& m_encoding;
    const Alphabet& m_alphabet;
    MergeCounts& m_counts;
    Diagnostics& m_diagnostics;
    LemmaWriter m_lemmaWriter;
    FormWriter m_formWriter;
    std::string m_senseSeparator;
    std::string m_nameSeparator;
    std::string m_seeAlso;
    std::vector<long long> m_lemmaWeights;  // by the lexicon's index
    std::map<std::string, Key> m_keys;
    std::map<std::string, Spelled> m_spelled;
    FoundForms m_forms;
};

}  // namespace

MergedDictionary MergeArabic(std::vector<Block> blocks, const BookLexicon& lexicon, const ArabicRanking& ranking,
                             bookformat::Windows1256& encoding, const Alphabet& alphabet, MergeCounts& counts,
                             Diagnostics& diagnostics)
{
    EntryMerger merger(lexicon, ranking, encoding, alphabet, counts, diagnostics);
    merger.Add(std::move(blocks));
    merger.Choose();
    return {merger.Entries(), merger.GlossedKeys(), merger.GlossedLemmas()};
}
