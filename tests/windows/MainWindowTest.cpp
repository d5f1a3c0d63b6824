// The main window as a whole: how it closes, where it stands, F1.
#include "ProgramTest.h"
#include "SystemInput.h"
#include "WindowQueries.h"
#include "resource.h"

#include <cstdlib>

namespace {

class MainWindow : public ProgramTest {};

TEST_F(MainWindow, EscapeInTheSearchBoxEndsTheProgram)
{
    FocusSearchBox();
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(m_program->Exits());
}

TEST_F(MainWindow, EscapeInTheResultBoxEndsTheProgram)
{
    std::string query = Book().PrefixMatching(1, 1);
    ASSERT_FALSE(query.empty());
    TypeQuery(query);
    ClickAt(PointInCharacter(m_result, 1));
    ASSERT_TRUE(WaitForFocus(m_result));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(m_program->Exits());
}

TEST_F(MainWindow, ExitButtonEndsTheProgram)
{
    ClickAt(CenterOf(::GetDlgItem(m_main, IDC_EXIT)));
    EXPECT_TRUE(m_program->Exits());
}

TEST_F(MainWindow, StandsCentredOnTheScreen)
{
    RECT window;
    ::GetWindowRect(m_main, &window);
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((window.top + window.bottom) - (work.top + work.bottom)), 1);
}

TEST_F(MainWindow, StaysAboveAWindowActivatedAfterIt)
{
    EXPECT_TRUE(::GetWindowLongPtrA(m_main, GWL_EXSTYLE) & WS_EX_TOPMOST);

    HWND ordinary = ::CreateWindowExA(0, "Static", "ordinary", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 200, 200,
                                      nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(ordinary, nullptr);
    ::SetWindowPos(ordinary, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(ordinary);
    bool ordinaryBelow = false;
    for (HWND next = ::GetWindow(m_main, GW_HWNDNEXT); next; next = ::GetWindow(next, GW_HWNDNEXT))
        ordinaryBelow = ordinaryBelow || next == ordinary;
    ::DestroyWindow(ordinary);
    EXPECT_TRUE(ordinaryBelow);
}

TEST_F(MainWindow, F1OpensNothingAndLeavesTheWindowAsItWas)
{
    std::string query = Book().PrefixMatching(2, 3);
    ASSERT_FALSE(query.empty());
    TypeQuery(query.substr(0, query.size() - 1));
    std::size_t visibleBefore = VisibleTopLevelWindows().size();

    PressKey(VK_F1);
    // The next letter still reaches the search box once F1 has been handled.
    TypeArabicAnsi(query.substr(query.size() - 1));
    ExpectBoxes(query, PrefixListingOf(query));
    EXPECT_TRUE(::IsWindowEnabled(m_main));
    EXPECT_FALSE(WaitUntil([&] { return VisibleTopLevelWindows().size() != visibleBefore; }, 2000))
        << "a window showed after F1";
}

}  // namespace
