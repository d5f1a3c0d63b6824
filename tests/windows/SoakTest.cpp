// Long runs against one program: it must keep answering, hold as many windows
// at the end as after a warm-up, and grow no kind of GDI object by as much as
// half an object a round. (Wine's own caches of device contexts grow in a few
// bounded steps while windows come and go; a leak grows with every round.)
#include "Encoding.h"
#include "ProgramResources.h"
#include "ProgramTest.h"
#include "SystemInput.h"
#include "WindowQueries.h"
#include "resource.h"

#include <algorithm>
#include <iostream>
#include <numeric>

namespace {

constexpr DWORD kLongRunTimeoutMs = 300000;

struct Holdings {
    int windows = 0;
    std::map<int, int> gdiObjectsByType;
};

int Total(const std::map<int, int>& counts)
{
    return std::accumulate(counts.begin(), counts.end(), 0, [](int sum, const auto& kind) { return sum + kind.second; });
}

int LargestGrowth(const std::map<int, int>& before, const std::map<int, int>& after)
{
    int largest = 0;
    for (const auto& [type, count] : after) {
        auto earlier = before.find(type);
        largest = std::max(largest, count - (earlier == before.end() ? 0 : earlier->second));
    }
    return largest;
}

class Soak : public ProgramTest {
protected:
    Holdings Count() const { return {CountWindows(m_program->Id()), CountGdiObjectsByType(m_program->Handle())}; }

    void ExpectSteady(const char* run, int rounds, const Holdings& before, DWORD elapsedMs) const
    {
        Holdings after = Count();
        int growth = LargestGrowth(before.gdiObjectsByType, after.gdiObjectsByType);
        std::cout << "[soak] " << run << " in " << elapsedMs << " ms: windows " << before.windows << " -> "
                  << after.windows << ", GDI objects " << Total(before.gdiObjectsByType) << " -> "
                  << Total(after.gdiObjectsByType) << " (largest growth of one kind " << growth << ")\n";
        EXPECT_TRUE(m_program->Responds());
        EXPECT_EQ(after.windows, before.windows);
        ASSERT_FALSE(before.gdiObjectsByType.empty()) << "the program's GDI handle table could not be read";
        EXPECT_LT(2 * growth, rounds) << "a kind of GDI object grows by half an object a round or more";
    }

    bool OpenAndCloseAboutWindow(int round) const
    {
        if (round % 2 == 0)
            ClickAt(CenterOf(::GetDlgItem(m_main, IDC_ABOUT)));
        else
            ::PostMessageA(m_main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        HWND about = WaitForAboutWindow();
        if (!about)
            return false;
        PressKey(VK_RETURN);
        return WaitUntil([&] { return !::IsWindow(about) && ::IsWindowEnabled(m_main); });
    }
};

TEST_F(Soak, AThousandKeystrokesAndDeletionsInARow)
{
    std::string word = Book().PrefixMatching(1, 1);
    ASSERT_FALSE(word.empty());
    std::wstring letters = ArabicAnsiToWide(word);
    TypeQuery(word);
    for (std::size_t i = 0; i < letters.size(); ++i)
        PressKey(VK_BACK);
    ExpectBoxes("", "");
    Holdings before = Count();

    // The word typed letter by letter and deleted again, through list and entry states,
    // sent without waiting; then the word once more.
    const int keystrokes = 1000;
    DWORD start = ::GetTickCount();
    int sent = 0;
    while (sent + 2 * static_cast<int>(letters.size()) <= keystrokes) {
        TypeText(letters);
        for (std::size_t i = 0; i < letters.size(); ++i)
            PressKey(VK_BACK);
        sent += 2 * static_cast<int>(letters.size());
    }
    TypeText(letters);
    sent += static_cast<int>(letters.size());
    // The word shows many times on the way; with the caret moved before it by Home, only at the end.
    PressKey(VK_HOME);
    WaitUntil([&] { return SearchCaret() == 0 && SearchText() == letters; }, kLongRunTimeoutMs);
    DWORD elapsed = ::GetTickCount() - start;
    ExpectBoxes(word, PrefixListingOf(word));
    ExpectSteady((std::to_string(sent) + " keystrokes and deletions").c_str(), sent, before, elapsed);
}

TEST_F(Soak, TheAboutWindowOpenedAndClosedAHundredTimes)
{
    // Alternately by the About button and by the system-menu command; closed with Enter.
    for (int round = 0; round < 4; ++round)
        ASSERT_TRUE(OpenAndCloseAboutWindow(round));
    Holdings before = Count();
    DWORD start = ::GetTickCount();
    const int rounds = 100;
    for (int round = 0; round < rounds; ++round)
        ASSERT_TRUE(OpenAndCloseAboutWindow(round)) << "round " << round;
    ExpectSteady("100 About windows", rounds, before, ::GetTickCount() - start);
}

TEST_F(Soak, LongPastesIntoTheSearchBox)
{
    std::string word = Book().PrefixMatching(2, 3);
    ASSERT_FALSE(word.empty());
    // Many times what fits the box. (Wine's edit control cuts a paste to the box's width one
    // character at a time, which costs time that grows with the square of the length.)
    std::string pasteText;
    while (pasteText.size() < 600)
        pasteText += word;
    std::wstring widePasteText = ArabicAnsiToWide(pasteText);
    std::string wholeText;
    while (wholeText.size() < 16000)
        wholeText += word;

    // Through the clipboard and Ctrl+V into the emptied box: it keeps what fits its width.
    auto pasteFromClipboard = [&] {
        ASSERT_TRUE(::OpenClipboard(nullptr));
        ::EmptyClipboard();
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (widePasteText.size() + 1) * sizeof(wchar_t));
        std::copy(widePasteText.c_str(), widePasteText.c_str() + widePasteText.size() + 1,
                  static_cast<wchar_t*>(::GlobalLock(memory)));
        ::GlobalUnlock(memory);
        ASSERT_NE(::SetClipboardData(CF_UNICODETEXT, memory), nullptr);
        ::CloseClipboard();
        FocusSearchBox();
        PressChord({VK_SHIFT, VK_HOME});
        PressKey(VK_DELETE);
        ExpectBoxes("", "");
        PressChord({VK_CONTROL, 'V'});
        ASSERT_TRUE(WaitUntil(
            [&] {
                std::string text = WideToArabicAnsi(SearchText());
                return !text.empty() && ResultText() == ArabicAnsiToWide(PrefixListingOf(text));
            },
            kLongRunTimeoutMs));
        std::wstring pasted = SearchText();
        EXPECT_LT(pasted.size(), widePasteText.size());
        EXPECT_EQ(widePasteText.compare(0, pasted.size(), pasted), 0) << "the box holds more than the start of the paste";
    };
    // Set as a whole (WM_SETTEXT is never cut): the program looks all of it up.
    auto setWhole = [&] {
        DWORD_PTR reply = 0;
        std::wstring wideWholeText = ArabicAnsiToWide(wholeText);
        ASSERT_TRUE(::SendMessageTimeoutW(m_search, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wideWholeText.c_str()),
                                          SMTO_ABORTIFHUNG, kLongRunTimeoutMs, &reply));
        std::wstring listing = ArabicAnsiToWide(PrefixListingOf(wholeText));
        EXPECT_TRUE(WaitUntil([&] { return SearchText() == wideWholeText && ResultText() == listing; }))
            << "the boxes hold " << SearchText().size() << " and " << ResultText().size() << " bytes";
    };

    pasteFromClipboard();
    setWhole();
    Holdings before = Count();
    DWORD start = ::GetTickCount();
    const int rounds = 10;
    for (int round = 0; round < rounds; ++round) {
        pasteFromClipboard();
        setWhole();
    }
    ExpectSteady("10 pastes of 600 letters and 10 texts of 16,000 bytes set whole", 2 * rounds, before,
                 ::GetTickCount() - start);
}

}  // namespace
