#include "BenchBook.h"

#include "EntryScanner.h"

#include <algorithm>
#include <cstddef>
#include <array>
#include <stdexcept>
#include <vector>

namespace {

CString ByteQuery(std::ptrdiff_t byte)
{
    char query = static_cast<char>(byte);
    return CString(&query, 1);
}

}  // namespace

BenchBook DescribeBook(std::string name, const char* text, std::size_t length)
{
    std::vector<std::string> headwords;
    std::array<int, 256> initials{};
    EntryScanner scanner(text);
    ScannedEntry entry;
    while (scanner.Next(entry)) {
        headwords.emplace_back(entry.headword, static_cast<std::size_t>(entry.headwordLength));
        if (entry.headwordLength > 0)
            ++initials[static_cast<unsigned char>(entry.headword[0])];
    }
    if (headwords.empty())
        throw std::runtime_error(name + ": the book yields no entries");

    auto common = std::max_element(initials.begin(), initials.end());
    // Upper-half bytes are Arabic letters in the book's code page; one of them begins no headword.
    auto unused = std::find(initials.begin() + 0x80, initials.end(), 0);
    if (unused == initials.end())
        throw std::runtime_error(name + ": every upper-half byte begins a headword");

    BenchBook book;
    book.name = std::move(name);
    book.text = text;
    book.length = length;
    book.commonInitial = ByteQuery(common - initials.begin());
    book.middleHeadword = headwords[headwords.size() / 2].c_str();
    book.firstHeadword = headwords.front().c_str();
    book.lastHeadword = headwords.back().c_str();
    book.missing = ByteQuery(unused - initials.begin());
    return book;
}
