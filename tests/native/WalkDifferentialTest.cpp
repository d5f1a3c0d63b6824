// The program's walk and lookups against the reference model on generated
// books: the shapes the book's rules describe, the shapes that break them, and
// a long run of chapter markers after the last entry.
#include "ReferenceWalk.h"
#include "SyntheticBook.h"
#include "WalkComparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// Random books from a few bytes, so that headwords often share their first bytes.
class BookMaker {
public:
    explicit BookMaker(std::uint32_t seed) : m_random(seed) {}

    std::string Book()
    {
        std::string book;
        for (int lines = Below(40); lines > 0; --lines)
            book += Line() + LineEnd();
        if (Below(4) == 0)
            book += StarOneTail(Below(200));
        return book;
    }

private:
    int Below(int n) { return static_cast<int>(m_random() % static_cast<std::uint32_t>(n)); }

    char Pick(const std::string& bytes) { return bytes[static_cast<std::size_t>(Below(static_cast<int>(bytes.size())))]; }

    // Letters, one of them Arabic, now and then followed by a mark.
    std::string Word(int fewest, int most)
    {
        std::string word;
        for (int length = fewest + Below(most - fewest + 1); length > 0; --length) {
            word += Pick("abc\xC7");
            if (Below(5) == 0)
                word += Pick("\xF0\xF3\xF8\xFA");
        }
        return word;
    }

    std::string LineEnd()
    {
        switch (Below(16)) {
        case 0: return "";
        case 1: return "\n";
        default: return "\r\n";
        }
    }

    std::string Line()
    {
        switch (Below(16)) {
        case 0: return "*1* " + Word(1, 4);
        case 1: return "";
        case 2: return Word(1, 6) + " " + Word(1, 6);
        case 3: return "@" + Word(1, 4) + " not an entry";
        case 4: return Word(0, 3) + " @ " + Word(1, 4) + " in the middle of a line";
        case 5: return "@ " + Word(1, 5);  // no space: the token runs on over the line end
        case 6: return "@ " + Word(0, 3) + "@ " + Word(1, 3) + " an \"@\" ends the token";
        case 7: return "@ [" + Word(0, 3) + Pick(" ]") + Word(0, 2) + " unclosed or cut brackets";
        case 8: return RandomBytes(Below(30));
        case 9: return "@ " + Word(1, 13) + " " + Word(1, 4) + " form B";
        case 10:
            // Tokens of 248 to 252 bytes: one over the limit ends the walk, so only now and then.
            if (Below(4) == 0)
                return "@ " + std::string(static_cast<std::size_t>(248 + Below(5)), Pick("a[@")) + " near the limit";
            [[fallthrough]];
        default: return "@ [" + Word(1, 7) + "] " + Word(1, 3) + ": form A";
        }
    }

    std::string RandomBytes(int length)
    {
        std::string bytes;
        while (length-- > 0)
            bytes += Pick("@ *1[]\r\nab\xA0\xC7\xF3");
        return bytes;
    }

    // Chapter markers and "@" without a space, but no entry marker.
    std::string StarOneTail(int markers)
    {
        std::string tail;
        while (markers-- > 0)
            tail += Pick("*@") + std::string("1") + Word(0, 2) + (Below(3) ? " " : "") + LineEnd();
        return tail;
    }

    std::mt19937 m_random;
};

// Every headword, its first one and two bytes, and queries around them.
std::set<std::string> QueriesFor(const std::vector<reference::Entry>& entries)
{
    std::set<std::string> queries = {"", "*", "*1", "@", " ", "[", "a a", std::string(255, 'a')};
    for (const reference::Entry& entry : entries) {
        queries.insert(entry.headword);
        queries.insert(entry.headword.substr(0, 1));
        queries.insert(entry.headword.substr(0, 2));
        queries.insert(entry.headword + "a");
        queries.insert("[" + entry.headword + "]");
    }
    return queries;
}

void ExpectAgreement(const std::string& book, std::size_t queriesEvery = 1)
{
    const std::vector<reference::Entry> entries = reference::Walk(book.c_str());
    ASSERT_EQ(WalkDifference(book.c_str(), entries), "");
    std::size_t index = 0;
    for (const std::string& query : QueriesFor(entries)) {
        if (index++ % queriesEvery == 0) {
            ASSERT_EQ(LookupDifference(book.c_str(), entries, query), "");
        }
    }
}

TEST(WalkDifferentialTest, GeneratedBooks)
{
    for (std::uint32_t seed = 1; seed <= 600; ++seed) {
        const std::string book = BookMaker(seed).Book();
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        ExpectAgreement(book);
        if (HasFatalFailure())
            return;
    }
}

// The walk reads its text in aligned blocks of 64 bytes. Wherever the text
// starts in one, entry markers just before its first byte or just after its
// NUL are never seen, and entries that cross blocks are walked as any other.
TEST(WalkDifferentialTest, TextsAtEveryOffsetOfABlock)
{
    const std::string book = BookMaker(11).Book() + "@ " + std::string(70, 'a') + " a token across blocks\r\n";
    const std::string around = "@ x@ y @ z ";
    std::vector<char> storage(book.size() + 4 * 64);
    const std::size_t aligned = (64 - reinterpret_cast<std::uintptr_t>(storage.data()) % 64) % 64;
    for (std::size_t offset = 0; offset < 64; ++offset) {
        char* text = storage.data() + aligned + offset;
        for (std::size_t i = 0; i < aligned + offset; ++i)
            storage[i] = around[i % around.size()];
        std::copy(book.begin(), book.end(), text);
        text[book.size()] = '\0';
        for (char* after = text + book.size() + 1; after < storage.data() + storage.size(); ++after)
            *after = around[static_cast<std::size_t>(after - text) % around.size()];
        SCOPED_TRACE(testing::Message() << "offset " << offset);
        ASSERT_EQ(WalkDifference(text, reference::Walk(text)), "");
    }
}

TEST(WalkDifferentialTest, SyntheticBook)
{
    ExpectAgreement(GenerateSyntheticBook(), 13);
}

TEST(WalkDifferentialTest, ChapterMarkersAfterTheLastEntry)
{
    std::string book = GenerateSyntheticBook().substr(0, 100000);
    for (int i = 0; i < 5000; ++i)
        book += i % 7 ? "*1* chapter\r\n" : "*1*1*1@x\r\n";
    ExpectAgreement(book, 7);
}

}  // namespace
