#include "OneLetterLists.h"

#include "BookFormat.h"
#include "EntryScanner.h"

std::map<char, ListSize> OneLetterLists(const std::string& book)
{
    std::map<char, ListSize> lists;
    EntryScanner scanner(book.c_str());
    for (ScannedEntry entry; scanner.Next(entry);) {
        if (entry.headwordLength == 0 || entry.headword[0] == '*')
            continue;
        ListSize& list = lists[entry.headword[0]];
        ++list.headwords;
        list.bytes += static_cast<std::size_t>(entry.headwordLength) + bookformat::kLineEnd.size();
    }
    return lists;
}

std::pair<char, ListSize> LongestList(const std::map<char, ListSize>& lists, bool ascii)
{
    std::pair<char, ListSize> longest{'\0', {}};
    for (const auto& [initial, size] : lists) {
        bool isAscii = static_cast<unsigned char>(initial) < 0x80;
        if (isAscii == ascii && size.headwords > longest.second.headwords)
            longest = {initial, size};
    }
    return longest;
}
