#pragma once

#include "ReferenceWalk.h"

#include <map>
#include <string>
#include <vector>

// What the result box must show for each query on one book file, from the
// reference walk, so that a keystroke counts only once the right answer is there.
class BookAnswers {
public:
    // Throws std::runtime_error when the file cannot be read.
    explicit BookAnswers(const std::string& path);

    // The prefix listing of query: the list, or the one entry's text.
    const std::string& ListingOf(const std::string& query);
    // The first bytes of every headword, in byte order.
    std::vector<char> Initials() const;

private:
    std::string m_text;
    std::vector<reference::Entry> m_entries;
    std::map<std::string, std::string> m_listings;
};
