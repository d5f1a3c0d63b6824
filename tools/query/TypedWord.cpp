#include "TypedWord.h"

#include "CString.h"
#include "DictionaryLookup.h"

namespace {

constexpr std::string_view kReference = "\xC7\xE4\xD9\xD1: ";  // "انظر: "
constexpr std::string_view kNameSeparator = "\xA1 ";              // "، "

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
    std::string_view names = entry.substr(text + 1 + kReference.size());
    if (!names.empty() && names.back() == '\r')
        names.remove_suffix(1);
    std::vector<std::string> headwords;
    for (std::size_t end; !names.empty(); names.remove_prefix(std::min(names.size(), end + kNameSeparator.size()))) {
        end = names.find(kNameSeparator);
        headwords.emplace_back(names.substr(0, end));
        if (end == std::string_view::npos)
            break;
    }
    return headwords;
}
