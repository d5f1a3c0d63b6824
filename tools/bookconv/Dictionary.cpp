#include "Dictionary.h"

#include "BookFormat.h"
#include "BookTexts.h"
#include "Latin.h"
#include "SpelledOut.h"
#include "Spelling.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace {

constexpr std::string_view kBlockSeparator = BookTexts::kBlockSeparator;
constexpr std::string_view kGlossSeparator = BookTexts::kGlossSeparator;

class EntryMerger {
public:
    EntryMerger(bookformat::Windows1256& encoding, const Alphabet& alphabet, MergeCounts& counts)
        : m_alphabet(alphabet),
          m_counts(counts),
          m_senseSeparator(encoding.FromOwnText(BookTexts::kSenseSeparator)),
          m_nameSeparator(encoding.FromOwnText(BookTexts::kNameSeparator)),
          m_seeAlso(encoding.FromOwnText(BookTexts::kSeeAlso))
    {
    }

    void Add(std::vector<Block> blocks)
    {
        std::set<std::string> thesaurusKeys;
        for (const Block& block : blocks) {
            if (block.origin.source == Source::Thesaurus)
                thesaurusKeys.insert(block.key);
        }
        for (Block& block : blocks) {
            if (IsSpelledOutWord(block)) {
                ++m_counts.spelledOutLeftOut;
                continue;
            }
            std::string bare = spelling::WithoutArticle(block.key);
            if (block.origin.source == Source::Glossary && !bare.empty() && !thesaurusKeys.count(block.key)) {
                block.key = std::move(bare);
                ++m_counts.articleRemoved;
            }
            if (!block.items.empty())
                m_byKey[block.key].push_back(std::move(block));
        }
        // A phrase goes in the entry of a word of either source; one whose first word is none is left out.
        for (auto it = m_byKey.begin(); it != m_byKey.end();) {
            const std::vector<Block>& list = it->second;
            if (std::any_of(list.begin(), list.end(), [](const Block& block) { return !block.phrase; })) {
                ++it;
                continue;
            }
            m_counts.phrasesWithoutWord += static_cast<int>(list.size());
            it = m_byKey.erase(it);
        }
        // Thesaurus first, then glossary words, then phrases; of each, the block whose form is the key first.
        for (auto& [key, list] : m_byKey) {
            std::stable_sort(list.begin(), list.end(), [](const Block& a, const Block& b) {
                return std::tuple(a.origin.source, a.phrase, a.form != a.key) <
                       std::tuple(b.origin.source, b.phrase, b.form != b.key);
            });
        }
    }

    std::vector<Entry> Entries()
    {
        struct Typed {
            std::vector<std::string> keys;
            spelling::Typed kind;  // the first kind in the order of the enumeration that gives it
        };
        std::map<std::string, Typed> typed;
        for (const auto& [key, list] : m_byKey) {
            for (spelling::TypedSpelling& spelled : spelling::TypedSpellings(key)) {
                Typed& names = typed.try_emplace(std::move(spelled.text), Typed{{}, spelled.kind}).first->second;
                names.keys.push_back(key);
                names.kind = std::min(names.kind, spelled.kind);
            }
        }

        std::vector<Entry> entries;
        for (const auto& [key, list] : m_byKey) {
            auto names = typed.find(key);
            SourcedText seeAlso;
            if (names != typed.end()) {
                seeAlso.Append(std::string(kBlockSeparator) + CrossReference(names->second.keys));
                ++m_counts.crossReferencesAppended[static_cast<std::size_t>(names->second.kind)];
            }
            entries.push_back(MakeEntry(key, list.front().origin, EntryText(list, seeAlso)));
            CountSources(list);
        }
        for (const auto& [spelled, names] : typed) {
            if (m_byKey.count(spelled))
                continue;
            SourcedText text;
            text.Append(" " + CrossReference(names.keys));
            entries.push_back(MakeEntry(spelled, {}, text));
            ++m_counts.crossReferenceEntries[static_cast<std::size_t>(names.kind)];
        }
        return entries;
    }

    // Only the glosses of words: a phrase's gloss is not the key's.
    KeysByGloss GlossedKeys() const
    {
        KeysByGloss keys;
        for (const auto& [key, list] : m_byKey) {
            for (const Block& block : list) {
                if (block.origin.source != Source::Glossary || block.phrase)
                    continue;
                for (const SourcedText& gloss : block.items) {
                    std::vector<std::string>& named = keys[latin::SmallLetters(gloss.Text())];
                    if (named.empty() || named.back() != key)
                        named.push_back(key);
                }
            }
        }
        return keys;
    }

private:
    // A glossary word written as its key whose every gloss is that word in
    // Latin letters (a name, a borrowed word) tells the reader nothing more.
    static bool IsSpelledOutWord(const Block& block)
    {
        return block.origin.source == Source::Glossary && !block.phrase && block.form == block.key &&
               std::all_of(block.items.begin(), block.items.end(),
                           [&block](const SourcedText& gloss) { return SpellsOut(block.key, gloss.Text()); });
    }

    std::string CrossReference(const std::vector<std::string>& keys) const
    {
        std::string text = m_seeAlso;
        for (std::size_t i = 0; i < keys.size(); ++i)
            text += (i == 0 ? "" : m_nameSeparator) + keys[i];
        return text;
    }

    // The block's form when it differs from the key, then its items not in seen, each added to seen.
    SourcedText BlockText(const Block& block, std::set<std::string>& seen)
    {
        const std::string& separator =
            block.origin.source == Source::Thesaurus ? m_senseSeparator : std::string(kGlossSeparator);
        SourcedText text;
        if (block.form != block.key)
            text.Append(block.form + ": ", block.origin);
        bool any = false;
        for (const SourcedText& item : block.items) {
            if (!seen.insert(item.Text()).second) {
                ++m_counts.duplicateItems;
                continue;
            }
            if (any)
                text.Append(separator, block.origin);
            text.Append(item);
            any = true;
        }
        return any ? text : SourcedText();
    }

    // Words' senses and glosses go once in the whole entry; a phrase's once in the phrase.
    SourcedText EntryText(const std::vector<Block>& list, const SourcedText& seeAlso)
    {
        SourcedText text;
        std::set<std::string> seen;
        auto append = [&](const SourcedText& block) {
            text.Append(text.Text().empty() ? " " : kBlockSeparator);
            text.Append(block);
        };
        for (const Block& block : list) {
            if (block.phrase)
                continue;
            SourcedText words = BlockText(block, seen);
            if (!words.Text().empty())
                append(words);
        }
        for (const Block& block : list) {
            if (!block.phrase)
                continue;
            std::set<std::string> phraseSeen;
            SourcedText phrase = BlockText(block, phraseSeen);
            std::size_t length = 2 + list.front().key.size() + text.Text().size() + kBlockSeparator.size() +
                                 phrase.Text().size() + seeAlso.Text().size();
            if (length >= kPhraseEntryLimit) {
                ++m_counts.phrasesLeftOut;
                continue;
            }
            append(phrase);
            ++m_counts.phrasesIn;
        }
        text.Append(seeAlso);
        return text;
    }

    Entry MakeEntry(const std::string& key, Origin origin, const SourcedText& text) const
    {
        Entry entry{*m_alphabet.ChapterOf(key), m_alphabet.CollationKey(key), key, {}};
        entry.line.Append(std::string(bookformat::kEntryMarker) + key, origin);
        entry.line.Append(text);
        return entry;
    }

    void CountSources(const std::vector<Block>& list)
    {
        bool thesaurus = list.front().origin.source == Source::Thesaurus;
        bool glossary = list.back().origin.source == Source::Glossary;
        (thesaurus && glossary ? m_counts.sharedKeys : thesaurus ? m_counts.thesaurusKeys : m_counts.glossaryKeys)++;
    }

    const Alphabet& m_alphabet;
    MergeCounts& m_counts;
    std::string m_senseSeparator;
    std::string m_nameSeparator;
    std::string m_seeAlso;
    std::map<std::string, std::vector<Block>> m_byKey;
};

}  // namespace

MergedDictionary MergeBlocks(std::vector<Block> blocks, bookformat::Windows1256& encoding, const Alphabet& alphabet,
                             MergeCounts& counts)
{
    EntryMerger merger(encoding, alphabet, counts);
    merger.Add(std::move(blocks));
    return {merger.Entries(), merger.GlossedKeys()};
}
