// The About window: its three ways in, what it shows, and that it holds the
// main window while it is open.
#include "DialogLayouts.h"
#include "Encoding.h"
#include "ProgramTest.h"
#include "SystemInput.h"
#include "WindowQueries.h"
#include "resource.h"

#include <cstdlib>

namespace {

class AboutWindow : public ProgramTest {
protected:
    bool WaitForAboutWindowToClose(HWND about) const
    {
        return WaitUntil([&] { return !::IsWindow(about) && ::IsWindowEnabled(m_main); });
    }
};

TEST_F(AboutWindow, OpensFromItsButtonHoldsTheMainWindowAndClosesWithEnter)
{
    ClickAt(CenterOf(::GetDlgItem(m_main, IDC_ABOUT)));
    HWND about = WaitForAboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(about), Utf8ToWide(AboutWindowLayout().caption));
    EXPECT_FALSE(::IsWindowEnabled(m_main));

    // Neither a click into the main window's search box nor typing reaches it while About is open.
    std::string letter = Book().FirstHeadword().substr(0, 1);
    ClickAt(CenterOf(m_search));
    TypeArabicAnsi(letter);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitForAboutWindowToClose(about));
    EXPECT_EQ(SearchText(), L"");

    // Closed, the main window takes input again.
    FocusSearchBox();
    TypeArabicAnsi(letter);
    ExpectBoxes(letter, PrefixListingOf(letter));
}

TEST_F(AboutWindow, OpensFromTheSystemMenuCommandAndClosesWithEscape)
{
    ::PostMessageA(m_main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = WaitForAboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(about), Utf8ToWide(AboutWindowLayout().caption));
    EXPECT_FALSE(::IsWindowEnabled(m_main));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForAboutWindowToClose(about));
    EXPECT_TRUE(m_program->Responds());
}

TEST_F(AboutWindow, OpensFromTheSystemMenuByKeys)
{
    FocusSearchBox();
    // Alt+Space opens the system menu; Up wraps round to its last item, the one the program added.
    PressChord({VK_MENU, VK_SPACE});
    ASSERT_TRUE(WaitUntil([] { return ::FindWindowA("#32768", nullptr) != nullptr; }));
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    HWND about = WaitForAboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(about), Utf8ToWide(AboutWindowLayout().caption));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitForAboutWindowToClose(about));
}

TEST_F(AboutWindow, StandsCentredOverTheMainWindow)
{
    ::PostMessageA(m_main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = WaitForAboutWindow();
    ASSERT_NE(about, nullptr);
    RECT main, own;
    ::GetWindowRect(m_main, &main);
    ::GetWindowRect(about, &own);
    EXPECT_LE(std::abs((own.left + own.right) - (main.left + main.right)), 1);
    EXPECT_LE(std::abs((own.top + own.bottom) - (main.top + main.bottom)), 1);
}

}  // namespace
