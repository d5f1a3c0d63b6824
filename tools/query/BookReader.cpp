#include "BookReader.h"

#include "Letters.h"
#include "EntryScanner.h"
#include "TypedWord.h"

#include <algorithm>

namespace {

constexpr std::size_t kShortestRest = 2;  // letters left once the proclitics are off

// The proclitics that may open a word, longest first: a conjunction, a
// preposition, the article, and "لل" (li- with the article).
std::vector<std::string> Proclitics()
{
    const std::string conjunctions[] = {"", "\xE6", "\xDD"};       // و ف
    const std::string prepositions[] = {"", "\xC8", "\xDF", "\xE1"};  // ب ك ل
    const std::string article = "\xC7\xE1";                          // ال
    std::vector<std::string> chains;
    for (const std::string& conjunction : conjunctions) {
        for (const std::string& preposition : prepositions) {
            chains.push_back(conjunction + preposition);
            chains.push_back(conjunction + preposition + article);
        }
        chains.push_back(conjunction + "\xE1\xE1");  // لل
    }
    chains.erase(std::remove(chains.begin(), chains.end(), ""), chains.end());
    std::stable_sort(chains.begin(), chains.end(),
                     [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    return chains;
}

bool IsLatin(std::string_view word)
{
    return !word.empty() && static_cast<unsigned char>(word[0]) < 0x80;
}

}  // namespace

BookReader::BookReader(const char* book)
{
    EntryScanner scanner(book);
    for (ScannedEntry entry; scanner.Next(entry);)
        m_markers.emplace(std::string(entry.headword, static_cast<std::size_t>(entry.headwordLength)), entry.marker);
}

std::optional<std::string> BookReader::EntryOf(const std::string& headword) const
{
    auto found = m_markers.find(headword);
    if (found == m_markers.end())
        return std::nullopt;
    CString text = EntryScanner::EntryTextAt(found->second);
    return std::string(text, static_cast<std::size_t>(text.GetLength()));
}

BookReader::Answer BookReader::AnswerFor(std::string_view word)
{
    bookformat::Conversion bytes = m_encoding.FromUtf8(word);
    Answer answer;
    if (!bytes.ok || bytes.text.size() > kLongestWord)
        return answer;
    std::string key;
    if (IsLatin(bytes.text)) {
        key = bookformat::SmallLetters(bytes.text);
    } else {
        key = bookformat::Unmarked(bytes.text);
    }
    std::optional<std::string> entry = EntryOf(key);
    answer.found = Found::AsItStands;
    if (!entry && !IsLatin(key)) {
        static const std::vector<std::string> proclitics = Proclitics();
        answer.found = Found::WithoutProclitics;
        for (const std::string& proclitic : proclitics) {
            if (key.size() >= proclitic.size() + kShortestRest && key.compare(0, proclitic.size(), proclitic) == 0 &&
                (entry = EntryOf(key.substr(proclitic.size())))) {
                key.erase(0, proclitic.size());
                break;
            }
        }
    }
    if (!entry) {
        answer.found = Found::NotInBook;
        return answer;
    }
    answer.entries.push_back(*entry);
    for (const std::string& headword : ReferredHeadwords(*entry)) {
        std::optional<std::string> referred = headword == key ? std::nullopt : EntryOf(headword);
        if (referred)
            answer.entries.push_back(std::move(*referred));
    }
    return answer;
}
