#pragma once

// The walk over a book and both lookups, written as the book's rules state
// them, one step at a time with the standard byte-string searches and no
// shortcut: the model that tests hold the program's walk to. Standard C++
// only, so that native tests, the fuzz target and the Windows tests share it.
// Some texts make it quadratic; it is meant for test-sized books.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

constexpr std::size_t kTokenLimit = 250;

// One marker that the walk visits, with positions as offsets into the book.
struct Entry {
    std::size_t marker = 0;    // the "@" of "@ ", or the "*" of the fall-back "*1"
    std::size_t tokenEnd = 0;  // the space that ends the token
    std::string headword;
    std::string text;  // from the byte after the marker up to its line feed

    friend bool operator==(const Entry& a, const Entry& b)
    {
        return a.marker == b.marker && a.tokenEnd == b.tokenEnd && a.headword == b.headword && a.text == b.text;
    }
};

// From the marker's third byte: up to the first line feed; without one, up to
// the first "*1"; without that either, up to the end of the book.
inline std::string EntryText(const char* book, std::size_t marker)
{
    const char* from = book + marker + 2;
    const char* end = std::strchr(from, '\n');
    if (!end)
        end = std::strstr(from, "*1");
    if (!end)
        end = from + std::strlen(from);
    return std::string(book + marker + 1, end);
}

// Every entry of a walk over the NUL-terminated book, in order.
inline std::vector<Entry> Walk(const char* book)
{
    std::vector<Entry> entries;
    const char* marker = std::strstr(book, "@ ");
    while (marker) {
        const char* token = marker + 2;
        const char* space = std::strchr(token, ' ');
        // A token that no space ends, or one over the limit, ends the walk.
        if (!space || static_cast<std::size_t>(space - token) > kTokenLimit)
            break;
        std::string headword(token, space);
        if (!headword.empty() && headword.front() == '[')
            headword = headword.size() >= 2 ? headword.substr(1, headword.size() - 2) : std::string();
        const std::size_t at = static_cast<std::size_t>(marker - book);
        entries.push_back({at, static_cast<std::size_t>(space - book), headword, EntryText(book, at)});

        marker = std::strstr(space, "@ ");
        if (!marker)
            marker = std::strstr(space, "*1");
    }
    return entries;
}

// What a lookup leaves in a result that was given empty, and its flag.
struct Answer {
    std::string result;
    bool entryShown = false;

    friend bool operator==(const Answer& a, const Answer& b)
    {
        return a.result == b.result && a.entryShown == b.entryShown;
    }
};

// Every headword that begins with query, each followed by CR LF, or the
// entry's text when exactly one does.
inline Answer PrefixListing(const std::vector<Entry>& entries, std::string_view query)
{
    Answer answer;
    const Entry* only = nullptr;
    int matches = 0;
    for (const Entry& entry : entries) {
        if (std::string_view(entry.headword).substr(0, query.size()) == query) {
            answer.result += entry.headword + "\r\n";
            only = &entry;
            ++matches;
        }
    }
    if (matches == 1)
        answer = {only->text, true};
    return answer;
}

// The text of the first entry whose headword equals word; empty when none does.
inline Answer ExactLookup(const std::vector<Entry>& entries, std::string_view word)
{
    for (const Entry& entry : entries) {
        if (entry.headword == word)
            return {entry.text, true};
    }
    return {};
}

}  // namespace reference
