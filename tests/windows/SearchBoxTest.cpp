// Typing into the search box, driven by real keys; the result box follows
// every change with the prefix listing of the book the program carries.
#include "Encoding.h"
#include "ProgramTest.h"
#include "SystemInput.h"
#include "WindowQueries.h"

#include <algorithm>
#include <string>
#include <vector>

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
    EXPECT_EQ(ListLines(WideToArabicAnsi(ResultText())), Book().HeadwordsBeginningWith(query));
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
    // Under Wine a burst of keys can go astray while the X server hands the focus
    // back and forth after the click: type bursts until one adds nothing.
    std::wstring text;
    for (int burst = 0; burst < 3; ++burst) {
        if (!text.empty()) {
            PressKey(VK_END);
            ASSERT_TRUE(WaitUntil([&] { return SearchCaret() != 0; }));
        }
        TypeText(std::wstring(typed, letter[0]));
        // Once Home has put the caret before the text, every letter has been handled.
        PressKey(VK_HOME);
        ASSERT_TRUE(WaitUntil([&] { return SearchCaret() == 0 && !SearchText().empty(); }));
        std::wstring taken = SearchText();
        if (taken == text)
            break;
        text = taken;
    }
    ASSERT_GT(text.size(), 0u);
    EXPECT_LT(text.size(), static_cast<std::size_t>(typed));
    EXPECT_EQ(text, std::wstring(text.size(), letter[0]));

    RECT client;
    ::GetClientRect(m_search, &client);
    LRESULT last = ::SendMessageW(m_search, EM_POSFROMCHAR, text.size() - 1, 0);
    EXPECT_GE(static_cast<short>(LOWORD(last)), client.left);
    EXPECT_LT(static_cast<short>(LOWORD(last)), client.right);

    // Full: a further letter is refused wherever the caret stands.
    TypeText(letter);
    PressKey(VK_END);
    WaitUntil([&] { return SearchCaret() != 0; });
    EXPECT_EQ(SearchText(), text);
}

// A letter that Windows-1256 lacks, such as the Persian yeh, becomes the code
// page's default character, which begins no headword: it is not taken for the
// Arabic yeh that a best-fit conversion would make of it.
TEST_F(SearchBox, ALetterThatTheCodePageLacksFindsNothing)
{
    const std::string arabicYeh = Utf8ToArabicAnsi("ي");
    std::string prefix;
    for (const std::string& two : Book().DistinctPrefixes(2)) {
        if (two.substr(1) == arabicYeh) {
            prefix = two.substr(0, 1);
            break;
        }
    }
    ASSERT_FALSE(prefix.empty()) << "no headword has the Arabic yeh as its second letter";
    ASSERT_FALSE(PrefixListingOf(prefix + arabicYeh).empty());

    FocusSearchBox();
    TypeArabicAnsi(prefix);
    ExpectBoxes(prefix, PrefixListingOf(prefix));
    const std::wstring typed = ArabicAnsiToWide(prefix) + L"\x06CC";
    TypeText(L"\x06CC");
    WaitUntil([&] { return SearchText() == typed && ResultText() != ArabicAnsiToWide(PrefixListingOf(prefix)); });
    EXPECT_EQ(SearchText(), typed);
    EXPECT_EQ(ResultText(), ArabicAnsiToWide(PrefixListingOf(prefix + "?")));
    EXPECT_TRUE(m_program->Responds());
}

// The Arabic letters, hamza to yeh, as Windows-1256 bytes.
std::vector<std::string> ArabicLetters()
{
    std::vector<std::string> letters;
    for (wchar_t letter = 0x0621; letter <= 0x064A; ++letter) {
        if (letter > 0x063A && letter < 0x0641)
            continue;  // unassigned, and the tatweel
        char ansi = 0;
        BOOL lost = FALSE;
        if (::WideCharToMultiByte(1256, 0, &letter, 1, &ansi, 1, nullptr, &lost) == 1 && !lost)
            letters.push_back(std::string(1, ansi));
    }
    return letters;
}

// Every letter alone, and every two-letter prefix the book lists, typed into
// the empty box: the program must answer and list, whatever text the result
// box has to lay out. A second letter replaces the one before (Shift+Left
// selects it), so each prefix costs one change.
// People type a final heh for a teh marbuta and a final yeh for an alef
// maksura: such a spelling shows, at once or at a click on it in the list, an
// entry that names the word as the book has it.
TEST_F(SearchBox, AFinalHehOrYehTypedForTehMarbutaOrAlefMaksuraLeadsToTheWord)
{
    const char* const spellings[][2] = {{"مدرسه", "مدرسة"}, {"مستشفي", "مستشفى"}};
    for (const auto& [typed, word] : spellings) {
        const std::string query = Utf8ToArabicAnsi(typed);
        TypeQuery(query);
        std::vector<std::string> lines = ListLines(PrefixListingOf(query));
        auto listed = std::find(lines.begin(), lines.end(), query);
        if (listed != lines.end()) {
            ClickAt(PointInLine(m_result, static_cast<int>(listed - lines.begin())));
            ASSERT_TRUE(WaitForFocus(m_result));
            ExpectBoxes(query, Book().FirstEntryTextOf(query));
        }
        EXPECT_NE(WideToArabicAnsi(ResultText()).find(Utf8ToArabicAnsi(word)), std::string::npos)
            << "typing " << typed << " does not lead to " << word;
        FocusSearchBox();
        for (std::size_t i = 0; i < query.size(); ++i)
            PressKey(VK_BACK);
        ExpectBoxes("", "");
    }
}

TEST_F(SearchBox, EveryLetterAloneAndEveryListingTwoLetterPrefixIsListed)
{
    std::vector<std::string> letters = ArabicLetters();
    ASSERT_GE(letters.size(), 28u);
    std::vector<std::string> prefixes = Book().DistinctPrefixes(2);
    ASSERT_FALSE(prefixes.empty());
    FocusSearchBox();
    for (const std::string& letter : letters) {
        SCOPED_TRACE(testing::Message() << "letter U+" << std::hex << static_cast<unsigned>(ArabicAnsiToWide(letter)[0]));
        TypeArabicAnsi(letter);
        ExpectBoxes(letter, PrefixListingOf(letter));
        bool first = true;
        for (const std::string& prefix : prefixes) {
            if (prefix[0] != letter[0])
                continue;
            if (!first)
                PressChord({VK_SHIFT, VK_LEFT});
            first = false;
            TypeArabicAnsi(prefix.substr(1));
            ExpectBoxes(prefix, PrefixListingOf(prefix));
            if (HasFailure())
                break;
        }
        ASSERT_TRUE(m_program->Responds()) << "the program stopped answering";
        PressChord({VK_SHIFT, VK_HOME});
        PressKey(VK_BACK);
        ExpectBoxes("", "");
        if (HasFailure())
            break;
    }
}

}  // namespace
