#include "BookQueries.h"

#include "BookStore.h"
#include "DictionaryLookup.h"
#include "EntryScanner.h"

#include <algorithm>

namespace {

std::string Str(const CString& text)
{
    return std::string(text, static_cast<std::size_t>(text.GetLength()));
}

bool BeginsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::string PrefixListingOf(const std::string& query)
{
    CDictionaryLookup lookup;
    CString result;
    lookup.PrefixListing(query.c_str(), result);
    return Str(result);
}

std::vector<std::string> ListLines(const std::string& list)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = list.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(list.substr(start, end - start));
    return lines;
}

BookQueries::BookQueries()
{
    EntryScanner scanner(BookStore::GetStart());
    ScannedEntry entry;
    while (scanner.Next(entry)) {
        // The walk ends on the closing chapter line, whose token begins with "*": no headword to type.
        if (entry.headword[0] == '\0' || entry.headword[0] == '*')
            continue;
        // The headword as the lookups read it: up to the buffer's NUL.
        m_entries.push_back({entry.headword, Str(EntryScanner::EntryTextAt(entry.marker))});
        m_sortedHeadwords.push_back(m_entries.back().headword);
    }
    std::sort(m_sortedHeadwords.begin(), m_sortedHeadwords.end());
}

int BookQueries::CountBeginningWith(std::string_view prefix, int limit) const
{
    int count = 0;
    for (auto it = std::lower_bound(m_sortedHeadwords.begin(), m_sortedHeadwords.end(), prefix,
                                    [](const std::string& a, std::string_view b) { return a < b; });
         it != m_sortedHeadwords.end() && BeginsWith(*it, prefix) && count <= limit; ++it)
        ++count;
    return count;
}

std::string BookQueries::PrefixMatching(int fewest, int most) const
{
    for (const Entry& entry : m_entries) {
        for (std::size_t length = 1; length <= entry.headword.size(); ++length) {
            std::string prefix = entry.headword.substr(0, length);
            int count = CountBeginningWith(prefix, most);
            if (count < fewest)
                break;
            if (count <= most)
                return prefix;
        }
    }
    return {};
}

std::string BookQueries::RepeatedHeadword(int most) const
{
    for (auto it = m_sortedHeadwords.begin(); it + 1 < m_sortedHeadwords.end(); ++it) {
        if (*it == *(it + 1) && CountBeginningWith(*it, most) <= most)
            return *it;
    }
    return {};
}

std::vector<std::string> BookQueries::HeadwordsBeginningWith(std::string_view prefix) const
{
    std::vector<std::string> headwords;
    for (const Entry& entry : m_entries) {
        if (BeginsWith(entry.headword, prefix))
            headwords.push_back(entry.headword);
    }
    return headwords;
}

std::vector<std::string> BookQueries::DistinctPrefixes(std::size_t length) const
{
    std::vector<std::string> prefixes;
    for (const std::string& headword : m_sortedHeadwords) {
        if (headword.size() >= length && (prefixes.empty() || !BeginsWith(headword, prefixes.back())))
            prefixes.push_back(headword.substr(0, length));
    }
    return prefixes;
}

std::string BookQueries::FirstEntryTextOf(const std::string& word) const
{
    for (const Entry& entry : m_entries) {
        if (entry.headword == word)
            return entry.text;
    }
    return {};
}

std::string BookQueries::FirstHeadword() const
{
    return m_entries.empty() ? std::string() : m_entries.front().headword;
}
