#include "BookQueries.h"

#include "BookStore.h"

#include <algorithm>

namespace {

// The book's walk, made once.
const std::vector<reference::Entry>& BookWalk()
{
    static const std::vector<reference::Entry> entries = reference::Walk(BookStore::GetStart());
    return entries;
}

bool BeginsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::string PrefixListingOf(const std::string& query)
{
    return reference::PrefixListing(BookWalk(), query).result;
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
    for (const reference::Entry& entry : BookWalk()) {
        // The walk ends on the closing chapter line, whose token begins with "*": no headword to type.
        if (entry.headword.empty() || entry.headword[0] == '*')
            continue;
        m_entries.push_back(entry);
        m_sortedHeadwords.push_back(entry.headword);
    }
    std::sort(m_sortedHeadwords.begin(), m_sortedHeadwords.end());
}

const BookQueries& Book()
{
    static const BookQueries book;
    return book;
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
    for (const reference::Entry& entry : m_entries) {
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
    for (const reference::Entry& entry : m_entries) {
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
    return reference::ExactLookup(m_entries, word).result;
}

std::string BookQueries::FirstHeadword() const
{
    return m_entries.empty() ? std::string() : m_entries.front().headword;
}
