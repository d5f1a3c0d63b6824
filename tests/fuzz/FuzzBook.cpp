// Arbitrary bytes as a book and a query: the first byte gives the query's
// length, the query follows, the rest is the book. Checks what the walk and
// both lookups must do on any book, and aborts when something does not hold.
#include "DictionaryLookup.h"
#include "EntryScanner.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

std::string_view View(const CString& text)
{
    return std::string_view(text, static_cast<std::size_t>(text.GetLength()));
}

struct Visit {
    const char* marker;
    std::string headword;
};

// Where the walk goes after from: the next "@ ", or else the next "*1" (only once it has started).
const char* NextMarker(const char* from, bool started)
{
    const char* marker = std::strstr(from, "@ ");
    return marker || !started ? marker : std::strstr(from, "*1");
}

std::vector<Visit> CheckWalk(const char* book)
{
    std::vector<Visit> visits;
    EntryScanner scanner(book);
    ScannedEntry entry;
    const char* from = book;
    while (scanner.Next(entry)) {
        Require(entry.marker == NextMarker(from, !visits.empty()), "the walk visits every marker in order");
        const char* token = entry.marker + 2;
        Require(entry.tokenEnd == std::strchr(token, ' '), "the token ends at the first space");
        std::string_view tokenText(token, static_cast<std::size_t>(entry.tokenEnd - token));
        Require(tokenText.size() <= EntryScanner::kTokenLimit, "no token over the limit");
        std::string_view expected = tokenText;
        if (!tokenText.empty() && tokenText.front() == '[')
            expected = tokenText.substr(1, std::max<std::size_t>(tokenText.size(), 2) - 2);
        Require(std::string_view(entry.headword, static_cast<std::size_t>(entry.headwordLength)) == expected &&
                    entry.headword[entry.headwordLength] == '\0',
                "the headword is the token without its brackets");
        visits.push_back({entry.marker, std::string(expected)});
        from = entry.tokenEnd;
    }
    const char* rest = NextMarker(from, !visits.empty());
    if (rest) {
        const char* space = std::strchr(rest + 2, ' ');
        Require(!space || space - (rest + 2) > EntryScanner::kTokenLimit,
                "the walk ends early only at a token over the limit");
    }
    return visits;
}

void CheckEntryText(const Visit& visit)
{
    CString text = EntryScanner::EntryTextAt(visit.marker);
    std::string_view entry = View(text);
    const char* start = visit.marker + 1;
    const char* end = start + entry.size();
    Require(std::string_view(start, entry.size()) == entry, "the entry text is the book's bytes after the marker");
    const char* lineFeed = std::strchr(visit.marker + 2, '\n');
    if (lineFeed) {
        Require(end == lineFeed, "the entry text ends at the first line feed");
    } else {
        const char* chapter = std::strstr(visit.marker + 2, "*1");
        Require(end == (chapter ? chapter : start + std::strlen(start)), "without a line feed, it ends at \"*1\"");
    }
}

void CheckPrefixListing(const char* book, const std::vector<Visit>& visits, const CString& query)
{
    std::string_view prefix = View(query);
    std::string list;
    const Visit* only = nullptr;
    int matches = 0;
    for (const Visit& visit : visits) {
        if (std::string_view(visit.headword).substr(0, prefix.size()) == prefix) {
            list += visit.headword + "\r\n";
            only = &visit;
            ++matches;
        }
    }
    CDictionaryLookup lookup(book);
    CString result;
    lookup.PrefixListing(query, result);
    if (matches == 1) {
        Require(lookup.m_bEntryShown, "a single match shows its entry");
        Require(View(result) == View(EntryScanner::EntryTextAt(only->marker)), "the listing shows the only match's entry");
    } else {
        Require(!lookup.m_bEntryShown, "a list is no entry");
        Require(View(result) == list, "the list holds every headword that the query begins, in book order");
    }
}

void CheckExactLookup(const char* book, const std::vector<Visit>& visits, const CString& word)
{
    auto found = std::find_if(visits.begin(), visits.end(),
                              [&](const Visit& visit) { return visit.headword == View(word); });
    CDictionaryLookup lookup(book);
    CString result;
    lookup.ExactLookup(word, result);
    Require(lookup.m_bEntryShown == (found != visits.end()), "the flag tells whether the word was found");
    if (found != visits.end())
        Require(View(result) == View(EntryScanner::EntryTextAt(found->marker)),
                "the entry found is the first whose headword equals the word");
    else
        Require(result.IsEmpty(), "a missing word leaves the result empty");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::size_t queryLength = std::min<std::size_t>(data[0], size - 1);
    const char* queryBytes = reinterpret_cast<const char*>(data + 1);
    // A box's text holds no NUL.
    std::size_t queryText = std::find(queryBytes, queryBytes + queryLength, '\0') - queryBytes;
    CString query(queryBytes, static_cast<int>(queryText));

    // Exactly the book's bytes and its NUL, so that any read beyond them is caught.
    std::size_t bookLength = size - 1 - queryLength;
    std::unique_ptr<char[]> book(new char[bookLength + 1]);
    std::memcpy(book.get(), queryBytes + queryLength, bookLength);
    book[bookLength] = '\0';

    std::vector<Visit> visits = CheckWalk(book.get());
    for (const Visit& visit : visits)
        CheckEntryText(visit);
    CheckPrefixListing(book.get(), visits, query);
    CheckExactLookup(book.get(), visits, query);
    return 0;
}
