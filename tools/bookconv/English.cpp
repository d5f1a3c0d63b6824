#include "English.h"

#include "Letters.h"
#include "Alphabet.h"
#include "BookFormat.h"
#include "BookTexts.h"
#include "Inflection.h"
#include "Latin.h"
#include "Spelling.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>

namespace {

// What a headword gives the reader, in the order in which it stays within a tier.
enum class Content { Arabic, Translations, Reference };

struct Word {
    std::vector<Block> own;                            // the articles whose headword is the word
    const std::vector<std::string>* keys = nullptr;   // the glossary's Arabic keys that it glosses
    const std::vector<NamedLemma>* lemmas = nullptr;  // the lexicon's lemmas that it glosses
    std::optional<std::string> base;  // of a word-list form without an entry: the headword it leads to
    int tier = ranking::EnglishTiers::kNone;
    std::vector<std::string> filed;   // the inflected forms filed under it

    Content What() const
    {
        return keys || lemmas ? Content::Arabic : own.empty() ? Content::Reference : Content::Translations;
    }
};

// A gloss that can stand as a headword: one word of small Latin letters and digits, "-", "'" or ".".
bool IsWordGloss(std::string_view gloss)
{
    auto wordByte = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '\'' || c == '.'; };
    return !gloss.empty() && gloss.size() <= bookformat::kTokenLimit && latin::ChapterOf(gloss.substr(0, 1)) &&
           std::all_of(gloss.begin(), gloss.end(), wordByte);
}

class EnglishBuilder {
public:
    EnglishBuilder(bookformat::Windows1256& encoding, EnglishCounts& counts)
        : m_counts(counts),
          m_senseSeparator(encoding.FromOwnText(BookTexts::kSenseSeparator)),
          m_nameSeparator(encoding.FromOwnText(BookTexts::kNameSeparator)),
          m_seeAlso(encoding.FromOwnText(BookTexts::kSeeAlso))
    {
    }

    void Add(std::vector<Block> blocks, const KeysByGloss& keysByGloss, const LemmasByGloss& lemmasByGloss,
             const ranking::EnglishTiers& tiers)
    {
        for (Block& block : blocks) {
            if (block.items.empty())
                continue;
            if (block.phrase)
                m_phrases[block.key].push_back(std::move(block));
            else
                m_words[block.key].own.push_back(std::move(block));
        }
        for (const auto& [gloss, keys] : keysByGloss) {
            if (Word* word = WordFor(gloss))
                word->keys = &keys;
        }
        for (const auto& [gloss, lemmas] : lemmasByGloss) {
            // A name is no meaning of the word spelled like it: "Said" (سعيد) of "said".
            std::vector<NamedLemma>& named = m_lemmas[gloss];
            bool word = tiers.HasSmallForm(gloss);
            std::copy_if(lemmas.begin(), lemmas.end(), std::back_inserter(named),
                         [word](const NamedLemma& lemma) { return !(word && lemma.properName); });
            if (named.empty())
                continue;
            if (Word* entry = WordFor(gloss))
                entry->lemmas = &named;
        }
        // The common and usual forms that people type and no source gives lead
        // to their base; a base of two letters only where it is a common word ("goes", "go").
        for (const std::string& form : tiers.WordsUpTo(1)) {
            if (m_words.count(form) || !IsWordGloss(form))
                continue;
            for (const std::string& base : BaseCandidates(form, 2)) {
                bool word = base.size() > 2 || (tiers.TierOf(base) == ranking::EnglishTiers::kCommon &&
                                                tiers.HasSmallForm(base));
                if (word && m_words.count(base) && !m_words[base].base) {
                    m_words[form].base = base;
                    break;
                }
            }
        }
        for (auto& [text, word] : m_words)
            word.tier = tiers.TierOf(text);
    }

    // Within each one-letter list, the words in the order of the budget while it holds.
    void Choose(const ranking::ListBudget& budget)
    {
        std::vector<const std::string*> order;
        for (const auto& [text, word] : m_words)
            order.push_back(&text);
        std::stable_sort(order.begin(), order.end(),
                         [&](const std::string* a, const std::string* b) { return Rank(*a) < Rank(*b); });
        ranking::OneLetterBudget lists(budget);
        std::vector<const std::string*> beforeTheirBase;  // forms that lead to a base not yet taken
        for (const std::string* text : order) {
            const Word& word = m_words[*text];
            if (word.base && !m_kept.count(*word.base))
                beforeTheirBase.push_back(text);
            else if (lists.Take(*text))
                m_kept.insert(*text);
        }
        // A common form of a rarer base ("waxes" of "wax") leads to it where its list has room left.
        for (const std::string* text : beforeTheirBase) {
            if (m_kept.count(*m_words[*text].base) && lists.Take(*text))
                m_kept.insert(*text);
        }
        for (auto& [text, word] : m_words) {
            if (m_kept.count(text))
                continue;
            std::optional<std::string> base = word.base ? std::nullopt : KeptBase(text);
            if (base) {
                m_words[*base].filed.push_back(text);
                ++m_counts.inflectedFiled;
            } else {
                ++m_counts.leftOut[text.front()][static_cast<std::size_t>(word.tier)];
            }
        }
    }

    std::vector<Entry> Entries()
    {
        std::map<std::string, std::vector<const Block*>> phrasesOf;  // by the entry they go into
        for (const auto& [first, phrases] : m_phrases) {
            auto word = m_words.find(first);
            std::optional<std::string> entry = m_kept.count(first) ? first : KeptBase(first);
            if (word == m_words.end() || word->second.base || !entry) {
                m_counts.phrasesWithoutWord += static_cast<int>(phrases.size());
                continue;
            }
            for (const Block& phrase : phrases)
                phrasesOf[*entry].push_back(&phrase);
        }

        std::vector<Entry> entries;
        for (const std::string& text : m_kept) {
            const Word& word = m_words[text];
            CountSources(word);
            Entry entry{Alphabet::kLetterCount + *latin::ChapterOf(text), latin::CollationKey(text), text, {}};
            entry.line.Append(std::string(bookformat::kEntryMarker) + text);
            if (word.base)
                entry.line.Append(" " + m_seeAlso + *word.base);
            else
                entry.line.Append(EntryText(word, phrasesOf[text]));
            entries.push_back(std::move(entry));
        }
        return entries;
    }

private:
    // The word for a gloss of the sources: a headword of the English-Arabic
    // source, or a new one when the gloss can stand as a headword; nullptr otherwise.
    Word* WordFor(const std::string& gloss)
    {
        auto word = m_words.find(gloss);
        if (word == m_words.end() && IsWordGloss(gloss))
            word = m_words.emplace(gloss, Word()).first;
        return word == m_words.end() ? nullptr : &word->second;
    }

    std::tuple<int, Content, std::size_t, const std::string&> Rank(const std::string& text)
    {
        const Word& word = m_words[text];
        return {word.tier, word.What(), text.size(), text};
    }

    // The nearest kept headword with an entry of its own that the word is an
    // inflected form of, through forms that are not kept.
    std::optional<std::string> KeptBase(const std::string& text)
    {
        for (const std::string& base : BaseCandidates(text)) {
            auto word = m_words.find(base);
            if (word == m_words.end() || word->second.base)
                continue;
            if (m_kept.count(base))
                return base;
            if (std::optional<std::string> further = KeptBase(base))
                return further;
        }
        return std::nullopt;
    }

    void CountSources(const Word& word)
    {
        if (word.base)
            ++m_counts.inflectedReferences;
        else if (word.own.empty())
            ++m_counts.glossesOnly;
        else
            ++(word.keys || word.lemmas ? m_counts.both : m_counts.sourceOnly);
    }

    struct Seen {
        std::set<std::string> lemmas;
        std::set<std::string> lemmaKeys;
        std::set<std::string> translations;
        std::set<std::string> unmarked;  // the lemmas' keys and the translations without marks and article
        std::set<std::string> keys;
    };

    // The lemmas that the word glosses, its translations, then the keys it
    // glosses, each once in the entry; opened by the form when it is not the
    // entry's own word.
    SourcedText WordBlock(const std::string* form, const Word& word, Seen& seen)
    {
        SourcedText text;
        auto add = [&](const std::string& separator, std::string_view item, Origin origin) {
            text.Append(text.Text().empty() ? "" : separator, origin);
            text.Append(item, origin);
        };
        for (const NamedLemma& lemma : word.lemmas ? *word.lemmas : std::vector<NamedLemma>()) {
            if (!seen.lemmas.insert(lemma.name).second)
                continue;
            seen.lemmaKeys.insert(lemma.key);
            seen.unmarked.insert(lemma.key);
            add(m_senseSeparator, lemma.name, {});
            ++m_counts.lemmasNamed;
        }
        for (const Block& block : word.own) {
            for (const SourcedText& translation : block.items) {
                std::string unmarked = bookformat::Unmarked(translation.Text());
                std::string bare = spelling::WithoutArticle(unmarked);
                if (!seen.translations.insert(translation.Text()).second) {
                    ++m_counts.duplicateTranslations;
                    continue;
                }
                if (seen.lemmaKeys.count(unmarked) || seen.lemmaKeys.count(bare)) {
                    ++m_counts.translationsOfLemmas;
                    continue;
                }
                if (!bare.empty())
                    seen.unmarked.insert(std::move(bare));
                seen.unmarked.insert(std::move(unmarked));
                text.Append(text.Text().empty() ? "" : m_senseSeparator, block.origin);
                text.Append(translation);
            }
        }
        bool anyKey = false;
        for (const std::string& key : word.keys ? *word.keys : std::vector<std::string>()) {
            if (seen.unmarked.count(key)) {
                ++m_counts.keysAlreadyTranslated;
                continue;
            }
            if (!seen.keys.insert(key).second)
                continue;
            add(anyKey ? m_nameSeparator : m_senseSeparator, key, {});
            anyKey = true;
        }
        if (form == nullptr || text.Text().empty())
            return text;
        SourcedText opened;
        opened.Append(*form + ": ", word.own.empty() ? Origin{} : word.own.front().origin);
        opened.Append(text);
        return opened;
    }

    SourcedText PhraseBlock(const Block& phrase)
    {
        SourcedText text;
        text.Append(phrase.form + ": ", phrase.origin);
        std::set<std::string> seen;
        bool any = false;
        for (const SourcedText& translation : phrase.items) {
            if (!seen.insert(translation.Text()).second) {
                ++m_counts.duplicateTranslations;
                continue;
            }
            text.Append(any ? m_senseSeparator : "", phrase.origin);
            text.Append(translation);
            any = true;
        }
        ++m_counts.phrasesIn;
        return text;
    }

    SourcedText EntryText(const Word& word, const std::vector<const Block*>& phrases)
    {
        SourcedText text;
        auto append = [&](const SourcedText& block) {
            if (block.Text().empty())
                return;
            text.Append(text.Text().empty() ? " " : BookTexts::kBlockSeparator);
            text.Append(block);
        };
        Seen seen;
        append(WordBlock(nullptr, word, seen));
        for (const std::string& form : word.filed)
            append(WordBlock(&form, m_words[form], seen));
        for (const Block* phrase : phrases)
            append(PhraseBlock(*phrase));
        return text;
    }

    EnglishCounts& m_counts;
    std::string m_senseSeparator;
    std::string m_nameSeparator;
    std::string m_seeAlso;
    std::map<std::string, Word> m_words;
    std::map<std::string, std::vector<Block>> m_phrases;  // by their first word
    std::map<std::string, std::vector<NamedLemma>> m_lemmas;  // that each gloss names, names left out where it is a word
    std::set<std::string> m_kept;
};

}  // namespace

std::vector<Entry> EnglishEntries(std::vector<Block> blocks, const KeysByGloss& keysByGloss,
                                  const LemmasByGloss& lemmasByGloss, const ranking::EnglishTiers& tiers,
                                  bookformat::Windows1256& encoding, const ranking::ListBudget& budget,
                                  EnglishCounts& counts)
{
    EnglishBuilder builder(encoding, counts);
    builder.Add(std::move(blocks), keysByGloss, lemmasByGloss, tiers);
    builder.Choose(budget);
    return builder.Entries();
}
