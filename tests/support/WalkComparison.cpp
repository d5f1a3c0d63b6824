#include "WalkComparison.h"

#include "DictionaryLookup.h"
#include "EntryScanner.h"

#include <cstdio>
#include <stdexcept>

namespace {

std::string Str(const CString& text)
{
    return std::string(text, static_cast<std::size_t>(text.GetLength()));
}

// Bytes as a readable C string literal, shortened when long.
std::string Quoted(std::string_view bytes)
{
    constexpr std::size_t kShown = 80;
    std::string quoted = "\"";
    for (unsigned char byte : bytes.substr(0, kShown)) {
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            quoted += static_cast<char>(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        }
    }
    quoted += bytes.size() > kShown ? "\"... (" + std::to_string(bytes.size()) + " bytes)" : "\"";
    return quoted;
}

std::string Describe(const reference::Entry& entry)
{
    return "marker " + std::to_string(entry.marker) + ", token end " + std::to_string(entry.tokenEnd) + ", headword " +
           Quoted(entry.headword) + ", text " + Quoted(entry.text);
}

std::string Describe(const reference::Answer& answer)
{
    return Quoted(answer.result) + (answer.entryShown ? " as an entry" : " as a list");
}

}  // namespace

std::vector<reference::Entry> RecordWalk(const char* book)
{
    std::vector<reference::Entry> entries;
    EntryScanner scanner(book);
    for (ScannedEntry entry; scanner.Next(entry);) {
        if (entry.headword[entry.headwordLength] != '\0')
            throw std::logic_error("a headword's length disagrees with its NUL");
        entries.push_back({static_cast<std::size_t>(entry.marker - book), static_cast<std::size_t>(entry.tokenEnd - book),
                           std::string(entry.headword, static_cast<std::size_t>(entry.headwordLength)),
                           Str(EntryScanner::EntryTextAt(entry.marker))});
    }
    return entries;
}

std::string WalkDifference(const char* book, const std::vector<reference::Entry>& model)
{
    const std::vector<reference::Entry> walked = RecordWalk(book);
    for (std::size_t i = 0; i < walked.size() && i < model.size(); ++i) {
        if (!(walked[i] == model[i]))
            return "entry " + std::to_string(i) + ": " + Describe(walked[i]) + "; the model has " + Describe(model[i]);
    }
    if (walked.size() != model.size())
        return "the walk yields " + std::to_string(walked.size()) + " entries, the model " + std::to_string(model.size());
    return {};
}

std::string LookupDifference(const char* book, const std::vector<reference::Entry>& model, std::string_view query)
{
    const CString word(query.data(), static_cast<int>(query.size()));
    for (bool exact : {false, true}) {
        const reference::Answer expected =
            exact ? reference::ExactLookup(model, query) : reference::PrefixListing(model, query);
        CDictionaryLookup lookup(book);
        // Every call sets the flag: start from the value it must not keep.
        lookup.m_bEntryShown = !expected.entryShown;
        CString result;
        if (exact)
            lookup.ExactLookup(word, result);
        else
            lookup.PrefixListing(word, result);
        const reference::Answer answer{Str(result), lookup.m_bEntryShown};
        if (!(answer == expected))
            return std::string(exact ? "exact lookup" : "prefix listing") + " of " + Quoted(query) + ": " +
                   Describe(answer) + "; the model gives " + Describe(expected);
    }
    return {};
}
