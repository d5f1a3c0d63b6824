#pragma once

#include "ReferenceWalk.h"

#include <string>
#include <string_view>
#include <vector>

// What the prefix listing must answer for the book the program carries, from
// the reference model of the walk, so expectations follow the book when it changes.
std::string PrefixListingOf(const std::string& query);
// The lines of a list, without their CR LF.
std::vector<std::string> ListLines(const std::string& list);

// Queries chosen from the book's own headwords, and answers read from its walk.
class BookQueries {
public:
    BookQueries();

    // The headword of the book's first entry; empty when it has none.
    std::string FirstHeadword() const;
    // A shortest prefix that the headwords of at least fewest and at most most
    // entries begin with, of the first headword in book order that has one; empty when none.
    std::string PrefixMatching(int fewest, int most) const;
    // A headword of more than one entry, which the headwords of at most most entries begin with; empty when none.
    std::string RepeatedHeadword(int most) const;
    // The headwords that begin with prefix, in book order, repeats included.
    std::vector<std::string> HeadwordsBeginningWith(std::string_view prefix) const;
    // Every distinct prefix of this many bytes of the headwords, in byte order.
    std::vector<std::string> DistinctPrefixes(std::size_t length) const;
    // The text of the first entry, in book order, whose headword is word.
    std::string FirstEntryTextOf(const std::string& word) const;

private:
    // Counts no further than limit + 1.
    int CountBeginningWith(std::string_view prefix, int limit) const;

    std::vector<reference::Entry> m_entries;  // book order, without the closing chapter line
    std::vector<std::string> m_sortedHeadwords;
};

// The book the program carries, walked once for all tests of a test program.
const BookQueries& Book();
