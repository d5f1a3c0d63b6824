#include "BookFormat.h"
#include "LineSplitter.h"
#include "ReferenceWalk.h"
#include "ToolFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// Every entry line of the committed book is what a click on its headword
// shows: the exact lookup, which takes the first equal headword of the walk,
// gives that very line, so no entry is hidden behind an earlier one. The
// reference model stands for the lookup, which other tests hold to it.
TEST(CommittedBook, EveryEntryLineIsWhatTheExactLookupOfItsHeadwordGives)
{
    bookformat::FileContent book = bookformat::ReadRegularFile(KALIMOR_COMMITTED_BOOK, bookformat::kLargestBook);
    ASSERT_TRUE(book.ok) << book.error;
    const std::vector<reference::Entry> walk = reference::Walk(book.bytes.c_str());
    std::map<std::string, std::string> firstText;  // what the exact lookup of each headword gives
    for (const reference::Entry& entry : walk)
        firstText.emplace(entry.headword, entry.text);

    bookformat::LineSplitter lines(book.bytes);
    std::size_t entries = 0;
    for (bookformat::Line line; lines.Next(line);) {
        if (line.kind != bookformat::LineKind::Entry)
            continue;
        ++entries;
        std::string_view text = line.text;
        std::string headword(text.substr(2, text.find(' ', 2) - 2));
        // An entry's text runs from the space after "@" to the line's CR.
        EXPECT_EQ(firstText[headword], std::string(text.substr(1)) + "\r")
            << "the entry line at byte " << line.offset << " cannot be reached by its headword";
    }
    EXPECT_EQ(entries + 1, walk.size()) << "every entry line and the closing chapter";
}

}  // namespace
