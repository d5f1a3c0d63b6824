// Typing into the search box, driven by real keys; the result box follows
// every change with the prefix listing of the book the program carries.
#include "Encoding.h"
#include "ProgramTest.h"
#include "SystemInput.h"
#include "WindowQueries.h"

#include <string>

namespace {

class SearchBox : public ProgramTest {};

TEST_F(SearchBox, EveryTypedLetterListsTheHeadwordsThatBeginWithTheTextInBookOrder)
{
    std::string query = Book().PrefixMatching(2, 3);
    ASSERT_FALSE(query.empty()) << "no prefix that two or three headwords of the book begin with";
    FocusSearchBox();
    for (std::size_t length = 1; length <= query.size(); ++length) {
        TypeArabicAnsi(query.substr(length - 1, 1));
        ExpectBoxes(query.substr(0, length), PrefixListingOf(query.substr(0, length)));
    }
    // Read against the book's own walk, not only against the lookup.
    EXPECT_EQ(ListLines(ResultText()), Book().HeadwordsBeginningWith(query));
}

TEST_F(SearchBox, TextThatBeginsOneEntryShowsThatEntry)
{
    std::string query = Book().PrefixMatching(1, 1);
    ASSERT_FALSE(query.empty()) << "no prefix of a single entry's headword";
    std::vector<std::string> headwords = Book().HeadwordsBeginningWith(query);
    ASSERT_EQ(headwords.size(), 1u);
    FocusSearchBox();
    TypeArabicAnsi(query);
    ExpectBoxes(query, Book().FirstEntryTextOf(headwords.front()));
}

TEST_F(SearchBox, DeletingTheTextLetterByLetterEndsWithBothBoxesEmpty)
{
    std::string query = Book().PrefixMatching(1, 1);
    ASSERT_FALSE(query.empty());
    TypeQuery(query);
    for (std::size_t length = query.size(); length-- > 0;) {
        PressKey(VK_BACK);
        std::string rest = query.substr(0, length);
        ExpectBoxes(rest, rest.empty() ? "" : PrefixListingOf(rest));
    }
}

TEST_F(SearchBox, AnAsteriskAloneEmptiesTheResult)
{
    std::string query = Book().PrefixMatching(2, 3);
    ASSERT_FALSE(query.empty());
    TypeQuery(query);
    ASSERT_FALSE(ResultText().empty());
    // Shift+Home selects the whole text, which the asterisk then replaces.
    PressChord({VK_SHIFT, VK_HOME});
    TypeText(L"*");
    ExpectBoxes("*", "");
    TypeArabicAnsi(query);
    ExpectBoxes("*" + query, PrefixListingOf("*" + query));
}

TEST_F(SearchBox, EnterChangesNothingAndClosesNothing)
{
    std::string query = Book().PrefixMatching(2, 3);
    ASSERT_FALSE(query.empty());
    TypeQuery(query.substr(0, query.size() - 1));
    PressKey(VK_RETURN);
    // Keys are handled in order: once the next letter shows, Enter has been handled.
    TypeArabicAnsi(query.substr(query.size() - 1));
    ExpectBoxes(query, PrefixListingOf(query));
    std::vector<HWND> shown;
    for (HWND window : TopLevelWindowsOf(m_program->Id())) {
        if (::IsWindowVisible(window))
            shown.push_back(window);
    }
    EXPECT_EQ(shown, std::vector<HWND>{m_main});
}

TEST_F(SearchBox, TakesNoMoreTextThanFitsItsWidth)
{
    const int typed = 300;
    std::wstring letter = ArabicAnsiToWide(Book().FirstHeadword().substr(0, 1));
    FocusSearchBox();
    TypeText(std::wstring(typed, letter[0]));
    // Once Home has put the caret before the text, every letter has been handled.
    PressKey(VK_HOME);
    ASSERT_TRUE(WaitUntil([&] { return SearchCaret() == 0 && !SearchText().empty(); }));
    std::string text = SearchText();
    ASSERT_GT(text.size(), 0u);
    EXPECT_LT(text.size(), static_cast<std::size_t>(typed));
    EXPECT_EQ(ArabicAnsiToWide(text), std::wstring(text.size(), letter[0]));

    RECT client;
    ::GetClientRect(m_search, &client);
    LRESULT last = ::SendMessageA(m_search, EM_POSFROMCHAR, text.size() - 1, 0);
    EXPECT_GE(static_cast<short>(LOWORD(last)), client.left);
    EXPECT_LT(static_cast<short>(LOWORD(last)), client.right);

    // Full: a further letter is refused wherever the caret stands.
    TypeText(letter);
    PressKey(VK_END);
    WaitUntil([&] { return SearchCaret() != 0; });
    EXPECT_EQ(SearchText(), text);
}

}  // namespace
