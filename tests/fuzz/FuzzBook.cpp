// Arbitrary bytes as a book and a query: the first byte gives the query's
// length, the query follows, the rest is the book. The walk and both lookups
// must agree with the reference model; the target aborts when they do not.
#include "WalkComparison.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

void Require(const std::string& difference)
{
    if (!difference.empty()) {
        std::fprintf(stderr, "broken: %s\n", difference.c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::size_t queryLength = std::min<std::size_t>(data[0], size - 1);
    const char* queryBytes = reinterpret_cast<const char*>(data + 1);
    // A box's text holds no NUL.
    const std::string query(queryBytes, std::find(queryBytes, queryBytes + queryLength, '\0'));

    // Exactly the book's bytes and its NUL, so that any read beyond them is caught.
    std::size_t bookLength = size - 1 - queryLength;
    std::unique_ptr<char[]> book(new char[bookLength + 1]);
    std::memcpy(book.get(), queryBytes + queryLength, bookLength);
    book[bookLength] = '\0';

    const std::vector<reference::Entry> model = reference::Walk(book.get());
    Require(WalkDifference(book.get(), model));
    Require(LookupDifference(book.get(), model, query));
    return 0;
}
