#include "TypedWord.h"

#include "Letters.h"
#include "CString.h"
#include "DictionaryLookup.h"

#include <algorithm>

namespace {

constexpr std::string_view kReference = "\xC7\xE4\xD9\xD1: ";  // "انظر: "
constexpr std::string_view kNameSeparators = "\xA1\xBA";        // the Arabic comma and semicolon
constexpr std::string_view kAfterName = " (\xA1\xBA\r";

std::string Text(const CString& text)
{
    return std::string(text, static_cast<std::size_t>(text.GetLength()));
}

}  // namespace

std::optional<std::string> EntryTypedFor(const char* book, const std::string& word)
{
    CDictionaryLookup lookup(book);
    CString query(word.data(), static_cast<int>(word.size()));
    CString listing;
    lookup.PrefixListing(query, listing);
    if (lookup.m_bEntryShown)
        return Text(listing);
    std::string list = Text(listing);
    std::string line = word + "\r\n";
    if (list.compare(0, line.size(), line) != 0 && list.find("\n" + line) == std::string::npos)
        return std::nullopt;
    CString entry;
    lookup.ExactLookup(query, entry);
    return lookup.m_bEntryShown ? std::optional<std::string>(Text(entry)) : std::nullopt;
}

std::vector<std::string> ReferredHeadwords(std::string_view entry)
{
    std::size_t text = entry.find(' ', 1);  // after the space that opens the entry and its headword
    if (text == std::string_view::npos || entry.substr(text + 1, kReference.size()) != kReference)
        return {};
    std::string_view rest = entry.substr(text + 1 + kReference.size());
    auto skipSpaces = [&] {
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
    };
    std::vector<std::string> headwords;
    while (!rest.empty()) {
        std::size_t end = std::min(rest.find_first_of(kAfterName), rest.size());
        std::string headword = bookformat::Unmarked(rest.substr(0, end));
        if (headword.empty())
            break;
        if (std::find(headwords.begin(), headwords.end(), headword) == headwords.end())
            headwords.push_back(std::move(headword));
        rest.remove_prefix(end);
        skipSpaces();
        if (!rest.empty() && rest.front() == '(') {
            std::size_t close = rest.find(')');
            rest.remove_prefix(close == std::string_view::npos ? rest.size() : close + 1);
            skipSpaces();
        }
        if (rest.empty() || kNameSeparators.find(rest.front()) == std::string_view::npos)
            break;
        rest.remove_prefix(1);
        skipSpaces();
    }
    return headwords;
}
