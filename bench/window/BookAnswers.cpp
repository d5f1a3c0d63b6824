#include "BookAnswers.h"

#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

BookAnswers::BookAnswers(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read the book " + path);
    m_text.assign(std::istreambuf_iterator<char>(file), {});
    m_entries = reference::Walk(m_text.c_str());
}

const std::string& BookAnswers::ListingOf(const std::string& query)
{
    auto known = m_listings.find(query);
    if (known == m_listings.end())
        known = m_listings.emplace(query, reference::PrefixListing(m_entries, query).result).first;
    return known->second;
}

std::vector<char> BookAnswers::Initials() const
{
    std::set<unsigned char> initials;
    for (const reference::Entry& entry : m_entries) {
        // The closing chapter line's headword begins with "*": no letter to type.
        if (!entry.headword.empty() && entry.headword[0] != '*')
            initials.insert(static_cast<unsigned char>(entry.headword[0]));
    }
    return std::vector<char>(initials.begin(), initials.end());
}
