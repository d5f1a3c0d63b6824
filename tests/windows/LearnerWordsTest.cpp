// The words a learner looks up first: an Arabic word shows its English
// meaning, an English word its Arabic with the vowels, and a word as it
// stands in a text the word it is a form of, whether typing shows the entry
// at once or lists it for a click.
#include "Encoding.h"
#include "ProgramTest.h"
#include "SystemInput.h"
#include "WindowQueries.h"

#include <algorithm>

namespace {

class LearnerWords : public ProgramTest {
protected:
    // Types the word and, where the book lists it among others, clicks it; returns the result box's text.
    std::wstring EntryShownFor(const std::string& word)
    {
        TypeQuery(word);
        std::vector<std::string> lines = ListLines(PrefixListingOf(word));
        auto listed = std::find(lines.begin(), lines.end(), word);
        if (listed != lines.end()) {
            ClickAt(PointInLine(m_result, static_cast<int>(listed - lines.begin())));
            EXPECT_TRUE(WaitForFocus(m_result));
            ExpectBoxes(word, Book().FirstEntryTextOf(word));
        }
        return ResultText();
    }
};

bool IsArabicLetterOrMark(wchar_t c)
{
    return c >= 0x0621 && c <= 0x0652;
}

// The first run of Arabic letters and marks in the text.
std::wstring FirstArabicWord(const std::wstring& text)
{
    auto begin = std::find_if(text.begin(), text.end(), IsArabicLetterOrMark);
    return std::wstring(begin, std::find_if_not(begin, text.end(), IsArabicLetterOrMark));
}

TEST_F(LearnerWords, TypingTheArabicForWomanShowsWoman)
{
    const std::wstring shown = EntryShownFor(Utf8ToArabicAnsi("امرأة"));
    EXPECT_NE(shown.find(L"woman"), std::wstring::npos) << WideToArabicAnsi(shown);
}

TEST_F(LearnerWords, TypingWriteShowsTheVerbWithItsVowelsFirst)
{
    const std::wstring shown = EntryShownFor("write");
    EXPECT_EQ(FirstArabicWord(shown), L"\u0643\u064E\u062A\u064E\u0628\u064E") << "كَتَبَ";
}

TEST_F(LearnerWords, TypingAVerbFormOrAPluralShowsTheWordItIsAFormOf)
{
    const char* const forms[][2] = {{"تريد", "أَرادَ"}, {"مدارس", "مَدْرَسَة"}};
    for (const auto& [form, word] : forms) {
        const std::wstring shown = EntryShownFor(Utf8ToArabicAnsi(form));
        EXPECT_NE(shown.find(ArabicAnsiToWide(Utf8ToArabicAnsi(word))), std::wstring::npos)
            << "typing " << form << " does not lead to " << word << ": " << WideToArabicAnsi(shown);
        FocusSearchBox();
        PressChord({VK_SHIFT, VK_HOME});
        PressKey(VK_BACK);
        ExpectBoxes("", "");
    }
}

}  // namespace
