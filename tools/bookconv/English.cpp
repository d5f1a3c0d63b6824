#include "English.h"

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

struct Word {
    std::vector<Block> own;  // the articles whose headword is the word
    const std::vector<std::string>* keys = nullptr;  // the Arabic keys that it glosses
    Commonness commonness = Commonness::Neither;
    bool inflected = false;  // an inflected form of another headword
    std::vector<std::string> filed;  // the inflected forms filed under it
};

std::set<std::string> ReadWordList(std::string_view text)
{
    std::set<std::string> words;
    for (std::size_t end; !text.empty(); text.remove_prefix(std::min(end + 1, text.size()))) {
        end = text.find('\n');
        std::string_view word = text.substr(0, end);
        // Possessives ("house's") are no headwords.
        if (!word.empty() && word.find('\'') == std::string_view::npos)
            words.insert(latin::SmallLetters(word));
    }
    return words;
}

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
          m_nameSeparator(encoding.FromOwnText(BookTexts::kNameSeparator))
    {
    }

    void Add(std::vector<Block> blocks, const KeysByGloss& keysByGloss, const std::set<std::string>& wordList)
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
            auto word = m_words.find(gloss);
            if (word == m_words.end() && IsWordGloss(gloss))
                word = m_words.emplace(gloss, Word()).first;
            if (word != m_words.end())
                word->second.keys = &keys;
        }
        for (auto& [text, word] : m_words) {
            int missing = !wordList.count(text) + !word.keys;
            word.commonness = static_cast<Commonness>(missing);
            std::vector<std::string> bases = BaseCandidates(text);
            word.inflected = std::any_of(bases.begin(), bases.end(), [&](const std::string& base) { return m_words.count(base) > 0; });
        }
    }

    // Within each one-letter list, the words in the order of the budget while it holds.
    void Choose(const ListBudget& budget)
    {
        std::map<char, std::vector<const std::string*>> lists;
        for (const auto& [text, word] : m_words)
            lists[text.front()].push_back(&text);
        for (auto& [initial, list] : lists) {
            std::sort(list.begin(), list.end(), [&](const std::string* a, const std::string* b) {
                return Rank(*a) < Rank(*b);
            });
            std::size_t bytes = 0;
            for (std::size_t i = 0; i < list.size() && i < budget.headwords; ++i) {
                bytes += list[i]->size() + bookformat::kLineEnd.size();
                if (bytes > budget.bytes)
                    break;
                m_kept.insert(*list[i]);
            }
        }
        for (auto& [text, word] : m_words) {
            if (m_kept.count(text))
                continue;
            if (std::optional<std::string> base = KeptBase(text)) {
                m_words[*base].filed.push_back(text);
                ++m_counts.inflectedFiled;
            } else {
                ++m_counts.leftOut[static_cast<std::size_t>(word.commonness)];
            }
        }
    }

    std::vector<Entry> Entries()
    {
        std::map<std::string, std::vector<const Block*>> phrasesOf;  // by the entry they go into
        for (const auto& [first, phrases] : m_phrases) {
            std::optional<std::string> entry = m_kept.count(first) ? first : KeptBase(first);
            if (!m_words.count(first) || !entry) {
                m_counts.phrasesWithoutWord += static_cast<int>(phrases.size());
                continue;
            }
            for (const Block& phrase : phrases)
                phrasesOf[*entry].push_back(&phrase);
        }

        std::vector<Entry> entries;
        for (const std::string& text : m_kept) {
            const Word& word = m_words[text];
            (word.own.empty() ? m_counts.glossesOnly : word.keys ? m_counts.both : m_counts.sourceOnly)++;
            Entry entry{Alphabet::kLetterCount + *latin::ChapterOf(text), latin::CollationKey(text), text, {}};
            entry.line.Append(std::string(bookformat::kEntryMarker) + text);
            entry.line.Append(EntryText(word, phrasesOf[text]));
            entries.push_back(std::move(entry));
        }
        return entries;
    }

private:
    // A word that people type often is worth its line even as an inflected form.
    std::tuple<bool, Commonness, bool, std::size_t, const std::string&> Rank(const std::string& text)
    {
        const Word& word = m_words[text];
        bool filable = word.inflected && word.commonness != Commonness::Both;
        return {filable, word.commonness, word.inflected, text.size(), text};
    }

    // The nearest kept headword that the word is an inflected form of, through forms that are not kept.
    std::optional<std::string> KeptBase(const std::string& text)
    {
        for (const std::string& base : BaseCandidates(text)) {
            if (m_kept.count(base))
                return base;
            if (m_words.count(base)) {
                if (std::optional<std::string> further = KeptBase(base))
                    return further;
            }
        }
        return std::nullopt;
    }

    struct Seen {
        std::set<std::string> translations;
        std::set<std::string> unmarked;  // the translations without marks, and without the article: what a key may repeat
        std::set<std::string> keys;
    };

    // The word's translations, then the keys it glosses, each once in the
    // entry; opened by the form when it is not the entry's own word.
    SourcedText WordBlock(const std::string* form, const Word& word, Seen& seen)
    {
        SourcedText text;
        for (const Block& block : word.own) {
            for (const SourcedText& translation : block.items) {
                if (!seen.translations.insert(translation.Text()).second) {
                    ++m_counts.duplicateTranslations;
                    continue;
                }
                std::string unmarked = spelling::Unmarked(translation.Text());
                seen.unmarked.insert(spelling::WithoutArticle(unmarked));
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
            text.Append(anyKey ? m_nameSeparator : text.Text().empty() ? "" : m_senseSeparator);
            text.Append(key);
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
    std::map<std::string, Word> m_words;
    std::map<std::string, std::vector<Block>> m_phrases;  // by their first word
    std::set<std::string> m_kept;
};

}  // namespace

std::vector<Entry> EnglishEntries(std::vector<Block> blocks, const KeysByGloss& keysByGloss, std::string_view wordList,
                                  bookformat::Windows1256& encoding, const ListBudget& budget, EnglishCounts& counts)
{
    EnglishBuilder builder(encoding, counts);
    builder.Add(std::move(blocks), keysByGloss, ReadWordList(wordList));
    builder.Choose(budget);
    return builder.Entries();
}
